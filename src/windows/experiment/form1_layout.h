#pragma once

#include "windows/layout.h"

#include <span>

namespace quindle {

// The experiment window as designed: every control's row, and the window's own place and size.
[[nodiscard]] std::span<const ControlSpec> form1Layout();

struct WindowSpec {
    int left, top, width, height; // client area on the screen, pixels
};
inline constexpr WindowSpec kForm1Window{263, 177, 434, 374};

[[nodiscard]] QString form1Caption();

} // namespace quindle
