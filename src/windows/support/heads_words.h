// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The number of heads in words, as the graph's legend shows them and the class's summary says
// them: "One head: 0.497 (1889 of 3801 trials), a half expected", its share in the
// language's own form, its counts plain as the table shows them; and what the shares would be
// if the three were equally likely.

#include "experiment/number_of_heads.h"

#include <QString>

namespace quindle {

// The share of trials with this number of heads, its count of all the trials, and what chance
// gives; before any trial, only what chance gives.
[[nodiscard]] QString headsWords(Heads heads, const HeadsCounts &counts);

// "If the three were equally likely, each would be 0.333."
[[nodiscard]] QString equallyLikelyWords();

} // namespace quindle
