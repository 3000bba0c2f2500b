// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/saving.h"

#include "files/atomic_write.h"
#include "files/file_names.h"
#include "windows/support/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace quindle {

namespace {

QString systemReason(int error)
{
    return qt_error_string(error);
}

QString cannotWrite()
{
    //: Why a file was not saved, after "… could not be saved: ".
    return QCoreApplication::translate("quindle::Saving", "the file could not be written");
}

} // namespace

WrittenFile writeFile(const QString &path, const std::function<bool(QIODevice &)> &write,
                      Replace replace, NoReplace method)
{
    QFileInfo target(path);
    if (replace == Replace::Allowed && target.isSymLink()) {
        // As a text editor would: the link stays, the file it points to is replaced.
        if (const QString pointed = target.symLinkTarget(); !pointed.isEmpty())
            target = QFileInfo(pointed);
    }
    QString failed; // why write could not fill the file, in Qt's words
    const auto fill = [&write, &failed](int fd) {
        QFile file;
        if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            failed = file.errorString();
            return false;
        }
        if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError) {
            failed = file.error() != QFileDevice::NoError ? file.errorString() : cannotWrite();
            return false;
        }
        return true;
    };
    const files::AtomicWrite written = files::writeAtomically(
        QFile::encodeName(target.absolutePath()).toStdString(),
        QFile::encodeName(target.fileName()).toStdString(), fill, replace, method);
    if (written.name.empty())
        return {{},
                written.error != 0 ? systemReason(written.error)
                : failed.isEmpty() ? cannotWrite()
                                   : failed};
    return {QDir(target.absolutePath())
                .filePath(QFile::decodeName(QByteArray::fromStdString(written.name))),
            {}};
}

QString writeFileSafely(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    return writeFile(path, write).error;
}

QString writeTextSafely(const QString &path, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return writeFileSafely(
        path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

QString numberedName(const QString &name, int n)
{
    return QString::fromStdString(files::numberedName(name.toStdString(), n));
}

QString unusedName(const QString &folder, const QString &name)
{
    return QFile::decodeName(QByteArray::fromStdString(files::unusedName(
        QFile::encodeName(folder).toStdString(), QFile::encodeName(name).toStdString())));
}

QString folderProblem(const QString &folder)
{
    const int error = files::folderProblem(QFile::encodeName(folder).toStdString());
    return error != 0 ? systemReason(error) : QString();
}

QString reasonInFolder(const QString &folder, const QString &fileReason)
{
    // A missing folder says so, rather than the reason its first file could not be made.
    const QString problem = folderProblem(folder);
    return problem.isEmpty() ? fileReason : problem;
}

QString saveThroughDialog(QWidget *window, Preferences &preferences, const QString &title,
                          const QString &suggested, const QString &filter,
                          const std::function<QString(const QString &)> &save)
{
    const QString start = QFileInfo(suggested).isAbsolute()
                              ? suggested
                              : QDir(preferences.dialogFolder()).filePath(suggested);
    const QString path = QFileDialog::getSaveFileName(window, title, start, filter);
    if (path.isEmpty())
        return {};
    const QString why = save(path);
    preferences.noteWrite(QFileInfo(path).absolutePath(), why.isEmpty());
    if (why.isEmpty())
        return path;
    QMessageBox::warning(
        window, title,
        //: %1 is the file's path, %2 why it could not be written.
        QCoreApplication::translate("quindle::Saving", "%1 could not be saved: %2").arg(path, why));
    return {};
}

} // namespace quindle
