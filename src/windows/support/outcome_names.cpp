// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/outcome_names.h"

#include "experiment/outcome.h"

#include <QCoreApplication>

namespace quindle {

QString shownFaceWord(int outcome, int coin)
{
    if (faceOf(outcome, coin) == Face::Head)
        //: A coin's face, as the class table's headers and a screen reader name an outcome
        //: ("Head Tail"); starts a sentence too.
        return QCoreApplication::translate("quindle::Outcome", "Head");
    //: A coin's other face.
    return QCoreApplication::translate("quindle::Outcome", "Tail");
}

QString outcomeWords(int outcome)
{
    //: An outcome as it is said and printed: %1 is coin 1's face, %2 coin 2's ("Head Tail").
    return QCoreApplication::translate("quindle::Outcome", "%1 %2")
        .arg(shownFaceWord(outcome, 1), shownFaceWord(outcome, 2));
}

} // namespace quindle
