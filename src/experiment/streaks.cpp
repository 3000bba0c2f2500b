// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/streaks.h"

#include <algorithm>
#include <cmath>

namespace quindle {

int longestStreak(std::span<const Result> results)
{
    int longest = 0, current = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        current = i > 0 && results[i] == results[i - 1] ? current + 1 : 1;
        longest = std::max(longest, current);
    }
    return longest;
}

std::vector<double> chancesNoStreakUpTo(int length, long long trials, double p, bool anyResult)
{
    std::vector<double> none(static_cast<std::size_t>(std::max(trials, 0LL)) + 1, 0.0);
    none[0] = 1.0;
    if (anyResult && length <= 1) // the first result is a streak of one
        return none;
    // run[j]: the chance that the trials so far have no streak of `length` and end in a streak of
    // exactly j (of the result watched; 0 when they end in another). A trial goes on the streak
    // with chance p; otherwise a watched streak ends (0), or another result starts one of 1.
    const auto size = static_cast<std::size_t>(length);
    std::vector<double> run(size, 0.0), next(size);
    const std::size_t restart = anyResult ? 1 : 0;
    run[restart] = 1.0;
    for (std::size_t trial = 1; trial < none.size(); ++trial) {
        if (!anyResult || trial > 1) {
            std::fill(next.begin(), next.end(), 0.0);
            for (std::size_t j = 0; j < size; ++j) {
                if (j + 1 < size)
                    next[j + 1] += run[j] * p;
                next[restart] += run[j] * (1.0 - p);
            }
            run.swap(next);
        }
        for (const double chance : run)
            none[trial] += chance;
    }
    return none;
}

double chanceNoStreakOf(int length, long long trials, double p, bool anyResult)
{
    return chancesNoStreakUpTo(length, trials, p, anyResult).back();
}

Spread longestStreakSpread(long long trials, double p, bool anyResult)
{
    // P(longest <= m) is the chance of no streak of m + 1.
    return spreadOf(
        [&](long long m) {
            return chanceNoStreakOf(static_cast<int>(m + 1), trials, p, anyResult);
        },
        trials);
}

Spread binomialSpread(long long cases, double p)
{
    // Each chance from its logarithm, so that none vanishes in a long run; the sum starts where
    // what lies below is far below a double's precision, twelve standard deviations down.
    const auto n = static_cast<double>(cases);
    const auto first = std::max(
        0LL, static_cast<long long>(std::floor(n * p - 12 * std::sqrt(n * p * (1 - p)) - 10)));
    const auto chance = [n, p](long long k) {
        const auto x = static_cast<double>(k);
        return std::exp(std::lgamma(n + 1) - std::lgamma(x + 1) - std::lgamma(n - x + 1) +
                        x * std::log(p) + (n - x) * std::log1p(-p));
    };
    double total = 0;
    long long summed = first;
    Spread spread = spreadOf(
        [&](long long k) {
            for (; summed <= k; ++summed)
                total += chance(summed);
            return total;
        },
        cases, first);
    return spread;
}

long long switches(std::span<const Result> results)
{
    long long count = 0;
    for (std::size_t i = 1; i < results.size(); ++i)
        count += results[i] != results[i - 1];
    return count;
}

SequenceCheck checkSequence(std::span<const Result> faces)
{
    const auto length = std::ssize(faces);
    return {.length = length,
            .longest = longestStreak(faces),
            .longestChance = longestStreakSpread(length, 0.5, true),
            .switches = switches(faces),
            .switchChance = binomialSpread(std::max(length - 1, 0L), 0.5)};
}

} // namespace quindle
