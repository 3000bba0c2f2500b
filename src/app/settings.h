// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The settings: what a school sets up once for all its machines, and what the program
// remembers for a pupil from one run to the next. They are QSettings' native files (INI text)
// for the organisation and application "Quindle": the user's own Quindle/Quindle.conf in
// XDG_CONFIG_HOME (~/.config) over the system's Quindle/Quindle.conf in each folder of
// XDG_CONFIG_DIRS (/etc/xdg), which an administrator deploys and the program never writes;
// the command line over both, for one run.
//
//   [class]   folder=PATH       where runs are handed in and Class results… opens
//   [display] zoom=PERCENT      one of the zoom steps; remembered when the pupil zooms
//             language=CODE     en, or a language the program is translated into
//   [saving]  lastFolder=PATH   remembered: the folder saved into last
//
// The files are read once, at start; each value comes from the first of them that has a valid
// one. The files are other people's: one that cannot be read (not a regular file, too large,
// unreadable, not in the settings format) and every bad value are named in one line on
// standard error and left out, and the program goes on. The lines are in the pupil's language,
// which is known only once the files and the command line are read: until then they are held.
// The user's file is written only where it was read whole: otherwise, or once writing it has
// failed, nothing more is remembered.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QCommandLineParser;
class QSettings;

namespace quindle {

class Preferences;

class Settings
{
    Q_DECLARE_TR_FUNCTIONS(quindle::Settings)

public:
    // Receives each line about a bad file or value; by default, standard error.
    using Warn = std::function<void(const QString &line)>;

    // Reads the files; the lines about them are held until tellWarnings().
    explicit Settings(Warn warn = {});

    // Whether lines are held, waiting for tellWarnings().
    [[nodiscard]] bool holdsWarnings() const { return !m_held.empty(); }
    // Tells the lines held so far, in the language installed now (which needs an application
    // object), and from now on each line as it comes.
    void tellWarnings();

    // A language code; empty: the system's language. Read before the program's preferences
    // exist, for --help.
    [[nodiscard]] const QString &language() const { return m_language; }

    // The command line's --class, --zoom and --language over the files', for this run only. A
    // bad value is named like a bad value in a file, and the files' value stays.
    void takeCommandLine(const QCommandLineParser &parser);
    // Whether --class named the class folder (the class window then opens on it at start).
    [[nodiscard]] bool classFolderGiven() const { return m_classFolderGiven; }

    // Puts what the files and the command line hold into preferences, as set at the start:
    // none of it is remembered again.
    void load(Preferences &preferences) const;
    // From now on remembers in the user's file each zoom and last folder the pupil sets in
    // preferences, and nothing else. The settings must outlive the preferences.
    void persist(Preferences &preferences);
    [[nodiscard]] bool remembers() const { return m_remembers; }

    // Where the files are, the user's first.
    [[nodiscard]] static QString userFile();
    [[nodiscard]] static QStringList systemFiles();

private:
    // A line about a bad file or value, put into words when it is told: in the language
    // installed then. It holds what it names (a path, a value, the system's reason) as it was.
    using Line = std::function<QString()>;

    // Whether path can be read without waiting: a regular file of a settings file's size. An
    // absent file is fine and read as empty. A file that cannot is named in a warning.
    bool checkReadable(const QString &path);
    // Why the open file fd is no settings file to read; none where it is one.
    [[nodiscard]] static Line whyNotSettings(int fd);
    // Reads one file: its values over those of the files read after it (the user's first).
    void readFile(const QString &path, bool isUsers);
    // Whether QSettings could read the file; one it read only in part is named, and used.
    bool checkFormat(const QSettings &file, const QString &path, bool isUsers);
    // The key's text, or none where it is absent, empty or no single text (named).
    [[nodiscard]] std::optional<QString> textOf(const QSettings &file, const QString &path,
                                                QLatin1String key);
    // Each takes its key's value if it is valid and no file read before gave one; a value that
    // is not is named, and why.
    void takeFolder(const QSettings &file, const QString &path, QLatin1String key, QString &into);
    void takeZoom(const QSettings &file, const QString &path);
    void takeLanguage(const QSettings &file, const QString &path);
    void remember(QLatin1String key, const QString &value);
    // Holds line until tellWarnings(), and tells it after.
    void warn(Line line);
    void tell(const QString &line) const;

    Warn m_warn;
    // What the files and the command line hold for the preferences, as read at the start: load()
    // hands it on, and it is never brought up to date (the preferences are).
    struct Read
    {
        QString classFolder;
        std::optional<int> zoom;
        QString lastFolder;
    } m_read;
    QString m_language;
    bool m_classFolderGiven = false;
    bool m_remembers = true;
    std::vector<Line> m_held; // the lines met before tellWarnings(), in their order
    bool m_holding = true;    // until tellWarnings()
};

} // namespace quindle
