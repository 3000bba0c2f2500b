// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The streak tables of a run and of a class: streaks kept within their runs, and chance worked
// out for each run's own trials.

#include "experiment/streak_tables.h"

#include <gtest/gtest.h>

namespace quindle::testing {
namespace {

constexpr Face H = Face::Head, T = Face::Tail;

StreakTables tablesOf(const std::vector<LoggedTrials> &logs)
{
    std::vector<std::span<const LoggedTrial>> runs(logs.begin(), logs.end());
    return streakTables(runs);
}

TEST(StreakTables, NoStreakRunsFromOneRunIntoTheNext)
{
    // Head/Head twice, then three times: never five in a row.
    const StreakTables tables = tablesOf({{{H, H}, {H, H}}, {{H, H}, {H, H}, {H, H}}});
    EXPECT_EQ(tables.trials, 5);
    EXPECT_EQ(tables.outcomes[0].longest, 3);
    EXPECT_EQ(tables.coin1.longest, 3);
    ASSERT_EQ(tables.afterOutcome.size(), 3U); // a row for k = 1, 2, 3
    EXPECT_EQ(tables.afterOutcome[0].counted, (AfterStreak{3, 3}));
    EXPECT_EQ(tables.afterOutcome[2].counted, (AfterStreak{0, 0}));
}

TEST(StreakTables, EveryResultAfterKInARowCountsOverlappingAndTheLastFollowsNothing)
{
    // Head/Tail five times, then Head/Head: a streak of five, then another outcome.
    const LoggedTrials five{{H, T}, {H, T}, {H, T}, {H, T}, {H, T}, {H, H}};
    const StreakTables tables = tablesOf({five});
    ASSERT_EQ(tables.afterOutcome.size(), 5U);
    EXPECT_EQ(tables.afterOutcome[2].counted, (AfterStreak{3, 2})); // after its 3rd, 4th, 5th
    EXPECT_EQ(tables.afterOutcome[0].counted, (AfterStreak{5, 4}));
    EXPECT_EQ(tables.afterOutcome[4].counted, (AfterStreak{1, 0}));
    // Nothing follows the end of the log.
    EXPECT_EQ(tablesOf({{{T, T}, {T, T}, {T, T}}}).afterOutcome[2].counted, (AfterStreak{}));
}

TEST(StreakTables, TheClasssLongestHasTheChanceOfEveryRunsStayingBelowIt)
{
    // Two runs of ten tosses: every run's longest is at most 2 in (178/1024)², at most 4 in
    // (802/1024)², at most 8 in (1018/1024)², and at most 7 in only (1008/1024)² < 0.975.
    LoggedTrials ten;
    for (int t = 0; t < 10; ++t)
        ten.emplace_back(t % 2 == 0 ? H : T, H);
    EXPECT_EQ(tablesOf({ten, ten}).coin1.chance, (Spread{2, 4, 8}));
    EXPECT_EQ(tablesOf({ten}).coin1.chance, longestStreakSpread(10, 0.5, true));
    EXPECT_EQ(tablesOf({ten}).outcomes[2].chance, longestStreakSpread(10, 0.25, false));
    // The longest of the four outcomes, against the longest of any of them.
    const StreakTables any = tablesOf({{{T, T}, {H, H}, {H, H}, {T, H}}});
    EXPECT_EQ(any.anyOutcome.longest, 2);
    EXPECT_EQ(any.anyOutcome.chance, longestStreakSpread(4, 0.25, true));
}

TEST(StreakTables, ARepeatIsExpectedAQuarterOfTheTimeForAnOutcomeAndHalfForAFace)
{
    LoggedTrials run;
    for (int t = 0; t < 400; ++t)
        run.emplace_back(t % 3 == 0 ? H : T, t % 5 < 2 ? H : T);
    const StreakTables tables = tablesOf({run});
    ASSERT_FALSE(tables.afterOutcome.empty() || tables.afterCoin1.empty());
    for (const AfterStreakRow &row : tables.afterOutcome) {
        EXPECT_EQ(row.expected, 0.25);
        EXPECT_EQ(row.chance, binomialSpread(row.counted.cases, 0.25)) << row.k;
    }
    for (const AfterStreakRow &row : tables.afterCoin1) {
        EXPECT_EQ(row.expected, 0.5);
        EXPECT_EQ(row.chance, binomialSpread(row.counted.cases, 0.5)) << row.k;
    }
    EXPECT_LE(tables.afterCoin1.size(), std::size_t(kLongestFollowed));
    EXPECT_TRUE(tablesOf({}).afterOutcome.empty());
}

} // namespace
} // namespace quindle::testing
