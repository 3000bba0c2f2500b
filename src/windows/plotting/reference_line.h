// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A horizontal reference line across a plot, such as the expected ratio or a gap of 0: solid,
// or in dashes.

#include "windows/controls/surface_operations.h"

namespace quindle {

struct ReferenceLine
{
    float y = 0, from = 0, to = 0;
    // Dashes `dash` long, one every `period` from `from`, the last cut at `to`; solid when
    // period is 0.
    float dash = 0, period = 0;
    Rgb color{0, 0, 0};
};

void drawReferenceLine(SurfaceOperations &surface, const ReferenceLine &line);

} // namespace quindle
