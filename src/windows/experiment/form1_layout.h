#pragma once

#include "windows/layout.h"

#include <span>

namespace quindle {

// The experiment window's layout: every control's row, and the window's own place and size.
[[nodiscard]] std::span<const ControlSpec> form1Layout();

inline constexpr WindowSpec kForm1Window{263, 177, 434, 374};

[[nodiscard]] QString form1Caption();

} // namespace quindle
