#include "experiment/gap_from_quarter.h"

#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"

#include <algorithm>
#include <cmath>

namespace quindle {

double gapFromQuarter(long long count, long long trials)
{
    return static_cast<double>(count) - static_cast<double>(trials) * kExpectedRatio;
}

std::vector<Gaps> gapsAlong(std::span<const std::array<Face, 2>> log)
{
    std::vector<Gaps> gaps;
    gaps.reserve(log.size());
    std::array<long long, kOutcomes> counts{};
    long long trials = 0;
    for (const auto &[coin1, coin2] : log) {
        ++counts[static_cast<std::size_t>(outcomeOf(coin1, coin2) - 1)];
        ++trials;
        Gaps after{};
        for (std::size_t n = 0; n < after.size(); ++n)
            after[n] = gapFromQuarter(counts[n], trials);
        gaps.push_back(after);
    }
    return gaps;
}

long long gapTrialsAxisEnd(long long trials)
{
    for (long long power = 10;; power *= 10)
        for (const long long times : {1, 2, 3, 4, 5, 6, 8})
            if (power * times >= trials)
                return power * times;
}

GapAxis gapAxisFor(double widestGap, double bandHalfWidth)
{
    const double reach = std::max(widestGap, bandHalfWidth);
    for (long long power = 1;; power *= 10) {
        for (const long long step : {power, 2 * power, 5 * power}) {
            const auto marks =
                std::max(1LL, static_cast<long long>(std::ceil(reach / static_cast<double>(step))));
            if (marks <= 5)
                return {marks * step, step};
        }
    }
}

} // namespace quindle
