// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/streaks.h"

#include <algorithm>
#include <cmath>

namespace quindle {

namespace {

constexpr double kLowShare = 0.025, kHighShare = 0.975;

// The smallest value whose cumulative chance reaches each share, from cumulative(v) for v =
// first, first + 1, ... up to last, which holds all of it (nothing lies below first).
template<class Cumulative>
Spread spreadOf(Cumulative cumulative, long long last, long long first = 0)
{
    Spread spread{last, last, last};
    bool low = false, median = false;
    for (long long value = first; value <= last; ++value) {
        const double below = cumulative(value);
        if (!low && below >= kLowShare) {
            spread.low = value;
            low = true;
        }
        if (!median && below >= 0.5) {
            spread.median = value;
            median = true;
        }
        if (below >= kHighShare) {
            spread.high = value;
            break;
        }
    }
    return spread;
}

} // namespace

int longestStreak(std::span<const Result> results, Result only)
{
    int longest = 0, current = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        current = i > 0 && results[i] == results[i - 1] ? current + 1 : 1;
        if (only < 0 || results[i] == only)
            longest = std::max(longest, current);
    }
    return longest;
}

double chanceNoStreakOf(int length, long long trials, double p, bool anyResult)
{
    if (trials <= 0)
        return 1.0;
    if (anyResult && length <= 1) // the first result is a streak of one
        return 0.0;
    // run[j]: the chance that the trials so far have no streak of `length` and end in a streak of
    // exactly j (of the result watched; 0 when they end in another). A trial goes on the streak
    // with chance p; otherwise a watched streak ends (0), or another result starts one of 1.
    const auto size = static_cast<std::size_t>(length);
    std::vector<double> run(size, 0.0), next(size);
    run[anyResult ? 1 : 0] = 1.0;
    const std::size_t restart = anyResult ? 1 : 0;
    for (long long trial = anyResult ? 1 : 0; trial < trials; ++trial) {
        std::fill(next.begin(), next.end(), 0.0);
        for (std::size_t j = 0; j < size; ++j) {
            if (j + 1 < size)
                next[j + 1] += run[j] * p;
            next[restart] += run[j] * (1.0 - p);
        }
        run.swap(next);
    }
    double none = 0;
    for (const double chance : run)
        none += chance;
    return none;
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

AfterStreak afterStreak(std::span<const Result> results, int k, Result only)
{
    AfterStreak after;
    int current = 0; // the streak the result before i ends
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (current >= k && (only < 0 || results[i - 1] == only)) {
            ++after.cases;
            after.repeats += results[i] == results[i - 1];
        }
        current = i > 0 && results[i] == results[i - 1] ? current + 1 : 1;
    }
    return after;
}

long long switches(std::span<const Result> results)
{
    long long count = 0;
    for (std::size_t i = 1; i < results.size(); ++i)
        count += results[i] != results[i - 1];
    return count;
}

} // namespace quindle
