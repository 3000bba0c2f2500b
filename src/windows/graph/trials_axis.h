// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What the graph's views against the number of trials share, in the plot's units: the trials
// from the vertical axis at x = 100 to the horizontal axis's end at x = 1100, on the horizontal
// axis at y = 110, and the axis with its marks, numbers and title.

#include "windows/plotting/axis.h"
#include "windows/plotting/scale.h"

#include <string>

namespace quindle {

inline constexpr float kTrialsFrom = 100, kTrialsTo = 1100, kTrialsAxisY = 110;
// About the width of one character of the plot's font in plot units across: a number is placed
// by its length, centred under its mark or ending left of the vertical axis.
inline constexpr float kCharacterWidth = 11;

// The vertical axis's marks across it and its numbers ending left of them, a little above.
inline constexpr TickLook kVerticalAxisLook{.markFrom = -5,
                                            .markTo = 5,
                                            .numberAcross = -8,
                                            .numberAlong = -2,
                                            .align = 1,
                                            .characterWidth = kCharacterWidth};

// From 0 trials at the vertical axis to `end` at the axis's end.
[[nodiscard]] inline LinearScale trialsScale(long long end)
{
    return {static_cast<double>(end), kTrialsFrom, kTrialsTo};
}

// A mark every tenth of the trials, numbered between the axis's ends, as in the plot; the
// title "(Horizontal axis : Number of trials)" just above its left end.
[[nodiscard]] Axis trialsAxis(const LinearScale &trials, long long end);

// A text of the plot in the pupil's language, as the surface prints it.
[[nodiscard]] std::string translated(const char *text);

} // namespace quindle
