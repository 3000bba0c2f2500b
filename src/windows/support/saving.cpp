#include "windows/support/saving.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>

namespace quindle {

QString writeFileSafely(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && write(file) && file.commit())
        return {};
    // A writer that failed on its own (an image format that would not encode) leaves the
    // device without an error text.
    //: Why a file was not saved, after "… could not be saved: ".
    return file.errorString().isEmpty()
               ? QCoreApplication::translate("quindle::Saving", "the file could not be written")
               : file.errorString();
}

QString writeTextSafely(const QString &path, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return writeFileSafely(
        path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

void saveThroughDialog(QWidget *window, const QString &title, const QString &suggested,
                       const QString &filter, const std::function<QString(const QString &)> &save)
{
    // The first time in the user's Documents folder (home where there is none), then wherever
    // the last file was saved, for the program's lifetime.
    static QString folder;
    if (folder.isEmpty()) {
        const QString documents =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        folder = QDir(documents).exists() ? documents : QDir::homePath();
    }
    const QString path =
        QFileDialog::getSaveFileName(window, title, QDir(folder).filePath(suggested), filter);
    if (path.isEmpty())
        return;
    folder = QFileInfo(path).absolutePath();
    if (const QString why = save(path); !why.isEmpty())
        //: %1 is the file's path, %2 why it could not be written.
        QMessageBox::warning(
            window, title,
            QCoreApplication::translate("quindle::Saving", "%1 could not be saved: %2")
                .arg(path, why));
}

} // namespace quindle
