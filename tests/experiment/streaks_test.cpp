// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Streaks: the longest in a run, what followed each, switches, and what chance gives, checked
// against every sequence of a few trials written out.

#include "experiment/streaks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quindle::testing {
namespace {

using Results = std::vector<Result>;

TEST(Streaks, TheLongestCountsFromTheFirstResultToTheLast)
{
    EXPECT_EQ(longestStreak(Results{}), 0);
    EXPECT_EQ(longestStreak(Results{3}), 1);
    EXPECT_EQ(longestStreak(Results{1, 1, 1, 2, 3}), 3);    // at the start
    EXPECT_EQ(longestStreak(Results{2, 3, 4, 4, 4, 4}), 4); // at the end
}

TEST(Streaks, ASwitchIsAResultUnlikeTheOneBefore)
{
    EXPECT_EQ(switches(Results{}), 0);
    EXPECT_EQ(switches(Results{0}), 0);
    EXPECT_EQ(switches(Results{0, 0, 1, 0, 1, 1}), 3);
}

// Every sequence of `trials` results out of `kinds`, each as likely: the share with no streak
// of `length` (of result 0 alone, or of any).
double enumeratedNoStreak(int kinds, int trials, int length, bool anyResult)
{
    long long without = 0, all = 1;
    for (int t = 0; t < trials; ++t)
        all *= kinds;
    for (long long code = 0; code < all; ++code) {
        Results results;
        for (long long rest = code; std::ssize(results) < trials; rest /= kinds)
            results.push_back(static_cast<Result>(rest % kinds));
        int longest = 0; // of any result, or of result 0 alone
        for (std::size_t i = 0, current = 0; i < results.size(); ++i) {
            current = i > 0 && results[i] == results[i - 1] ? current + 1 : 1;
            if (anyResult || results[i] == 0)
                longest = std::max(longest, int(current));
        }
        without += longest < length;
    }
    return static_cast<double>(without) / static_cast<double>(all);
}

TEST(Streaks, TheChanceOfNoLongStreakIsThatOfEverySequenceWrittenOut)
{
    for (int trials = 0; trials <= 8; ++trials)
        for (int length = 1; length <= 5; ++length) {
            EXPECT_NEAR(chanceNoStreakOf(length, trials, 0.25, false),
                        enumeratedNoStreak(4, trials, length, false), 1e-12)
                << "an outcome, " << trials << " trials, streak " << length;
            EXPECT_NEAR(chanceNoStreakOf(length, trials, 0.5, true),
                        enumeratedNoStreak(2, trials, length, true), 1e-12)
                << "a coin, " << trials << " trials, streak " << length;
        }
}

TEST(Streaks, TheLongestStreaksSpreadHoldsItsShares)
{
    // Ten tosses of a coin, all 1024 written out: a longest streak of up to 1 in 2 of them, up to
    // 2 in 178, up to 3 in 548, up to 6 in 984, up to 7 in 1008.
    EXPECT_EQ(longestStreakSpread(10, 0.5, true), (Spread{2, 3, 7}));
    const Spread outcome = longestStreakSpread(4000, 0.25, false);
    EXPECT_GT(chanceNoStreakOf(int(outcome.high) + 1, 4000, 0.25, false), 0.975);
    EXPECT_LT(chanceNoStreakOf(int(outcome.high), 4000, 0.25, false), 0.975);
    EXPECT_EQ(outcome.median, 6); // log base 4 of 3000, about 5.8
}

TEST(Streaks, ABinomialSpreadIsItsExactQuantiles)
{
    // Ten tries of a half: 0 to 1 hold 11/1024, 0 to 2 hold 56/1024, 0 to 7 hold 968/1024.
    EXPECT_EQ(binomialSpread(10, 0.5), (Spread{2, 5, 8}));
    EXPECT_EQ(binomialSpread(0, 0.25), (Spread{0, 0, 0}));
    const Spread many = binomialSpread(100'000, 0.25); // 25000 ± 2 × 136.9
    EXPECT_NEAR(double(many.low), 25000 - 1.96 * std::sqrt(18750.0), 2);
    EXPECT_NEAR(double(many.high), 25000 + 1.96 * std::sqrt(18750.0), 2);
}

TEST(Streaks, ASequenceIsMeasuredAgainstRealOnesOfItsOwnLength)
{
    // Eleven faces that switch at every chance: ten switches in ten chances (real sequences
    // switch 2 to 8 times), a longest streak of 1: measured for eleven faces, not ten.
    const Results invented{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0};
    const SequenceCheck check = checkSequence(invented);
    EXPECT_EQ(check.length, 11);
    EXPECT_EQ(check.switches, 10);
    EXPECT_EQ(check.switchChance, binomialSpread(10, 0.5));
    EXPECT_EQ(check.longest, 1);
    EXPECT_EQ(check.longestChance, longestStreakSpread(11, 0.5, true));
    EXPECT_EQ(checkSequence(Results{}).switchChance, (Spread{}));
}

} // namespace
} // namespace quindle::testing
