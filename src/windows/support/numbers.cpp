// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/numbers.h"

#include "experiment/experiment_control.h"

#include <QLocale>

#include <algorithm>
#include <limits>

namespace quindle {

QString shownNumber(std::string_view plain)
{
    QString shown = QString::fromLatin1(plain.data(), static_cast<qsizetype>(plain.size()));
    return shown.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString shownRatio(double ratio, int decimals)
{
    return shownNumber(ratioText(ratio, decimals));
}

int countInWords(long long count)
{
    return static_cast<int>(std::min<long long>(count, std::numeric_limits<int>::max()));
}

} // namespace quindle
