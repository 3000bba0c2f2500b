#include "experiment/expected_range.h"

#include <cmath>

namespace quindle {

namespace {

// The variance of one trial's "this outcome or not": p (1 - p).
constexpr double kTrialVariance = kExpectedRatio * (1.0 - kExpectedRatio);
constexpr double kStandardErrors = 2.0;

} // namespace

double expectedRangeHalfWidth(double trials)
{
    return kStandardErrors * std::sqrt(kTrialVariance / trials);
}

bool insideExpectedRange(double ratio, long long trials)
{
    return trials > 0 &&
           std::abs(ratio - kExpectedRatio) <= expectedRangeHalfWidth(static_cast<double>(trials));
}

} // namespace quindle
