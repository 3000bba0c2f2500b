// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/number_of_heads.h"

namespace quindle {

Heads headsOf(int outcome)
{
    static_cast<void>(outcomeIndex(outcome)); // refuses a number that names no outcome
    const int heads = (faceOf(outcome, 1) == Face::Head) + (faceOf(outcome, 2) == Face::Head);
    return static_cast<Heads>(2 - heads);
}

HeadsCounts headsCounts(std::span<const long long, kOutcomes> counts)
{
    HeadsCounts heads{};
    for (int n = 1; n <= kOutcomes; ++n)
        heads[headsIndex(headsOf(n))] += counts[outcomeIndex(n)];
    return heads;
}

HeadsShares headsShares(const HeadsCounts &counts)
{
    const long long trials = counts[0] + counts[1] + counts[2];
    HeadsShares shares{};
    for (std::size_t i = 0; i < shares.size(); ++i)
        shares[i] = ratioOf(counts[i], trials);
    return shares;
}

std::vector<HeadsShares> headsSharesAlong(std::span<const LoggedTrial> log)
{
    std::vector<HeadsShares> shares;
    shares.reserve(log.size());
    Tally tally;
    countAlong(log, tally, [&shares](LoggedTrial, const Tally &counted) {
        shares.push_back(headsShares(headsCounts(counted.counts)));
    });
    return shares;
}

} // namespace quindle
