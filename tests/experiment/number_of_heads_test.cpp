// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Two, one or no heads: counted from the four outcomes, shared out along a run, and the range
// chance keeps each share in.

#include "experiment/expected_range.h"
#include "experiment/number_of_heads.h"

#include <gtest/gtest.h>

namespace quindle::testing {
namespace {

constexpr Face H = Face::Head, T = Face::Tail;

TEST(NumberOfHeads, OneHeadIsBothMixedOutcomesOverAllTrials)
{
    const std::array<long long, kOutcomes> counts{958, 950, 939, 954};
    EXPECT_EQ(headsCounts(counts), (HeadsCounts{958, 1889, 954}));
    const HeadsShares shares = headsShares(headsCounts(counts));
    EXPECT_DOUBLE_EQ(shares[headsIndex(Heads::One)], 1889.0 / 3801);
    EXPECT_DOUBLE_EQ(shares[headsIndex(Heads::None)], 954.0 / 3801);
    EXPECT_EQ(headsShares({}), (HeadsShares{0, 0, 0})); // no trials yet
    EXPECT_THROW(static_cast<void>(headsOf(5)), SubscriptError);
    EXPECT_THROW(static_cast<void>(headsOf(0)), SubscriptError);
}

TEST(NumberOfHeads, SharesFollowTheRunTrialByTrial)
{
    const auto shares = headsSharesAlong(LoggedTrials{{H, H}, {T, H}, {H, T}, {T, T}});
    ASSERT_EQ(shares.size(), 4U);
    EXPECT_EQ(shares[0], (HeadsShares{1, 0, 0}));
    EXPECT_EQ(shares[1], (HeadsShares{0.5, 0.5, 0}));
    EXPECT_EQ(shares[2], (HeadsShares{1.0 / 3, 2.0 / 3, 0}));
    EXPECT_EQ(shares[3], (HeadsShares{0.25, 0.5, 0.25}));
    EXPECT_TRUE(headsSharesAlong({}).empty());
}

TEST(NumberOfHeads, ChanceGivesAHalfAndTwoQuartersWithinTwoStandardErrors)
{
    EXPECT_EQ(kHeadsProbability[0] + kHeadsProbability[1] + kHeadsProbability[2], 1.0);
    EXPECT_EQ(kHeadsProbability[headsIndex(Heads::One)], 0.5);
    EXPECT_DOUBLE_EQ(shareRangeHalfWidth(0.5, 100), 0.1);   // 2 √(0.25 / 100)
    EXPECT_DOUBLE_EQ(shareRangeHalfWidth(0.25, 300), 0.05); // 2 √(0.1875 / 300)
    EXPECT_DOUBLE_EQ(expectedRangeHalfWidth(300), shareRangeHalfWidth(0.25, 300));
}

} // namespace
} // namespace quindle::testing
