#include "windows/support/numbers.h"

#include "experiment/experiment_control.h"

#include <QLocale>

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

} // namespace quindle
