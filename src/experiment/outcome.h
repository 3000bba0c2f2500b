// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What a trial's outcome is and what follows from it: the four outcomes two coins make, each
// outcome's place among the four, its share of the trials, its percentage and its gap from a
// quarter, and the log of a run's trials with the one walk that counts along it. The
// experiment, the results file, the class's pool and the windows all speak of outcomes in these
// words, so each rule is written once.

#include "experiment/experiment_view.h"
#include "experiment/int16.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <tuple>
#include <utility>
#include <vector>

namespace quindle {

// Outcome 1 = Head/Head, 2 = Head/Tail, 3 = Tail/Head, 4 = Tail/Tail (coin 1 first).
inline constexpr int kOutcomes = 4;

// The outcome (1..4) that the faces of coin 1 and coin 2 make.
[[nodiscard]] int outcomeOf(Face coin1, Face coin2);
// The other way round: the face coin 1 or coin 2 shows in an outcome (1..4).
[[nodiscard]] Face faceOf(int outcome, int coin);

// The outcome's place in an array of the four, outcome n at element n - 1. A number that names
// no outcome raises SubscriptError, as an index outside an array's bounds does.
[[nodiscard]] constexpr std::size_t outcomeIndex(int outcome)
{
    if (outcome < 1 || outcome > kOutcomes)
        throw SubscriptError();
    return static_cast<std::size_t>(outcome - 1);
}

// An outcome's share of the trials: count / trials. For no trials it is 0. A caller that shows
// nothing while there are no trials (an empty cell, a point left out of a plot) decides so
// itself from trials == 0.
[[nodiscard]] double ratioOf(long long count, long long trials);

// The share in whole percent as the history keeps it: count / total × 100, rounded half to
// even. For no trials there is no number to round, and like a result outside 16 bits it raises
// OverflowError.
[[nodiscard]] Int16 percentage(Int16 count, Int16 total);

// An outcome's count less a quarter of the trials it was counted in.
[[nodiscard]] double gapFromQuarter(long long count, long long trials);

// One trial as a log keeps it: its outcome in one byte, which gives both coins' faces (a class
// of ten thousand runs logs 35 million trials). It reads as its outcome's number (1..4), and
// `const auto &[coin1, coin2] = trial` gives its faces.
class LoggedTrial
{
public:
    // From the outcome's number, as a results file writes it.
    constexpr LoggedTrial(std::uint8_t outcome)
        : m_outcome(outcome)
    {}
    LoggedTrial(Face coin1, Face coin2)
        : m_outcome(static_cast<std::uint8_t>(outcomeOf(coin1, coin2)))
    {}

    [[nodiscard]] constexpr int outcome() const { return m_outcome; }
    constexpr operator int() const { return m_outcome; }
    // The face coin 1 or coin 2 showed.
    [[nodiscard]] Face face(int coin) const { return faceOf(m_outcome, coin); }
    template<std::size_t Coin> [[nodiscard]] Face get() const
    {
        return face(static_cast<int>(Coin) + 1);
    }

    bool operator==(const LoggedTrial &) const = default;

private:
    std::uint8_t m_outcome;
};

// Every trial of a run, in order.
using LoggedTrials = std::vector<LoggedTrial>;

// How often each outcome has come up, and in how many trials.
struct Tally
{
    std::array<long long, kOutcomes> counts{};
    long long trials = 0;

    // One more trial, of this outcome; SubscriptError, with nothing counted, for a number that
    // names no outcome.
    void add(int outcome)
    {
        ++counts[outcomeIndex(outcome)];
        ++trials;
    }
    [[nodiscard]] long long count(int outcome) const { return counts[outcomeIndex(outcome)]; }

    bool operator==(const Tally &) const = default;
};

// Counts a log's trials into `tally` one after another, and after each calls
// visit(trial, tally): the trial, and the counts with it included. The tally goes on from what
// it held, so that several logs are counted as one.
template<class Visit> void countAlong(std::span<const LoggedTrial> log, Tally &tally, Visit &&visit)
{
    for (const LoggedTrial trial : log) {
        tally.add(trial);
        visit(trial, std::as_const(tally));
    }
}

} // namespace quindle

// A logged trial unpacks into its two coins' faces.
template<> struct std::tuple_size<quindle::LoggedTrial> : std::integral_constant<std::size_t, 2>
{};
template<std::size_t Coin> struct std::tuple_element<Coin, quindle::LoggedTrial>
{
    using type = quindle::Face;
};
