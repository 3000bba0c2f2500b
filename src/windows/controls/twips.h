#pragma once

namespace quindle {

// Positions and sizes in the layouts are in twips: 1440 to the inch, 15 to a pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;
[[nodiscard]] constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// The windows can be zoomed together, in percent; at 100 every window is as designed.
inline constexpr int kZoomSteps[] = {100, 125, 150, 175, 200, 250, 300};
// Pixels of a length in twips at a zoom.
[[nodiscard]] constexpr int pixels(int twips, int zoom)
{
    return twips * zoom / (kTwipsPerPixel * 100);
}
// A line or border one pixel wide at 100 %, as wide as the zoom makes it in whole pixels.
[[nodiscard]] constexpr int lineWidth(int widthAt100, int zoom)
{
    return widthAt100 * zoom / 100 > 0 ? widthAt100 * zoom / 100 : 1;
}

} // namespace quindle
