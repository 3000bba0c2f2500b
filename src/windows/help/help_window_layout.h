// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windows/layout/layout.h"
#include "windows/layout/window_place.h"

#include <span>

namespace quindle {

[[nodiscard]] std::span<const ControlSpec> helpWindowLayout();

inline constexpr WindowSpec kHelpWindowPlace{232, 149, 619, 418};

[[nodiscard]] QString helpWindowCaption();

namespace help_roles {
enum Kind : int { kClose = 1, kSurface };
inline constexpr Role closeButton{kClose, 0};
inline constexpr Role surface{kSurface, 0};
} // namespace help_roles

} // namespace quindle
