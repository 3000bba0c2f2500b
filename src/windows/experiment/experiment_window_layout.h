// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "experiment/experiment_view.h"
#include "windows/layout/layout.h"
#include "windows/layout/window_place.h"

#include <span>

class QPushButton;

namespace quindle {

// The experiment window's layout: every control's row, and the window's own place and size.
[[nodiscard]] std::span<const ControlSpec> experimentWindowLayout();

inline constexpr WindowSpec kExperimentWindowPlace{263, 177, 434, 374};

[[nodiscard]] QString experimentWindowCaption();

// The roles of the experiment window's controls that code drives.
namespace experiment_roles {
enum Kind : int { kButton = 1, kTrialButton, kCell, kTrialTotal, kFace, kCueDevice, kTimer };
[[nodiscard]] constexpr Role button(Button button)
{
    return {kButton, static_cast<int>(button)};
}
// The hidden button whose click runs one trial.
inline constexpr Role trialButton{kTrialButton, 0};
[[nodiscard]] constexpr Role cell(CellKind kind, int outcome)
{
    return {kCell, 10 * static_cast<int>(kind) + outcome};
}
inline constexpr Role trialTotal{kTrialTotal, 0};
[[nodiscard]] constexpr Role face(int coin, Face face)
{
    return {kFace, 2 * coin + static_cast<int>(face)};
}
inline constexpr Role cueDevice{kCueDevice, 0};
[[nodiscard]] constexpr Role timer(Timer timer)
{
    return {kTimer, static_cast<int>(timer)};
}
} // namespace experiment_roles

// One of the six buttons of an experiment window, found through the layout.
[[nodiscard]] QPushButton *findButton(const QWidget *experimentWindow, Button which);

} // namespace quindle
