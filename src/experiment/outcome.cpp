// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/outcome.h"

#include "experiment/expected_range.h"

namespace quindle {

namespace {
constexpr double kPercentScale = 100.0;
} // namespace

int outcomeOf(Face coin1, Face coin2)
{
    if (coin1 == Face::Head)
        return coin2 == Face::Head ? 1 : 2;
    return coin2 == Face::Head ? 3 : 4;
}

Face faceOf(int outcome, int coin)
{
    const bool head = coin == 1 ? outcome <= 2 : outcome % 2 == 1;
    return head ? Face::Head : Face::Tail;
}

double ratioOf(long long count, long long trials)
{
    return trials == 0 ? 0.0 : static_cast<double>(count) / static_cast<double>(trials);
}

Int16 percentage(Int16 count, Int16 total)
{
    if (total == 0)
        throw OverflowError();
    return roundToInt16(ratioOf(count, total) * kPercentScale);
}

double gapFromQuarter(long long count, long long trials)
{
    return static_cast<double>(count) - static_cast<double>(trials) * kExpectedRatio;
}

} // namespace quindle
