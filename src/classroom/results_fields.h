// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The fields of a results file's rows, read as strictly as their place needs and as loosely as
// a spreadsheet writes them back. Each gives nothing for a field that is not what it should be.

#include "experiment/experiment_view.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace quindle {

// A blank around a field's text, which spreadsheets add and readers drop.
[[nodiscard]] constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A whole decimal number and nothing else; a count or trials field left empty (as the window
// shows them before the first trial) is 0.
[[nodiscard]] std::optional<int> countField(std::string_view field);
// A whole decimal number and nothing else, never empty.
[[nodiscard]] std::optional<int> wholeNumber(std::string_view field);
// A ratio as a spreadsheet may write it back: "0.250", "0.25", "1" or, with a decimal comma,
// "0,25". Digits and one decimal sign only, so neither "nan" nor an exponent gets through.
[[nodiscard]] std::optional<double> ratioField(std::string_view field);
[[nodiscard]] std::optional<std::uint64_t> seedField(std::string_view field);
// "Head" or "Tail".
[[nodiscard]] std::optional<Face> faceField(std::string_view field);
// The outcome (1..4) its word names ("Head/Tail"), or 0 for a word that names none.
[[nodiscard]] int outcomeField(std::string_view field);

} // namespace quindle
