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
        //: An outcome's count is this much more than a quarter of all trials: %1 is the amount
        //: ("12.5"). Read by a screen reader after the outcome ("Head Tail: its count 12.5
        //: above a quarter of the trials") and after its ratio in the class summary ("Head
        //: Head 0.2482, its count 312.5 above a quarter of the trials."): say that it is the
        //: count that differs, and from a quarter of the trials, not the ratio from 1/4.
        return QCoreApplication::translate("quindle::Gap",
                                           "its count %1 above a quarter of the trials")
            .arg(amount);
    if (gap < 0)
        //: An outcome's count is this much less than a quarter of all trials ("3.25"); read
        //: as the text above is.
        return QCoreApplication::translate("quindle::Gap",
                                           "its count %1 below a quarter of the trials")
            .arg(amount);
    //: An outcome's count is exactly a quarter of all trials; read as the texts above are.
    return QCoreApplication::translate("quindle::Gap", "its count exactly a quarter of the trials");
}

} // namespace quindle
