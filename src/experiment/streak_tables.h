// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What a run, or a class of runs, shows of streaks, beside what chance gives: the longest streak
// of each outcome and of Coin1's face, and what followed k of the same in a row. Streaks never
// run from one run into the next; chance is worked out for each run's own number of trials (the
// longest of a class is the longest of its runs, whose chance is that of every run's longest
// staying below it).

#include "experiment/outcome.h"
#include "experiment/streaks.h"

#include <array>
#include <span>
#include <vector>

namespace quindle {

// Streaks of k in a row are followed up to this k.
inline constexpr int kLongestFollowed = 6;

// After k equal results in a row, what the next result was: `cases` counts every result that
// follows k equal results (overlapping: in a streak of five, the results after its third,
// fourth and fifth each follow three in a row), `repeats` those that were the same again. The
// last result of a run follows nothing.
struct AfterStreak
{
    long long cases = 0, repeats = 0;
    bool operator==(const AfterStreak &) const = default;
};

struct LongestStreakRow
{
    int longest = 0;
    Spread chance;
};

// After k of the same in a row: what the runs did, the share that chance gives a repeat (a
// quarter for an outcome, a half for a coin's face) and the spread of repeats it gives in that
// many cases.
struct AfterStreakRow
{
    int k = 0;
    AfterStreak counted;
    double expected = 0;
    Spread chance;
};

struct StreakTables
{
    long long trials = 0;
    std::array<LongestStreakRow, kOutcomes> outcomes; // outcome n at element n - 1
    LongestStreakRow anyOutcome; // the longest of the four, against the longest of any outcome
    LongestStreakRow coin1;      // either face of Coin1
    // k = 1 and up, while some run has a streak of k (at most kLongestFollowed).
    std::vector<AfterStreakRow> afterOutcome, afterCoin1;
};

[[nodiscard]] StreakTables streakTables(std::span<const std::span<const LoggedTrial>> runs);

} // namespace quindle
