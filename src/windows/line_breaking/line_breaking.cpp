// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/line_breaking/line_breaking.h"

namespace quindle {

namespace {

bool isHangul(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0x1100 && u <= 0x115F);
}

// Whether a line may break before or after the letter: Chinese and Japanese letters, not
// Korean ones.
bool breaksBetweenLetters(QChar letter)
{
    return isWide(letter) && !isHangul(letter);
}

// Whether a line may break between two letters that no blank parts.
bool mayBreakBetween(QChar before, QChar after)
{
    static const QString noLineStart = QStringLiteral("、。，．）」』】〕：；！？ー・)]},.:;!?");
    static const QString noLineEnd = QStringLiteral("（「『【〔([{");
    return (breaksBetweenLetters(before) || breaksBetweenLetters(after)) &&
           !noLineStart.contains(after) && !noLineEnd.contains(before);
}

} // namespace

bool isWide(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
           (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
           (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
           (u >= 0xFFE0 && u <= 0xFFE6);
}

QStringList brokenIntoLines(QStringView text, double room, const LineWidth &width)
{
    QStringList lines{QString()};
    QString blanks; // the blanks before the piece
    QString piece;  // letters no line breaks between
    const auto place = [&] {
        if (piece.isEmpty())
            return;
        QString &line = lines.back();
        const QString longer = line.isEmpty() ? piece : line + blanks + piece;
        if (!line.isEmpty() && width(longer) > room)
            lines.append(piece);
        else
            line = longer;
        piece.clear();
        blanks.clear();
    };
    for (const QChar c : text) {
        if (c == QLatin1Char(' ')) {
            place();
            blanks += c;
        } else {
            if (!piece.isEmpty() && mayBreakBetween(piece.back(), c))
                place();
            piece += c;
        }
    }
    place();
    return lines;
}

} // namespace quindle
