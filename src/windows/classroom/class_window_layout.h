#pragma once

#include "windows/layout/layout.h"

#include <span>

namespace quindle {

[[nodiscard]] std::span<const ControlSpec> classWindowLayout();

// Beside the experiment window, as far as the screen allows.
inline constexpr WindowSpec kClassWindowPlace{705, 177, 760, 600};

namespace class_roles {
enum Kind : int { kClose = 1, kFolder, kRuns, kUnpooled, kFunnel, kCurve };
inline constexpr Role closeButton{kClose, 0};
inline constexpr Role folder{kFolder, 0};
inline constexpr Role runs{kRuns, 0};
inline constexpr Role unpooled{kUnpooled, 0};
inline constexpr Role funnel{kFunnel, 0};
inline constexpr Role curve{kCurve, 0};
} // namespace class_roles

} // namespace quindle
