#include "experiment/gap_from_quarter.h"

#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"

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

} // namespace quindle
