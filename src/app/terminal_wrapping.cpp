// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/terminal_wrapping.h"

#include "windows/line_breaking/line_breaking.h"

#include <algorithm>

namespace quindle {

namespace {

// How many columns a terminal gives the text.
double terminalColumns(QStringView text)
{
    return double(std::count_if(text.begin(), text.end(), isWide) + text.size());
}

} // namespace

QString wrappedForTerminal(const QString &text, int columns)
{
    if (std::none_of(text.begin(), text.end(), isWide))
        return text;
    return brokenIntoLines(text, columns, terminalColumns).join(QLatin1Char('\n'));
}

} // namespace quindle
