// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/heads_words.h"

#include "windows/support/numbers.h"

#include <QCoreApplication>

namespace quindle {

namespace {

QString beforeAnyTrial(Heads heads)
{
    switch (heads) {
    case Heads::Two:
        //: The graph's legend in the number-of-heads view before the first trial.
        return QCoreApplication::translate("quindle::Heads",
                                           "Two heads: no trials yet, a quarter expected");
    case Heads::One:
        //: As for two heads, before the first trial: exactly one of the two coins a head.
        return QCoreApplication::translate("quindle::Heads",
                                           "One head: no trials yet, a half expected");
    case Heads::None:
        break;
    }
    //: As for two heads, before the first trial: both coins a tail.
    return QCoreApplication::translate("quindle::Heads",
                                       "No heads: no trials yet, a quarter expected");
}

} // namespace

QString headsWords(Heads heads, const HeadsCounts &counts)
{
    const long long trials = counts[0] + counts[1] + counts[2];
    if (trials == 0)
        return beforeAnyTrial(heads);
    const long long count = counts[headsIndex(heads)];
    const int n = countInWords(trials);
    QString text;
    switch (heads) {
    case Heads::Two:
        //: The graph's legend in the number-of-heads view, and the class's summary: %1 the share
        //: of the trials with two heads ("0.252"), %2 how many trials had two heads, %n all
        //: the trials. A quarter is what chance gives.
        text = QCoreApplication::translate(
            "quindle::Heads", "Two heads: %1 (%2 of %n trials), a quarter expected", nullptr, n);
        break;
    case Heads::One:
        //: As for two heads: exactly one of the two coins showed a head. A half is expected.
        text = QCoreApplication::translate(
            "quindle::Heads", "One head: %1 (%2 of %n trials), a half expected", nullptr, n);
        break;
    case Heads::None:
        //: As for two heads: both coins showed a tail.
        text = QCoreApplication::translate(
            "quindle::Heads", "No heads: %1 (%2 of %n trials), a quarter expected", nullptr, n);
        break;
    }
    return text.arg(shownRatio(ratioOf(count, trials)), QString::number(count));
}

QString equallyLikelyWords()
{
    //: Said after the shares of two heads, one head and no heads: %1 is a third, "0.333".
    return QCoreApplication::translate("quindle::Heads",
                                       "If the three were equally likely, each would be %1.")
        .arg(shownRatio(kEquallyLikelyShare));
}

} // namespace quindle
