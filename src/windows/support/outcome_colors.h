// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The colours the outcomes are drawn in, wherever they are drawn: the graph's curves and its
// legend, and the class window's pictures. Palette colours light blue, green, cyan and light red.

#include "experiment/number_of_heads.h"
#include "experiment/outcome.h"
#include "windows/controls/rgb.h"

#include <array>

namespace quindle {

inline constexpr std::array<Rgb, kOutcomes> kOutcomeColors{Rgb{0, 0, 255}, Rgb{0, 128, 0},
                                                           Rgb{0, 128, 128}, Rgb{255, 0, 0}};

// The colour of an outcome (1..4).
[[nodiscard]] constexpr Rgb outcomeColor(int outcome)
{
    return kOutcomeColors[outcomeIndex(outcome)];
}

// The colours of two, one and no heads: two heads and no head keep Head/Head's and Tail/Tail's,
// one head is a dark purple, told apart from both by pupils who see red and green alike, or blue
// and yellow, and dark enough on white for its legend's text.
inline constexpr std::array<Rgb, kHeadCounts> kHeadsColors{outcomeColor(1), Rgb{128, 0, 128},
                                                           outcomeColor(4)};

// The grey of the dotted line at a third, where the shares of two, one and no heads would lie if
// the three were equally likely.
inline constexpr Rgb kEquallyLikelyColor{128, 128, 128};

// The light grey band of the expected range, under the curves.
inline constexpr Rgb kExpectedRangeColor{220, 220, 220};

} // namespace quindle
