// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/streak_tables.h"

#include <algorithm>

namespace quindle {

namespace {

constexpr double kOutcomeChance = 1.0 / kOutcomes, kFaceChance = 0.5;
constexpr auto kFollowed = static_cast<std::size_t>(kLongestFollowed);

// One kind of result (the outcomes, or Coin1's faces) over all runs, each run in one pass: the
// longest streak of each result and of any, and what followed k in a row for k up to
// kLongestFollowed, never from one run into the next.
struct Streaks
{
    std::array<int, kOutcomes> longestOf{}; // result r at element r (a face) or r - 1 (outcome)
    int longest = 0;
    std::array<AfterStreak, kFollowed + 1> after{}; // k at element k
    std::vector<std::size_t> lengths;               // each run's trials

    template<class ResultOf> void add(std::span<const LoggedTrial> log, ResultOf resultOf)
    {
        lengths.push_back(log.size());
        int current = 0, previous = -1;
        for (const LoggedTrial trial : log) {
            const int result = resultOf(trial);
            for (std::size_t k = 1; k <= std::min<std::size_t>(std::size_t(current), kFollowed);
                 ++k) {
                ++after[k].cases;
                after[k].repeats += result == previous;
            }
            current = result == previous ? current + 1 : 1;
            previous = result;
            auto &longestOfResult = longestOf[static_cast<std::size_t>(result)];
            longestOfResult = std::max(longestOfResult, current);
            longest = std::max(longest, current);
        }
    }
};

// The spread of the longest streak of one result of chance p (of any result, each of chance p)
// in runs of these lengths: every run's longest stays at m or below with the product of their
// chances.
Spread longestChance(const Streaks &streaks, double p, bool anyResult)
{
    const std::size_t most =
        streaks.lengths.empty() ? 0 : *std::ranges::max_element(streaks.lengths);
    if (most == 0)
        return {};
    return spreadOf(
        [&](long long m) {
            const std::vector<double> none = chancesNoStreakUpTo(
                static_cast<int>(m + 1), static_cast<long long>(most), p, anyResult);
            double all = 1;
            for (const std::size_t length : streaks.lengths)
                all *= none[length];
            return all;
        },
        static_cast<long long>(most));
}

std::vector<AfterStreakRow> afterRows(const Streaks &streaks, double p)
{
    std::vector<AfterStreakRow> rows;
    for (int k = 1; k <= std::min(streaks.longest, kLongestFollowed); ++k) {
        const AfterStreak &counted = streaks.after[static_cast<std::size_t>(k)];
        rows.push_back({.k = k,
                        .counted = counted,
                        .expected = p,
                        .chance = binomialSpread(counted.cases, p)});
    }
    return rows;
}

} // namespace

StreakTables streakTables(std::span<const std::span<const LoggedTrial>> runs)
{
    StreakTables tables;
    Streaks outcomes, faces;
    for (const auto log : runs) {
        outcomes.add(log, [](LoggedTrial trial) { return trial.outcome() - 1; });
        faces.add(log, [](LoggedTrial trial) { return static_cast<int>(trial.face(1)); });
        tables.trials += std::ssize(log);
    }
    // Every outcome has the same chance, worked out once.
    const Spread outcomeChance = longestChance(outcomes, kOutcomeChance, false);
    for (int n = 1; n <= kOutcomes; ++n)
        tables.outcomes[outcomeIndex(n)] = {outcomes.longestOf[outcomeIndex(n)], outcomeChance};
    tables.anyOutcome = {outcomes.longest, longestChance(outcomes, kOutcomeChance, true)};
    tables.coin1 = {faces.longest, longestChance(faces, kFaceChance, true)};
    tables.afterOutcome = afterRows(outcomes, kOutcomeChance);
    tables.afterCoin1 = afterRows(faces, kFaceChance);
    return tables;
}

} // namespace quindle
