// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The windows can be zoomed together, in percent of their design size. Every length a zoom
// changes (a control's place and size, a line, a border, a window) goes through zoomed(), in
// whole pixels with the fraction dropped, so that controls and lines meet at every zoom as
// they do at 100 %.

#include <QFont>

#include <algorithm>

namespace quindle {

// At this zoom every window is exactly as designed.
inline constexpr int kDesignZoom = 100;
// The zoom steps a window offers, smallest first.
inline constexpr int kZoomSteps[] = {kDesignZoom, 125, 150, 175, 200, 250, 300};

// A length in pixels at 100 %, at a zoom.
[[nodiscard]] constexpr int zoomed(int length, int zoom)
{
    return length * zoom / kDesignZoom;
}
// A scale (pixels to a unit) at a zoom.
[[nodiscard]] constexpr double zoomedScale(double scale, int zoom)
{
    return scale * zoom / kDesignZoom;
}
// A line or border as wide as the zoom makes it, never thinner than a pixel.
[[nodiscard]] constexpr int lineWidth(int widthAt100, int zoom)
{
    return std::max(1, zoomed(widthAt100, zoom));
}
// A font at a zoom: a pixel size in whole pixels, a point size as it comes.
[[nodiscard]] QFont zoomedFont(QFont font, int zoom);

} // namespace quindle
