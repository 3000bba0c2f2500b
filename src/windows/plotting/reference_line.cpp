// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/plotting/reference_line.h"

#include <algorithm>

namespace quindle {

void drawReferenceLine(SurfaceOperations &surface, const ReferenceLine &line)
{
    if (line.period <= 0) {
        surface.line(line.from, line.y, line.to, line.y, line.color);
        return;
    }
    for (float x = line.from; x < line.to; x += line.period)
        surface.line(x, line.y, std::min(x + line.dash, line.to), line.y, line.color);
}

} // namespace quindle
