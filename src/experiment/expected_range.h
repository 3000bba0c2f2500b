// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What chance leads a pupil to expect of an outcome's share: the four outcomes are equally
// likely, so each one's share of the trials settles near a quarter, and within two standard
// errors of it about 95 % of the time. The graph, the class's pool and its pictures all measure
// against this.

#include "experiment/outcome.h"

namespace quindle {

// Each outcome's probability: one of four equally likely outcomes.
inline constexpr double kExpectedRatio = 1.0 / kOutcomes;

// Half the width of the range around `probability` in which a share over this many trials lies
// about 95 % of the time: two standard errors, 2 × √(p (1 − p) / trials).
[[nodiscard]] double shareRangeHalfWidth(double probability, double trials);

// Half the width of the range around kExpectedRatio in which a share over this many trials
// lies about 95 % of the time: two standard errors, 2 × √(p (1 − p) / trials).
[[nodiscard]] double expectedRangeHalfWidth(double trials);

// Half the width of the band around 0 in which an outcome's count less a quarter of the trials
// lies about 95 % of the time: two standard deviations of the count, 2 × √(trials p (1 − p)),
// which is 2 × √(3 trials / 16). It is the range above counted in trials, so it widens as the
// trials grow while the ratio's range narrows; 0 for no trials.
[[nodiscard]] double gapRangeHalfWidth(double trials);

// Whether a ratio over this many trials lies inside that range, its edges included; false for
// no trials.
[[nodiscard]] bool insideExpectedRange(double ratio, long long trials);
// Whether a gap from a quarter after this many trials lies inside that band, its edges
// included; false for no trials, as for the ratio.
[[nodiscard]] bool insideGapBand(double gap, long long trials);

// About how many trials it takes for an outcome to come up `count` times: count / p.
[[nodiscard]] constexpr long long expectedTrialsFor(int count)
{
    return static_cast<long long>(count) * kOutcomes;
}

} // namespace quindle
