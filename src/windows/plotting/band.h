// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A band across a plot, such as the range chance keeps a ratio or a gap in: at each column one
// unit apart along the horizontal scale, a line from the band's upper edge to its lower, its
// half-width either side of a centre on the vertical scale. Drawn before the curves, it lies
// under them.

#include "windows/controls/surface_operations.h"

namespace quindle {

// `along` is the horizontal scale (its start and end, left to right), `across` the vertical
// one (anything with at(value)); halfWidthAt(x) is the band's half-width at column x, from
// along.start + 1 to along.end.
template<class Along, class Across, class HalfWidthAt>
void drawBand(SurfaceOperations &surface, const Along &along, const Across &across, double centre,
              HalfWidthAt halfWidthAt, Rgb color)
{
    for (float x = along.start + 1; x <= along.end; x += 1) {
        const double half = halfWidthAt(x);
        surface.line(x, across.at(centre + half), x, across.at(centre - half), color);
    }
}

} // namespace quindle
