// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/settings.h"

#include "app/option_values.h"
#include "windows/support/preferences.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quindle {

namespace {

// A settings file is a few lines; anything much larger is not one.
constexpr long long kMaxFileBytes = 64 * 1024;

constexpr char kClassFolder[] = "class/folder";
constexpr char kZoom[] = "display/zoom";
constexpr char kLanguage[] = "display/language";
constexpr char kLastFolder[] = "saving/lastFolder";

const QString &relativePath()
{
    static const QString path = QStringLiteral("/Quindle/Quindle.conf");
    return path;
}

// "[display] zoom", as the key stands in the file.
QString shownKey(QLatin1String key)
{
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return QStringLiteral("[%1] %2").arg(key.left(slash), key.mid(slash + 1));
}

// Why path cannot be written, in the system's words: the reason of the file itself, or of the
// first folder above it that is there.
QString whyNotWritable(const QString &path)
{
    QFileInfo at(path);
    bool above = false;
    while (!at.exists() && at.absoluteFilePath() != at.absolutePath()) {
        at = QFileInfo(at.absolutePath());
        above = true;
    }
    const QByteArray name = QFile::encodeName(at.absoluteFilePath());
    if (above && !at.isDir())
        return qt_error_string(ENOTDIR);
    if (::faccessat(AT_FDCWD, name.constData(), above ? W_OK | X_OK : W_OK, AT_EACCESS) != 0)
        return qt_error_string(errno);
    return qt_error_string(EIO);
}

} // namespace

Settings::Settings(Warn warn)
    : m_warn(std::move(warn))
{
    readFile(userFile(), true);
    for (const QString &path : systemFiles())
        readFile(path, false);
}

QString Settings::userFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + relativePath();
}

QStringList Settings::systemFiles()
{
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QStringList files;
    for (const QString &folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        if (folder != user && !files.contains(folder + relativePath()))
            files << folder + relativePath();
    }
    return files;
}

void Settings::warn(Line line)
{
    if (m_holding)
        m_held.push_back(std::move(line));
    else
        tell(line());
}

void Settings::tellWarnings()
{
    m_holding = false;
    for (const Line &line : std::exchange(m_held, {}))
        tell(line());
}

void Settings::tell(const QString &line) const
{
    if (m_warn)
        m_warn(line);
    else
        std::fprintf(stderr, "quindle: %s\n", qPrintable(line));
}

namespace {

// Whether the open file holds a value that QSettings would turn back into any stored Qt value:
// a value, or an item of a list, that starts with "@Variant(" (it trusts the sizes written in
// it, and a made-up one has it ask for gigabytes), or with an escape that could spell one. Every
// place a value or item can start is looked at (after '=', ',' or a line's end, past blanks and
// quotes), so a key that only looks like one counts too: no Quindle setting starts so.
bool holdsStoredValue(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    bool atStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const std::string_view rest = std::string_view(text).substr(i);
        if (atStart && (c == '\\' || rest.starts_with("@Variant(") || rest.starts_with("@\\")))
            return true;
        if (c == '=' || c == ',' || c == '\n')
            atStart = true;
        else if (c != ' ' && c != '\t' && c != '"' && c != '\r')
            atStart = false;
    }
    return false;
}

// Why a settings file cannot be read, with the system's reason (errno's, taken at once).
std::function<QString()> unreadable(int error)
{
    return [reason = qt_error_string(error)] {
        //: Why a settings file is not used: %1 is the system's reason, such as "Permission
        //: denied". Follows the file's path and a colon.
        return QCoreApplication::translate("quindle::Settings", "cannot be read (%1)").arg(reason);
    };
}

} // namespace

Settings::Line Settings::whyNotSettings(int fd)
{
    struct stat status = {};
    if (::fstat(fd, &status) != 0)
        return unreadable(errno);
    if (!S_ISREG(status.st_mode))
        //: Why a settings file is not used: a folder, a pipe or a device is in its place.
        return [] { return tr("is not a regular file"); };
    if (status.st_size > kMaxFileBytes)
        return [bytes = static_cast<long long>(status.st_size)] {
            //: Why a settings file is not used: %1 is its size in bytes, always more than
            //: 65536 (the form follows it).
            return tr("is too large for a settings file (%1 bytes)", nullptr,
                      static_cast<int>(std::min<long long>(bytes, INT_MAX)))
                .arg(bytes);
        };
    if (holdsStoredValue(fd))
        //: Why a settings file is not used; keep '@Variant(' and the backslash
        //: as they are.
        return [] {
            return tr("holds a value starting with '@Variant(' or '\\', which Qt would read as "
                      "stored data and no Quindle setting has");
        };
    return {};
}

bool Settings::checkReadable(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Without waiting: a FIFO or a device in the file's place must not hold the program up.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return true;
    const Line why = fd < 0 ? unreadable(errno) : whyNotSettings(fd);
    if (fd >= 0)
        ::close(fd);
    if (!why)
        return true;
    warn([path, why, isUsers = path == userFile()] {
        if (isUsers) {
            //: A settings file that is not used: %1 is its path, %2 why ("is not a regular
            //: file"). It is the pupil's own file, so no zoom or folder chosen is remembered.
            return tr("%1: %2; its settings are not used and nothing is remembered")
                .arg(path, why());
        }
        //: A school's settings file that is not used: %1 is its path, %2 why ("is not a
        //: regular file").
        return tr("%1: %2; its settings are not used").arg(path, why());
    });
    return false;
}

void Settings::readFile(const QString &path, bool isUsers)
{
    if (!checkReadable(path)) {
        m_remembers = m_remembers && !isUsers;
        return;
    }
    const QSettings file(path, QSettings::NativeFormat);
    if (!checkFormat(file, path, isUsers))
        return;
    takeFolder(file, path, QLatin1String(kClassFolder), m_read.classFolder);
    takeFolder(file, path, QLatin1String(kLastFolder), m_read.lastFolder);
    takeZoom(file, path);
    takeLanguage(file, path);
}

bool Settings::checkFormat(const QSettings &file, const QString &path, bool isUsers)
{
    if (file.status() == QSettings::AccessError) {
        warn([path, isUsers] {
            if (isUsers) {
                //: %1 is the path of the pupil's own settings file, which Qt could not read.
                return tr("%1: cannot be read; its settings are not used and nothing is "
                          "remembered")
                    .arg(path);
            }
            //: %1 is the path of a school's settings file, which Qt could not read.
            return tr("%1: cannot be read; its settings are not used").arg(path);
        });
        m_remembers = m_remembers && !isUsers;
        return false;
    }
    if (file.status() == QSettings::FormatError) {
        // Writing it back would lose what could not be read.
        warn([path, isUsers] {
            if (isUsers) {
                //: %1 is the path of the pupil's own settings file, of which only some lines
                //: are settings ("key=value" under "[section]"): those are used, but nothing
                //: chosen is written back into it.
                return tr("%1: not all of it is in the settings format; the rest is used, and "
                          "nothing is remembered")
                    .arg(path);
            }
            //: %1 is the path of a school's settings file, of which only some lines are
            //: settings ("key=value" under "[section]"): those are used.
            return tr("%1: not all of it is in the settings format; the rest is used").arg(path);
        });
        m_remembers = m_remembers && !isUsers;
    }
    return true;
}

std::optional<QString> Settings::textOf(const QSettings &file, const QString &path,
                                        QLatin1String key)
{
    if (!file.contains(key))
        return std::nullopt;
    const QVariant value = file.value(key);
    if (value.typeId() == QMetaType::QString) {
        if (value.toString().isEmpty())
            return std::nullopt;
        return value.toString();
    }
    warn([path, key = shownKey(key), isList = value.typeId() == QMetaType::QStringList] {
        if (isList) {
            //: %1 is a settings file's path, %2 the key as the file has it ("[display] zoom"),
            //: whose value holds a comma, which makes it a list of values.
            return tr("%1: %2: holds a list (a comma outside double quotes); ignored")
                .arg(path, key);
        }
        //: %1 is a settings file's path, %2 the key as the file has it ("[display] zoom"),
        //: whose value is stored data ("@Rect(0 0 1 1)") rather than a text.
        return tr("%1: %2: is not a text; ignored").arg(path, key);
    });
    return std::nullopt;
}

// A value from an earlier file stays; a later file's is checked all the same.
void Settings::takeFolder(const QSettings &file, const QString &path, QLatin1String key,
                          QString &into)
{
    if (const auto value = textOf(file, path, key)) {
        if (!QDir::isAbsolutePath(*value))
            warn([path, key = shownKey(key), value = *value] {
                //: %1 is a settings file's path, %2 the key ("[class] folder"), %3 its value,
                //: which does not start at the root ("/").
                return tr("%1: %2: '%3' is not an absolute path; ignored").arg(path, key, value);
            });
        else if (into.isEmpty())
            into = *value;
    }
}

void Settings::takeZoom(const QSettings &file, const QString &path)
{
    if (const auto value = textOf(file, path, QLatin1String(kZoom))) {
        if (const auto zoom = zoomValue(*value); !zoom)
            warn([path, value = *value] {
                //: %1 is a settings file's path, %2 the key ("[display] zoom"), %3 its value,
                //: %4 the zoom steps there are ("100, 125, 150, 175, 200, 250, 300").
                return tr("%1: %2: '%3' is not one of %4; ignored")
                    .arg(path, shownKey(QLatin1String(kZoom)), value, zoomStepsText());
            });
        else if (!m_read.zoom)
            m_read.zoom = zoom;
    }
}

void Settings::takeLanguage(const QSettings &file, const QString &path)
{
    if (const auto value = textOf(file, path, QLatin1String(kLanguage))) {
        if (const auto code = languageValue(*value); !code)
            warn([path, value = *value] {
                //: %1 is a settings file's path, %2 the key ("[display] language"), %3 its
                //: value, %4 the language codes there are ("en, de, es, ...").
                return tr("%1: %2: no translation for '%3' (there are %4); ignored")
                    .arg(path, shownKey(QLatin1String(kLanguage)), value, languagesText());
            });
        else if (m_language.isEmpty())
            m_language = *code;
    }
}

void Settings::takeCommandLine(const QCommandLineParser &parser)
{
    if (parser.isSet(QStringLiteral("language"))) {
        const QString code = parser.value(QStringLiteral("language"));
        if (const auto language = languageValue(code))
            m_language = *language;
        else
            warn([code] {
                //: %1 is the value given to the command line's --language, %2 the language
                //: codes there are ("en, de, es, ..."); keep --language as it is.
                return tr("--language: no translation for '%1' (there are %2); ignored")
                    .arg(code, languagesText());
            });
    }
    if (parser.isSet(QStringLiteral("zoom"))) {
        const QString text = parser.value(QStringLiteral("zoom"));
        if (const auto zoom = zoomValue(text))
            m_read.zoom = zoom;
        else
            warn([text] {
                //: %1 is the value given to the command line's --zoom, %2 the zoom steps there
                //: are ("100, 125, 150, 175, 200, 250, 300"); keep --zoom as it is.
                return tr("--zoom: '%1' is not one of %2; ignored").arg(text, zoomStepsText());
            });
    }
    if (parser.isSet(QStringLiteral("class"))) {
        const QString folder = parser.value(QStringLiteral("class"));
        if (QFileInfo(folder).isDir()) {
            m_read.classFolder = folder;
            m_classFolderGiven = true;
        } else {
            warn([folder] {
                //: %1 is the value given to the command line's --class, which names no folder;
                //: keep --class as it is.
                return tr("--class: '%1' is not a folder; the class window stays closed")
                    .arg(folder);
            });
        }
    }
}

void Settings::load(Preferences &preferences) const
{
    if (m_read.zoom)
        preferences.setZoom(*m_read.zoom, SetBy::Start);
    preferences.setClassFolder(m_read.classFolder);
    preferences.setLastFolder(m_read.lastFolder, SetBy::Start);
}

void Settings::persist(Preferences &preferences)
{
    // Only what the pupil changes: a value of the start (a --zoom for one run, a school's) is
    // not the pupil's to keep, whenever it was set.
    QObject::connect(&preferences, &Preferences::zoomChanged, &preferences,
                     [this](int zoom, SetBy by) {
                         if (by == SetBy::Pupil)
                             remember(QLatin1String(kZoom), QString::number(zoom));
                     });
    QObject::connect(&preferences, &Preferences::lastFolderChanged, &preferences,
                     [this](const QString &folder, SetBy by) {
                         if (by == SetBy::Pupil)
                             remember(QLatin1String(kLastFolder), folder);
                     });
}

void Settings::remember(QLatin1String key, const QString &value)
{
    if (!m_remembers)
        return;
    const QString path = userFile();
    if (!checkReadable(path)) {
        m_remembers = false;
        return;
    }
    QSettings file(path, QSettings::NativeFormat);
    if (file.status() != QSettings::NoError) {
        warn([path] {
            //: %1 is the path of the pupil's own settings file, which could not be read whole
            //: when the program came to remember a zoom or a folder in it.
            return tr("%1: cannot be read whole; nothing is remembered").arg(path);
        });
        m_remembers = false;
        return;
    }
    if (file.value(key).typeId() == QMetaType::QString && file.value(key).toString() == value)
        return;
    file.setValue(key, value);
    file.sync();
    if (file.status() != QSettings::NoError) {
        warn([path, reason = whyNotWritable(path)] {
            //: %1 is the path of the pupil's own settings file, %2 the system's reason, such as
            //: "Permission denied".
            return tr("%1: cannot be written (%2); nothing more is remembered").arg(path, reason);
        });
        m_remembers = false;
    }
}

} // namespace quindle
