// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windows/layout/layout.h"
#include "windows/layout/window_place.h"

#include <span>

namespace quindle {

[[nodiscard]] std::span<const ControlSpec> classWindowLayout();

// The window's least size at 100 %, and its place when it opens beside no other window (beside
// the experiment window's design place).
inline constexpr WindowSpec kClassWindowPlace{705, 177, 760, 600};

namespace class_roles {
enum Kind : int { kClose = 1, kFolder, kFolderState, kRuns, kUnpooled, kFunnel, kCurve };
inline constexpr Role closeButton{kClose, 0};
inline constexpr Role folder{kFolder, 0};
inline constexpr Role folderState{kFolderState, 0};
inline constexpr Role runs{kRuns, 0};
inline constexpr Role unpooled{kUnpooled, 0};
inline constexpr Role funnel{kFunnel, 0};
inline constexpr Role curve{kCurve, 0};
} // namespace class_roles

} // namespace quindle
