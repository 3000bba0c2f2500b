// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/gap_words.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace quindle {

QString gapWords(double gap)
{
    // Gaps are whole quarters: the shortest form shows them exactly ("12.5", "3.25", "7").
    const QString amount = QLocale().toString(std::abs(gap), 'f', QLocale::FloatingPointShortest);
    if (gap > 0)
        //: An outcome's count is this much more than a quarter of the trials: %1 is the amount
        //: ("12.5"), read by a screen reader after the outcome ("Head Tail: 12.5 above a
        //: quarter").
        return QCoreApplication::translate("quindle::Gap", "%1 above a quarter").arg(amount);
    if (gap < 0)
        //: An outcome's count is this much less than a quarter of the trials ("3.25").
        return QCoreApplication::translate("quindle::Gap", "%1 below a quarter").arg(amount);
    //: An outcome's count is exactly a quarter of the trials.
    return QCoreApplication::translate("quindle::Gap", "exactly a quarter");
}

} // namespace quindle
