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

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

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

void Settings::warn(const QString &line) const
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

} // namespace

bool Settings::checkReadable(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Without waiting: a FIFO or a device in the file's place must not hold the program up.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return true;
    QString why;
    if (fd < 0) {
        why = QStringLiteral("cannot be read (%1)").arg(qt_error_string(errno));
    } else {
        struct stat status = {};
        if (::fstat(fd, &status) != 0)
            why = QStringLiteral("cannot be read (%1)").arg(qt_error_string(errno));
        else if (!S_ISREG(status.st_mode))
            why = QStringLiteral("is not a regular file");
        else if (status.st_size > kMaxFileBytes)
            why = QStringLiteral("is too large for a settings file (%1 bytes)")
                      .arg(static_cast<long long>(status.st_size));
        else if (holdsStoredValue(fd))
            why = QStringLiteral("holds a value starting with '@Variant(' or '\\', which Qt "
                                 "would read as stored data and no Quindle setting has");
        ::close(fd);
    }
    if (why.isEmpty())
        return true;
    const bool isUsers = path == userFile();
    warn(QStringLiteral("%1: %2; its settings are not used%3")
             .arg(path, why, isUsers ? QStringLiteral(" and nothing is remembered") : QString()));
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
        warn(QStringLiteral("%1: cannot be read; its settings are not used%2")
                 .arg(path, isUsers ? QStringLiteral(" and nothing is remembered") : QString()));
        m_remembers = m_remembers && !isUsers;
        return false;
    }
    if (file.status() == QSettings::FormatError) {
        // Writing it back would lose what could not be read.
        warn(QStringLiteral("%1: not all of it is in the settings format; the rest is used%2")
                 .arg(path, isUsers ? QStringLiteral(", and nothing is remembered") : QString()));
        m_remembers = m_remembers && !isUsers;
    }
    return true;
}

std::optional<QString> Settings::textOf(const QSettings &file, const QString &path,
                                        QLatin1String key) const
{
    if (!file.contains(key))
        return std::nullopt;
    const QVariant value = file.value(key);
    if (value.typeId() == QMetaType::QString) {
        if (value.toString().isEmpty())
            return std::nullopt;
        return value.toString();
    }
    warn(QStringLiteral("%1: %2: %3; ignored")
             .arg(path, shownKey(key),
                  value.typeId() == QMetaType::QStringList
                      ? QStringLiteral("holds a list (a comma outside double quotes)")
                      : QStringLiteral("is not a text")));
    return std::nullopt;
}

void Settings::ignore(const QString &path, QLatin1String key, const QString &why) const
{
    warn(QStringLiteral("%1: %2: %3; ignored").arg(path, shownKey(key), why));
}

// A value from an earlier file stays; a later file's is checked all the same.
void Settings::takeFolder(const QSettings &file, const QString &path, QLatin1String key,
                          QString &into) const
{
    if (const auto value = textOf(file, path, key)) {
        if (!QDir::isAbsolutePath(*value))
            ignore(path, key, QStringLiteral("'%1' is not an absolute path").arg(*value));
        else if (into.isEmpty())
            into = *value;
    }
}

void Settings::takeZoom(const QSettings &file, const QString &path)
{
    if (const auto value = textOf(file, path, QLatin1String(kZoom))) {
        if (const auto zoom = zoomValue(*value); !zoom)
            ignore(path, QLatin1String(kZoom),
                   QStringLiteral("'%1' is not one of %2").arg(*value, zoomStepsText()));
        else if (!m_read.zoom)
            m_read.zoom = zoom;
    }
}

void Settings::takeLanguage(const QSettings &file, const QString &path)
{
    if (const auto value = textOf(file, path, QLatin1String(kLanguage))) {
        if (const auto code = languageValue(*value); !code)
            ignore(path, QLatin1String(kLanguage),
                   QStringLiteral("no translation for '%1' (there are %2)")
                       .arg(*value, languagesText()));
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
            warn(QStringLiteral("--language: no translation for '%1' (there are %2); ignored")
                     .arg(code, languagesText()));
    }
    if (parser.isSet(QStringLiteral("zoom"))) {
        const QString text = parser.value(QStringLiteral("zoom"));
        if (const auto zoom = zoomValue(text))
            m_read.zoom = zoom;
        else
            warn(QStringLiteral("--zoom: '%1' is not one of %2; ignored")
                     .arg(text, zoomStepsText()));
    }
    if (parser.isSet(QStringLiteral("class"))) {
        const QString folder = parser.value(QStringLiteral("class"));
        if (QFileInfo(folder).isDir()) {
            m_read.classFolder = folder;
            m_classFolderGiven = true;
        } else {
            warn(QStringLiteral("--class: '%1' is not a folder; the class window stays closed")
                     .arg(folder));
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
        warn(QStringLiteral("%1: cannot be read whole; nothing is remembered").arg(path));
        m_remembers = false;
        return;
    }
    if (file.value(key).typeId() == QMetaType::QString && file.value(key).toString() == value)
        return;
    file.setValue(key, value);
    file.sync();
    if (file.status() != QSettings::NoError) {
        warn(QStringLiteral("%1: cannot be written (%2); nothing more is remembered")
                 .arg(path, whyNotWritable(path)));
        m_remembers = false;
    }
}

} // namespace quindle
