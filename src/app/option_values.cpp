// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/option_values.h"

#include "windows/controls/zoom.h"
#include "windows/support/translation.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace quindle {

std::optional<int> zoomValue(const QString &text)
{
    QString digits = text.trimmed();
    if (digits.endsWith(QLatin1Char('%')))
        digits.chop(1);
    bool ok = false;
    const int zoom = digits.toInt(&ok);
    if (ok && std::find(std::begin(kZoomSteps), std::end(kZoomSteps), zoom) != std::end(kZoomSteps))
        return zoom;
    return std::nullopt;
}

QString zoomStepsText()
{
    QStringList steps;
    for (int zoom : kZoomSteps)
        steps << QString::number(zoom);
    return steps.join(QLatin1String(", "));
}

std::optional<QString> languageValue(const QString &code)
{
    if (code.isEmpty())
        return std::nullopt;
    // As LANG names it ("de_AT", "ja_JP.UTF-8") or as a web page does ("pt-BR"): a region
    // takes its language's texts, and its own numbers and dates.
    const QLocale locale(code); // C for a code it cannot read
    if (locale.language() == QLocale::English ||
        (locale.language() != QLocale::C && isTranslatedInto(locale)))
        return code;
    return std::nullopt;
}

QString languagesText()
{
    return (QStringList(QStringLiteral("en")) + translatedLanguages()).join(QLatin1String(", "));
}

} // namespace quindle
