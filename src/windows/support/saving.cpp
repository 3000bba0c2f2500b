#include "windows/support/saving.h"

#include "windows/support/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quindle {

namespace {

constexpr int kMaxNumbered = 9999;

QString systemReason(int error)
{
    return qt_error_string(error);
}

// A descriptor that closes itself.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int get() const { return m_fd; }
    // Closes now; false (with errno) when the system reports that the data did not make it.
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

// The file being written, under a hidden name in the folder it is going to; removed again
// unless it took its final name.
class HiddenFile
{
public:
    explicit HiddenFile(int folder)
        : m_folder(folder)
    {
        static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QByteArray name = ".quindle-";
            for (int i = 0; i < 8; ++i)
                name += kLetters[QRandomGenerator::global()->bounded(int{sizeof kLetters} - 1)];
            name += ".part";
            const int fd = ::openat(folder, name.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd >= 0) {
                m_fd = fd;
                m_name = name;
                return;
            }
            if (errno != EEXIST)
                return;
        }
    }
    ~HiddenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.isEmpty())
            ::unlinkat(m_folder, m_name.constData(), 0);
    }
    HiddenFile(const HiddenFile &) = delete;
    HiddenFile &operator=(const HiddenFile &) = delete;

    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    [[nodiscard]] int fd() const { return m_fd; }
    [[nodiscard]] const char *name() const { return m_name.constData(); }
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }
    // It has its final name (or a hard link has it): nothing to remove under the hidden one.
    void taken() { m_name.clear(); }

private:
    int m_folder;
    int m_fd = -1;
    QByteArray m_name;
};

bool notSupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == ENOTSUP;
}

bool noHardLinks(int error)
{
    // FAT answers EPERM; SMB and FUSE mounts without hard links one of the others.
    return error == EPERM || error == EACCES || error == EMLINK || notSupported(error);
}

// Gives the hidden file one of the numbered forms of name that nothing has yet; returns the
// name it took, or an empty string with errno set.
QByteArray takeUnusedName(int folder, HiddenFile &hidden, const QString &name, NoReplace method)
{
    for (int n = 1; n <= kMaxNumbered; ++n) {
        const QByteArray candidate = QFile::encodeName(numberedName(name, n));
        if (method == NoReplace::Rename) {
            if (::renameat2(folder, hidden.name(), folder, candidate.constData(),
                            RENAME_NOREPLACE) == 0) {
                hidden.taken();
                return candidate;
            }
            if (errno == EEXIST)
                continue;
            if (!notSupported(errno))
                return {};
            method = NoReplace::Link;
        }
        if (method == NoReplace::Link) {
            if (::linkat(folder, hidden.name(), folder, candidate.constData(), 0) == 0)
                return candidate; // the hidden name goes when `hidden` does
            if (errno == EEXIST)
                continue;
            if (!noHardLinks(errno))
                return {};
            method = NoReplace::Exclusive;
        }
        // Claims the name with an empty file, then puts the written one over it. A reader may
        // meet the empty file for a moment, never a half-written one.
        const int placeholder =
            ::openat(folder, candidate.constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (placeholder < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        ::close(placeholder);
        if (::renameat(folder, hidden.name(), folder, candidate.constData()) == 0) {
            hidden.taken();
            return candidate;
        }
        const int error = errno;
        ::unlinkat(folder, candidate.constData(), 0);
        errno = error;
        return {};
    }
    errno = EEXIST;
    return {};
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
    const QString name = target.fileName();
    const Descriptor folder(::open(QFile::encodeName(target.absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || name.isEmpty())
        return {{}, folder.get() < 0 ? systemReason(errno) : cannotWrite()};
    HiddenFile hidden(folder.get());
    if (!hidden.isOpen())
        return {{}, systemReason(errno)};

    QFile file;
    if (!file.open(hidden.fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        return {{}, file.errorString()};
    if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError)
        return {{}, file.error() != QFileDevice::NoError ? file.errorString() : cannotWrite()};
    file.close();
    struct stat existing = {};
    const QByteArray finalName = QFile::encodeName(name);
    if (replace == Replace::Allowed &&
        ::fstatat(folder.get(), finalName.constData(), &existing, 0) == 0 &&
        S_ISREG(existing.st_mode))
        ::fchmod(hidden.fd(), existing.st_mode & 07777);
    // fsync: on the disk before it has its name, so that a power cut leaves the old file or
    // the new one, never an empty one. Some file systems cannot (EINVAL): then as it comes.
    if ((::fsync(hidden.fd()) != 0 && errno != EINVAL) || !hidden.close())
        return {{}, systemReason(errno)};

    QByteArray taken = finalName;
    if (replace == Replace::Allowed) {
        if (::renameat(folder.get(), hidden.name(), folder.get(), finalName.constData()) != 0)
            return {{}, systemReason(errno)};
        hidden.taken();
    } else {
        taken = takeUnusedName(folder.get(), hidden, name, method);
        if (taken.isEmpty())
            return {{}, systemReason(errno)};
    }
    ::fsync(folder.get()); // the new name on the disk too, where the folder can be synced
    return {QDir(target.absolutePath()).filePath(QFile::decodeName(taken)), {}};
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
    if (n <= 1)
        return name;
    qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0)
        dot = name.size();
    return name.left(dot) + QStringLiteral(" (%1)").arg(n) + name.mid(dot);
}

QString unusedName(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    for (int n = 1; n < kMaxNumbered; ++n) {
        const QString candidate = numberedName(name, n);
        if (!QFileInfo::exists(dir.filePath(candidate)) &&
            !QFileInfo(dir.filePath(candidate)).isSymLink())
            return candidate;
    }
    return name;
}

QString folderProblem(const QString &folder)
{
    struct stat status = {};
    const QByteArray path = QFile::encodeName(folder);
    if (folder.isEmpty() || ::stat(path.constData(), &status) != 0)
        return systemReason(folder.isEmpty() ? ENOENT : errno);
    if (!S_ISDIR(status.st_mode))
        return systemReason(ENOTDIR);
    if (::faccessat(AT_FDCWD, path.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return systemReason(errno);
    return {};
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
