#pragma once

// Saving files the pupil or teacher asks for. A file appears in its folder only complete: it is
// written under a hidden temporary name in the same folder, flushed to the disk, and only then
// renamed into place, so that a class window reading the folder (on a network share or a USB
// stick as well) never meets it half-written, and a failed write leaves nothing behind. A
// failure names the file and the system's reason.

#include <QObject>
#include <QString>

#include <functional>

class QIODevice;
class QWidget;

namespace quindle {

// Whether a file written may replace one of the same name.
enum class Replace {
    Allowed, // the user chose the name and was asked before replacing
    Never,   // " (2)", " (3)", ... is added where the name is taken when the file takes it
};

// How a new file takes a name without replacing another: Linux's rename that refuses to
// replace, a hard link, or the name created exclusively first and then renamed over. The first
// of them the folder's file system supports is used (FAT and some SMB mounts have neither of
// the first two); tests may start further down the list.
enum class NoReplace { Rename, Link, Exclusive };

struct WrittenFile
{
    QString path;  // where the file is now; empty when nothing was written
    QString error; // why nothing was written; empty when the file was
};

// Writes the file at path: write fills the device and returns false when it could not. Where
// path is a symbolic link, the file it points to is written. A replaced file keeps its
// permissions; a failed write leaves an existing file as it was.
WrittenFile writeFile(const QString &path, const std::function<bool(QIODevice &)> &write,
                      Replace replace = Replace::Allowed, NoReplace method = NoReplace::Rename);

// The same, replacing any file at path; returns an empty string, or why the file could not be
// written.
[[nodiscard]] QString writeFileSafely(const QString &path,
                                      const std::function<bool(QIODevice &)> &write);
// The same for a whole text, in UTF-8.
[[nodiscard]] QString writeTextSafely(const QString &path, const QString &text);

// name with " (n)" before its extension: "Anna 2026-12-07.csv" becomes "Anna 2026-12-07 (2).csv".
[[nodiscard]] QString numberedName(const QString &name, int n);
// name, or the first numbered name after it, that nothing in folder has yet.
[[nodiscard]] QString unusedName(const QString &folder, const QString &name);

// Why nothing can be written into folder, in the system's words ("No such file or directory",
// "Permission denied", "Read-only file system"), or an empty string when it can be tried.
[[nodiscard]] QString folderProblem(const QString &folder);

// The folders files are saved into, for the program's lifetime: the class folder a school set
// up (where runs are handed in), the folder saved into last, the user's Documents. The program
// fills them in from its settings and keeps the last folder in them.
class SaveFolders : public QObject
{
    Q_OBJECT
public:
    static SaveFolders &instance();

    // The class folder; empty when none is set.
    void setClassFolder(const QString &folder);
    [[nodiscard]] const QString &classFolder() const { return m_classFolder; }
    [[nodiscard]] bool isClassFolder(const QString &folder) const;
    // True after the last write into the class folder failed, until one succeeds: Save
    // results… then offers the Documents folder instead.
    [[nodiscard]] bool classFolderFailed() const { return m_classFolderFailed; }

    // The folder saved into last, as remembered from an earlier run of the program.
    void setLastFolder(const QString &folder);
    // Where a save dialog opens: the folder saved into last, while it is there, else Documents.
    [[nodiscard]] QString dialogFolder() const;
    // The user's Documents folder, or home where there is none.
    [[nodiscard]] static QString documents();

    // A file was written into folder, or could not be (ok false).
    void noteWrite(const QString &folder, bool ok);

signals:
    // A file was saved into folder, which is not the class folder: the last folder to remember.
    void savedInto(const QString &folder);

private:
    SaveFolders() = default;

    QString m_classFolder;
    bool m_classFolderFailed = false;
    QString m_lastFolder;
};

// Asks for a file name, suggesting `suggested` (a bare name goes into SaveFolders'
// dialogFolder()), and hands it to save, which returns an empty string or why the file could
// not be written; a failure is shown with the file's name. Returns the path saved to, or an
// empty string.
QString saveThroughDialog(QWidget *window, const QString &title, const QString &suggested,
                          const QString &filter,
                          const std::function<QString(const QString &)> &save);

} // namespace quindle
