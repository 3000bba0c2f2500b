// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "experiment/number_of_heads.h"
#include "windows/layout/layout.h"
#include "windows/layout/window_place.h"

#include <span>

namespace quindle {

[[nodiscard]] std::span<const ControlSpec> graphWindowLayout();

inline constexpr WindowSpec kGraphWindowPlace{211, 113, 674, 415};
// The plot's scale: twips per plot unit across and down, so that the surface's inner area
// spans 1114 x 120 units. The plot's coordinates (axes at x = 100 and y = 110, one unit per
// occurrence, one unit per percent) are laid out for exactly this scale.
inline constexpr double kPlotTwipsPerUnitX = 8.5773;
inline constexpr double kPlotTwipsPerUnitY = 39.625;

[[nodiscard]] QString graphWindowCaption();

namespace graph_roles {
enum Kind : int { kClose = 1, kSurface, kLegendLabel, kLegendLine, kHeadsLabel, kHeadsLine };
inline constexpr Role closeButton{kClose, 0};
inline constexpr Role surface{kSurface, 0};
[[nodiscard]] constexpr Role legendLabel(int outcome)
{
    return {kLegendLabel, outcome};
}
[[nodiscard]] constexpr Role legendLine(int outcome)
{
    return {kLegendLine, outcome};
}
// The number-of-heads view's legend, in place of the outcomes': a row for each number of heads.
[[nodiscard]] constexpr Role headsLabel(Heads heads)
{
    return {kHeadsLabel, static_cast<int>(heads)};
}
[[nodiscard]] constexpr Role headsLine(Heads heads)
{
    return {kHeadsLine, static_cast<int>(heads)};
}
} // namespace graph_roles

} // namespace quindle
