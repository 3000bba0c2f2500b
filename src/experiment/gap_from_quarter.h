// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// How far each outcome's count strays from a quarter of the trials: count − trials / 4. While
// each ratio settles near a quarter, these gaps do not even out; they wander further, about as
// far as the square root of the trials (the band of gapRangeHalfWidth).

#include "experiment/outcome.h"

#include <array>
#include <span>
#include <vector>

namespace quindle {

// Each outcome's gap, outcome n at element n - 1.
using Gaps = std::array<double, kOutcomes>;

// Each outcome's gap (gapFromQuarter) after every trial of a log, in order: element i is the
// gaps after trial i + 1.
[[nodiscard]] std::vector<Gaps> gapsAlong(std::span<const LoggedTrial> log);

// Scales on which a picture of a run's gaps reads well, a short run filling it as a long one
// does. The trials axis depends on the trials alone: it ends at 1, 2, 3, 4, 5, 6 or 8 times a
// power of ten, at least 10 and at least `trials`, so that a tenth or a fifth of it is a round
// number (a full run's 4000 trials take all of it).
[[nodiscard]] long long gapTrialsAxisEnd(long long trials);

// The gap axis runs from -`end` to +`end` in marks `step` apart, a step of 1, 2 or 5 times a
// power of ten and at most five marks each side, holding the widest gap and the band's
// half-width (gapRangeHalfWidth at the trials axis's end) to the axis's end.
struct GapAxis
{
    long long end = 0;
    long long step = 0;
    bool operator==(const GapAxis &) const = default;
};
[[nodiscard]] GapAxis gapAxisFor(double widestGap, double bandHalfWidth);

} // namespace quindle
