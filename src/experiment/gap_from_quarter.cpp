#include "experiment/gap_from_quarter.h"

#include "experiment/expected_range.h"

#include <algorithm>
#include <cmath>

namespace quindle {

std::vector<Gaps> gapsAlong(std::span<const LoggedTrial> log)
{
    std::vector<Gaps> gaps;
    gaps.reserve(log.size());
    Tally tally;
    countAlong(log, tally, [&gaps](LoggedTrial, const Tally &counted) {
        Gaps after{};
        for (int n = 1; n <= kOutcomes; ++n)
            after[outcomeIndex(n)] = gapFromQuarter(counted.count(n), counted.trials);
        gaps.push_back(after);
    });
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
