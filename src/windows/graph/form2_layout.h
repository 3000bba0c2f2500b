#pragma once

#include "windows/layout.h"

#include <span>

namespace quindle {

[[nodiscard]] std::span<const ControlSpec> form2Layout();

inline constexpr WindowSpec kForm2Window{211, 113, 674, 415};
// Picture1's scale: twips per plot unit across and down (its inner area spans 1114 x 120).
inline constexpr double kPlotTwipsPerUnitX = 8.5773;
inline constexpr double kPlotTwipsPerUnitY = 39.625;

[[nodiscard]] QString form2Caption();

} // namespace quindle
