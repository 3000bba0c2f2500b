// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Streaks in a run: the same result several times in a row. Real sequences of chance have longer
// streaks than people expect, and after a streak the next trial is no different from any other:
// nothing is ever "due". What a run shows is measured here against what chance gives, computed
// exactly (no simulation): the longest streak's distribution by a recurrence over the trials,
// counts of repeats and switches by the binomial distribution.

#include <cstddef>
#include <span>
#include <vector>

namespace quindle {

// A result, as a small number: an outcome (1..4) or a coin's face (0, 1).
using Result = int;

// The longest run of equal results in a sequence: 0 for none.
[[nodiscard]] int longestStreak(std::span<const Result> results);

// Where chance puts a count: the median and the range that holds it about 95 % of the time (the
// 2.5 % and 97.5 % quantiles), each the smallest value whose cumulative chance reaches its share.
struct Spread
{
    long long low = 0, median = 0, high = 0;
    bool operator==(const Spread &) const = default;
};

// The smallest value whose cumulative chance reaches each share, from cumulative(v) for v =
// first, first + 1, ... up to last, which holds all of it (nothing lies below first).
template<class Cumulative>
[[nodiscard]] Spread spreadOf(Cumulative cumulative, long long last, long long first = 0)
{
    constexpr double kLowShare = 0.025, kHighShare = 0.975;
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

// The chance that a sequence of `trials` independent results has no streak of `length` or more
// of a result that comes up with chance p; with `anyResult`, of any result, every result then
// coming up with chance p (two faces of a fair coin: p = 1/2). Length is at least 1.
[[nodiscard]] double chanceNoStreakOf(int length, long long trials, double p, bool anyResult);
// The same for every number of trials from 0 to `trials`: element n for n trials.
[[nodiscard]] std::vector<double> chancesNoStreakUpTo(int length, long long trials, double p,
                                                      bool anyResult);

// The longest streak's spread in so many trials (see chanceNoStreakOf for p and anyResult).
[[nodiscard]] Spread longestStreakSpread(long long trials, double p, bool anyResult);

// The spread of a binomial count: successes in `cases` independent tries of chance p.
[[nodiscard]] Spread binomialSpread(long long cases, double p);

// How often a result differs from the one before it.
[[nodiscard]] long long switches(std::span<const Result> results);

// A sequence of one coin's faces against real ones of its length: its longest streak and its
// switches, each with the spread that chance gives a fair coin's sequence of that length (a
// switch is a fair chance at each of the length - 1 places after the first face).
struct SequenceCheck
{
    long long length = 0;
    int longest = 0;
    Spread longestChance;
    long long switches = 0;
    Spread switchChance;
};
[[nodiscard]] SequenceCheck checkSequence(std::span<const Result> faces);

} // namespace quindle
