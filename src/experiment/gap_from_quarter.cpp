// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

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
