// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A plot's axes: each a line with marks across it and numbers beside the marks, and perhaps a
// title. An axis knows only where its marks are; the scale it follows places them (ticksEvery,
// powersOfTen), and the picture chooses which of them carry a mark or a number.

#include "windows/controls/surface_operations.h"
#include "windows/plotting/scale.h"

#include <QString>

#include <limits>
#include <string>
#include <vector>

namespace quindle {

// One place on an axis, along it: a mark across the axis, a number beside it, or both.
struct Tick
{
    float at = 0;
    bool marked = true;
    QString number{}; // none when empty
};

// How an axis's marks and numbers sit, in user units from the axis line (across it) and from
// each mark (along it); negative is left or up.
struct TickLook
{
    float markFrom = 0, markTo = 0; // a mark's ends across the axis
    // The number's point: across, its top on a horizontal axis, on a vertical one the place
    // `align` measures from; along, that place on a horizontal axis, the top on a vertical one.
    float numberAcross = 0, numberAlong = 0;
    // The share of a number's width left of its point: 0 starts it there, 1 ends it there.
    float align = 0;
    // A number is as wide as its characters at this width each.
    float characterWidth = 0;
    // Whatever the marks, a number starts at `leftmost` or right of it and ends at `rightmost`
    // or left of it.
    float leftmost = -std::numeric_limits<float>::infinity();
    float rightmost = std::numeric_limits<float>::infinity();
};

struct Axis
{
    // The axis line's place across (y of a horizontal axis, x of a vertical one) and its ends.
    float at = 0, from = 0, to = 0;
    std::vector<Tick> ticks{};
    TickLook look;
    std::string title{}; // printed with its top-left corner at (titleX, titleY), when there is one
    float titleX = 0, titleY = 0;
};

// Both axes' lines (the vertical first), the vertical axis's marks and numbers, the horizontal
// axis's, then their titles, in black.
void drawAxes(SurfaceOperations &surface, const Axis &vertical, const Axis &horizontal);

// Whether a number on an axis shows its sign above 0 ("+20"), as a gap from a quarter does.
enum class Sign { BelowZeroOnly, Always };

// A whole number on an axis as the language writes it, not grouped ("3600", "-20").
[[nodiscard]] QString axisNumber(long long value, Sign sign = Sign::BelowZeroOnly);

// A tick at each of first, first + step, ... up to last on a scale, each marked and numbered.
[[nodiscard]] std::vector<Tick> ticksEvery(const LinearScale &scale, long long first,
                                           long long last, long long step, Sign sign);

// A tick at each power of ten from 1 to the scale's last, marked and numbered "1", "10",
// "100", "1000", then "10^4", "10^5", ...
[[nodiscard]] std::vector<Tick> powersOfTen(const LogScale &scale);

} // namespace quindle
