// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The number of heads two coins show: two (Head/Head), one (Head/Tail or Tail/Head) or none
// (Tail/Tail). Many expect the three to be equally likely, a third each; but one head comes
// from two of the four equally likely outcomes, so it comes up half the time and each of the
// others a quarter. The graph and the class window show a run's shares of the three against
// what chance gives.

#include "experiment/outcome.h"

#include <array>
#include <span>
#include <vector>

namespace quindle {

// Two heads, one head, no head: the order the three are shown and kept in.
inline constexpr int kHeadCounts = 3;
enum class Heads { Two = 0, One = 1, None = 2 };

// Each number of heads' share of the trials, two heads at element 0, none at element 2.
using HeadsShares = std::array<double, kHeadCounts>;
using HeadsCounts = std::array<long long, kHeadCounts>;

// The chance of each: a quarter, a half and a quarter.
inline constexpr HeadsShares kHeadsProbability{0.25, 0.5, 0.25};
// What each share would settle at if the three were equally likely, as many expect.
inline constexpr double kEquallyLikelyShare = 1.0 / kHeadCounts;

[[nodiscard]] constexpr std::size_t headsIndex(Heads heads)
{
    return static_cast<std::size_t>(heads);
}

// The number of heads an outcome (1..4) shows; SubscriptError for a number that names none.
[[nodiscard]] Heads headsOf(int outcome);

// The four outcomes' counts (outcome n at element n - 1) as counts of two, one and no heads.
[[nodiscard]] HeadsCounts headsCounts(std::span<const long long, kOutcomes> counts);
// Those counts' shares of their trials; 0 each for no trials.
[[nodiscard]] HeadsShares headsShares(const HeadsCounts &counts);

// The shares after every trial of a log, in order: element i after trial i + 1.
[[nodiscard]] std::vector<HeadsShares> headsSharesAlong(std::span<const LoggedTrial> log);

} // namespace quindle
