// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/plotting/labels.h"

#include "windows/line_breaking/line_breaking.h"

namespace quindle {

void printAt(SurfaceOperations &surface, float x, float y, const std::string &text)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.print(text);
}

std::vector<std::string> linesWithin(const std::string &text, float room, const TextWidth &measure)
{
    if (!measure)
        return {text};
    const auto width = [&measure](QStringView line) {
        return double(measure(line.toString().toStdString()));
    };
    std::vector<std::string> lines;
    for (const QString &line : brokenIntoLines(QString::fromStdString(text), double(room), width))
        lines.push_back(line.toStdString());
    return lines;
}

void printLines(SurfaceOperations &surface, float x, float top, float lineHeight,
                const std::vector<std::string> &lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        printAt(surface, x, top + lineHeight * static_cast<float>(i), lines[i]);
}

} // namespace quindle
