// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Numbers as the pupil's language writes them. The experiment writes its numbers in one plain
// form, digits and a point ("0.257", "1200"), rounded by its own rules; results files keep that
// form in every language. What the pupil sees and hears, and what a spreadsheet in the pupil's
// language pastes, takes the language's decimal sign instead ("0,257" in German), from the
// default locale that the program's language sets.

#include <QString>

#include <string_view>

namespace quindle {

// A number in the plain form ("0.257", "1200") as the language writes it: the same digits and
// rounding, the language's decimal sign. (Every language the program speaks writes the digits 0
// to 9, and none of its numbers is grouped or negative.)
[[nodiscard]] QString shownNumber(std::string_view plain);

// A ratio with this many decimals, rounded as the experiment's table rounds it, as the language
// writes it.
[[nodiscard]] QString shownRatio(double ratio, int decimals = 3);

// A number that a text counts in words (tr's %n), which Qt takes as an int: the number, or the
// largest int where it is larger.
[[nodiscard]] int countInWords(long long count);

} // namespace quindle
