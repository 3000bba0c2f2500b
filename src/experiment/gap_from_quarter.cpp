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

GapScale gapScaleFor(long long trials, double widestGap)
{
    GapScale scale;
    for (long long power = 10; scale.trials == 0; power *= 10)
        for (const long long times : {1, 2, 3, 4, 5, 6, 8})
            if (scale.trials == 0 && power * times >= trials)
                scale.trials = power * times;
    const double reach = std::max(widestGap, gapRangeHalfWidth(static_cast<double>(scale.trials)));
    for (long long power = 1; scale.gap == 0; power *= 10) {
        for (const long long times : {1, 2, 5}) {
            const long long step = power * times;
            const auto marks =
                std::max(1LL, static_cast<long long>(std::ceil(reach / static_cast<double>(step))));
            if (scale.gap == 0 && marks <= 5) {
                scale.step = step;
                scale.gap = marks * step;
            }
        }
    }
    return scale;
}

} // namespace quindle
