// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/expected_range.h"

#include <algorithm>
#include <cmath>

namespace quindle {

namespace {

// The variance of one trial's "this outcome or not": p (1 - p).
constexpr double kTrialVariance = kExpectedRatio * (1.0 - kExpectedRatio);
constexpr double kStandardErrors = 2.0;

} // namespace

double shareRangeHalfWidth(double probability, double trials)
{
    return kStandardErrors * std::sqrt(probability * (1.0 - probability) / trials);
}

double expectedRangeHalfWidth(double trials)
{
    return shareRangeHalfWidth(kExpectedRatio, trials);
}

double gapRangeHalfWidth(double trials)
{
    return kStandardErrors * std::sqrt(kTrialVariance * std::max(trials, 0.0));
}

bool insideExpectedRange(double ratio, long long trials)
{
    return trials > 0 &&
           std::abs(ratio - kExpectedRatio) <= expectedRangeHalfWidth(static_cast<double>(trials));
}

bool insideGapBand(double gap, long long trials)
{
    return trials > 0 && std::abs(gap) <= gapRangeHalfWidth(static_cast<double>(trials));
}

} // namespace quindle
