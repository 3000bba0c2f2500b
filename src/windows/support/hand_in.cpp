// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/hand_in.h"

#include <QDateTime>
#include <QTextBoundaryFinder>

#include <cerrno>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace quindle {

namespace {

// Room for the date, a " (9999)" and the extension within the 255 bytes a name may have.
constexpr qsizetype kMaxNameBytes = 150;

bool forbidden(char32_t c)
{
    switch (c) {
    case U'\\':
    case U'/':
    case U':':
    case U'*':
    case U'?':
    case U'"':
    case U'<':
    case U'>':
    case U'|':
        return true;
    default:
        break;
    }
    // Controls, and the direction overrides that can make a name read as another.
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// text cut to at most kMaxNameBytes of UTF-8, between two characters as a reader sees them.
QString cutToFit(const QString &text)
{
    if (text.toUtf8().size() <= kMaxNameBytes)
        return text;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    qsizetype fits = 0;
    for (qsizetype at = graphemes.toNextBoundary(); at > 0; at = graphemes.toNextBoundary()) {
        if (QStringView(text).left(at).toUtf8().size() > kMaxNameBytes)
            break;
        fits = at;
    }
    return text.left(fits);
}

} // namespace

QString fileNamePart(const QString &text)
{
    QString cleaned;
    for (const char32_t c : QStringView(text).toUcs4()) {
        const bool blank = forbidden(c) || QChar::isSpace(c);
        if (blank) {
            if (!cleaned.isEmpty() && !cleaned.endsWith(QLatin1Char(' ')))
                cleaned += QLatin1Char(' ');
        } else {
            cleaned += QString::fromUcs4(&c, 1);
        }
    }
    cleaned = cleaned.normalized(QString::NormalizationForm_C);
    const auto trimmed = [&cleaned](QLatin1String leading) {
        qsizetype start = 0, end = cleaned.size();
        while (start < end && leading.contains(cleaned[start]))
            ++start;
        while (end > start &&
               (cleaned[end - 1] == QLatin1Char('.') || cleaned[end - 1] == QLatin1Char(' ')))
            --end;
        cleaned = cleaned.mid(start, end - start);
    };
    trimmed(QLatin1String(". ~"));
    cleaned = cutToFit(cleaned);
    trimmed(QLatin1String(". ~")); // the cut may end on a blank
    return cleaned;
}

QString fullNameOf(const QString &gecos, const QString &login)
{
    const QString full = gecos.section(QLatin1Char(','), 0, 0);
    return fileNamePart(full).isEmpty() ? login : full;
}

QString pupilName()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry = {};
    passwd *found = nullptr;
    while (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE &&
           buffer.size() < 1024 * 1024)
        buffer.resize(buffer.size() * 2);
    if (found == nullptr)
        return qEnvironmentVariable("USER");
    return fullNameOf(QString::fromLocal8Bit(entry.pw_gecos),
                      QString::fromLocal8Bit(entry.pw_name));
}

QString resultsFileName(const QString &pupil, const QDateTime &moment)
{
    const QString when = moment.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"));
    const QString name = fileNamePart(pupil);
    return (name.isEmpty() ? when : name + QLatin1Char(' ') + when) + QStringLiteral(".csv");
}

} // namespace quindle
