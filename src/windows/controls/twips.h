// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windows/controls/zoom.h"

namespace quindle {

// Positions and sizes in the layouts are in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;
[[nodiscard]] constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}
// Pixels of a length in twips at a zoom.
[[nodiscard]] constexpr int pixels(int twips, int zoom)
{
    return zoomed(twips, zoom) / kTwipsPerPixel;
}

} // namespace quindle
