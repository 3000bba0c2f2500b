// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/streaks/streaks_words.h"

#include "windows/support/numbers.h"
#include "windows/support/outcome_names.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace quindle {

namespace {

// The first character of a translation, or the fallback where it has none.
char32_t firstCharacter(const QString &text, char32_t fallback)
{
    const QList<uint> characters = text.toUcs4();
    return characters.isEmpty() ? fallback : static_cast<char32_t>(characters.first());
}

// A character a pupil typed, as a label can show it: itself, or its code where it is invisible.
QString shownCharacter(char32_t character)
{
    const QString text = QString::fromUcs4(&character, 1);
    if (QChar::isPrint(character) && !QChar::isSpace(character))
        return text;
    return QStringLiteral("U+%1")
        .arg(static_cast<uint>(character), 4, 16, QLatin1Char('0'))
        .toUpper();
}

// The after-a-streak row the summary tells of: after three in a row, or after the longest
// streak short of three that some trial followed.
const AfterStreakRow *summaryRow(const StreakTables &tables)
{
    const AfterStreakRow *chosen = nullptr;
    for (const AfterStreakRow &row : tables.afterOutcome) {
        if (row.k <= 3 && row.counted.cases > 0)
            chosen = &row;
    }
    return chosen;
}

} // namespace

QString countWords(long long count)
{
    return QLocale().toString(count);
}

QString shareWords(long long part, long long cases)
{
    if (cases <= 0)
        return QStringLiteral("–");
    return shownRatio(static_cast<double>(part) / static_cast<double>(cases));
}

QString rangeWords(const Spread &spread)
{
    //: A range of counts chance gives about 95 % of the time, in a table cell: "3 to 7".
    return QCoreApplication::translate("quindle::Streaks", "%1 to %2")
        .arg(countWords(spread.low), countWords(spread.high));
}

QString shareRangeWords(const Spread &spread, long long cases)
{
    if (cases <= 0)
        return QStringLiteral("–");
    //: A range of shares chance gives about 95 % of the time, in a table cell: "0.219 to 0.281".
    return QCoreApplication::translate("quindle::Streaks", "%1 to %2")
        .arg(shareWords(spread.low, cases), shareWords(spread.high, cases));
}

QString afterRowWords(int k, bool coin1)
{
    if (coin1)
        //: A row of the after-a-streak table: what came after k of the same face of Coin1 in a
        //: row ("3 of the same face of Coin1 in a row").
        return QCoreApplication::translate("quindle::Streaks",
                                           "%n of the same face of Coin1 in a row", nullptr, k);
    //: A row of the after-a-streak table: what came after k of the same outcome in a row.
    return QCoreApplication::translate("quindle::Streaks", "%n of the same outcome in a row",
                                       nullptr, k);
}

char32_t headMark()
{
    //: The one letter that stands for Head when a pupil types a coin's faces (H in English).
    //: H and T are understood as well, unless your letters give them another meaning.
    return firstCharacter(QCoreApplication::translate("quindle::Streaks", "H"), U'H');
}

char32_t tailMark()
{
    //: The one letter that stands for Tail when a pupil types a coin's faces (T in English).
    return firstCharacter(QCoreApplication::translate("quindle::Streaks", "T"), U'T');
}

QString typedFacesProblem(const TypedFaces &typed)
{
    const QString head = QString::fromUcs4(std::array{headMark()}.data(), 1);
    const QString tail = QString::fromUcs4(std::array{tailMark()}.data(), 1);
    if (typed.notAFace)
        //: Under the field for an invented sequence: %1 is what the pupil typed that is no
        //: face, %2 where it stands (1 for the first character), %3 and %4 the letters for
        //: Head and Tail.
        return QCoreApplication::translate(
                   "quindle::Streaks",
                   "“%1” (character %2) is not a face: type %3 for Head and %4 for "
                   "Tail. Blanks and commas are left out.")
            .arg(shownCharacter(typed.notAFace->character),
                 countWords(static_cast<long long>(typed.notAFace->at) + 1), head, tail);
    if (typed.faces.size() < kFewestTypedFaces)
        //: Under the field for an invented sequence, while it is too short; %1 is the fewest
        //: faces it needs.
        return QCoreApplication::translate("quindle::Streaks",
                                           "%n faces so far; at least %1 are needed.", nullptr,
                                           static_cast<int>(typed.faces.size()))
            .arg(countWords(kFewestTypedFaces));
    return {};
}

QString cutShortWords()
{
    //: After a typed (or pasted) sequence that fills the field: the rest was not taken.
    return QCoreApplication::translate("quindle::Streaks",
                                       "The field takes %Ln characters at most: the rest of what "
                                       "was pasted was left out.",
                                       nullptr, kMostTypedCharacters);
}

QString sequenceVerdict(const SequenceCheck &check)
{
    const int switches = countInWords(check.switches);
    const QString chances = countWords(check.length - 1);
    QStringList words;
    if (check.switches > check.switchChance.high)
        //: %n switches of the typed sequence (a face different from the one before) in %1
        //: chances; real sequences of its length switch %2 to %3 times 95 % of the time.
        words << QCoreApplication::translate(
                     "quindle::Streaks",
                     "Your sequence switches %n times in %1 chances; real ones switch "
                     "%2 to %3 times. Invented sequences usually switch too often.",
                     nullptr, switches)
                     .arg(chances, countWords(check.switchChance.low),
                          countWords(check.switchChance.high));
    else if (check.switches < check.switchChance.low)
        //: The same when the typed sequence switches less often than real ones do.
        words << QCoreApplication::translate(
                     "quindle::Streaks",
                     "Your sequence switches %n times in %1 chances; real ones switch "
                     "%2 to %3 times. Yours switches less often than real ones do.",
                     nullptr, switches)
                     .arg(chances, countWords(check.switchChance.low),
                          countWords(check.switchChance.high));
    const QString faces = countWords(check.length);
    if (check.longest < check.longestChance.low)
        //: The typed sequence's longest streak is %n in a row; real sequences of %1 faces have
        //: a longest streak of %2 to %3 95 % of the time.
        words << QCoreApplication::translate(
                     "quindle::Streaks",
                     "Your longest streak is %n in a row; real sequences of %1 faces "
                     "have %2 to %3. Invented sequences usually have streaks too short.",
                     nullptr, check.longest)
                     .arg(faces, countWords(check.longestChance.low),
                          countWords(check.longestChance.high));
    else if (check.longest > check.longestChance.high)
        //: The same when the typed sequence's longest streak is longer than real ones'.
        words << QCoreApplication::translate(
                     "quindle::Streaks",
                     "Your longest streak is %n in a row; real sequences of %1 faces "
                     "have %2 to %3. Yours is longer than real ones usually are.",
                     nullptr, check.longest)
                     .arg(faces, countWords(check.longestChance.low),
                          countWords(check.longestChance.high));
    if (words.isEmpty())
        //: Both measures of the typed sequence of %n faces lie inside the ranges of real ones;
        //: %1 is its longest streak, %2 its switches.
        words << QCoreApplication::translate(
                     "quindle::Streaks",
                     "Your longest streak (%1) and your switches (%2) lie where real "
                     "sequences of %n faces usually have theirs: by these two measures "
                     "yours could be real.",
                     nullptr, countInWords(check.length))
                     .arg(countWords(check.longest), countWords(check.switches));
    return words.join(QLatin1Char(' '));
}

QString streaksSummary(const StreakTables &tables, std::optional<long long> runs)
{
    if (tables.trials == 0)
        //: Read streaks, before any trial.
        return QCoreApplication::translate("quindle::Streaks",
                                           "No trials yet: there are no streaks.");
    // The first outcome with the longest streak, against chance's longest of any outcome.
    std::size_t longest = 0;
    for (std::size_t n = 1; n < tables.outcomes.size(); ++n) {
        if (tables.outcomes[n].longest > tables.outcomes[longest].longest)
            longest = n;
    }
    const LongestStreakRow &row = tables.anyOutcome;
    //: Part of Read streaks: "5 times in a row", how long the longest streak was.
    const QString times =
        QCoreApplication::translate("quindle::Streaks", "%n times in a row", nullptr, row.longest);
    QString words;
    if (runs)
        //: Read streaks on a class: %1 the outcome, %2 "5 times in a row", %3 to %4 the range
        //: chance gives the longest streak of an outcome about 95 % of the time in %n runs, each
        //: on its own.
        words = QCoreApplication::translate("quindle::Streaks",
                                            "Longest streak: %1 %2, %3 to %4 expected in %Ln runs.",
                                            nullptr, countInWords(*runs));
    else
        //: Read streaks: %1 the outcome, %2 "5 times in a row", %3 to %4 the range chance gives
        //: the longest streak of an outcome about 95 % of the time in %n trials.
        words = QCoreApplication::translate(
            "quindle::Streaks", "Longest streak: %1 %2, %3 to %4 expected in %Ln trials.", nullptr,
            countInWords(tables.trials));
    words = words.arg(outcomeWords(static_cast<int>(longest) + 1), times,
                      countWords(row.chance.low), countWords(row.chance.high));
    if (const AfterStreakRow *after = summaryRow(tables))
        //: Read streaks, its second sentence: after k of the same outcome in a row, the share
        //: of those trials in which the next trial was the same outcome again.
        words += QLatin1Char(' ') +
                 QCoreApplication::translate("quindle::Streaks",
                                             "After %n of the same outcome in a row, the next "
                                             "trial repeated it %1 of the time, a quarter "
                                             "expected.",
                                             nullptr, after->k)
                     .arg(shareWords(after->counted.repeats, after->counted.cases));
    return words;
}

} // namespace quindle
