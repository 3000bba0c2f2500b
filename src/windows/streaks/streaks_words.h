// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The streaks window's words: its tables' cells and what it says about streaks and about a
// sequence the pupil typed, in the pupil's language, its numbers in the language's form.

#include "experiment/streak_tables.h"
#include "experiment/streaks.h"
#include "experiment/typed_faces.h"

#include <QString>

#include <optional>

namespace quindle {

// A count as the language writes it: "3,801" in English, "3.801" in German.
[[nodiscard]] QString countWords(long long count);
// A share of so many cases, with three decimals as the language writes them; "–" without cases.
[[nodiscard]] QString shareWords(long long part, long long cases);
// A spread's range: "3 to 7"; as shares of so many cases: "0.219 to 0.281".
[[nodiscard]] QString rangeWords(const Spread &spread);
[[nodiscard]] QString shareRangeWords(const Spread &spread, long long cases);

// The first cell of a row of the after-a-streak table: "3 of the same outcome in a row", or of
// the same face of Coin1.
[[nodiscard]] QString afterRowWords(int k, bool coin1);

// The letters that stand for Head and Tail in a typed sequence, in the language: H and T in
// English.
[[nodiscard]] char32_t headMark();
[[nodiscard]] char32_t tailMark();

// The fewest faces a typed sequence needs before it is measured.
inline constexpr std::size_t kFewestTypedFaces = 20;
// The most characters the field for a typed sequence takes: a paste beyond them is cut there.
inline constexpr int kMostTypedCharacters = 4000;
// Said when a typed sequence was cut at kMostTypedCharacters.
[[nodiscard]] QString cutShortWords();

// What a typed sequence is so far: its first character that is not a face, named where it
// stands, or how many faces it has while they are too few; empty once it can be measured.
[[nodiscard]] QString typedFacesProblem(const TypedFaces &typed);

// What the measures of a typed sequence say: each that falls outside the range of real sequences
// of its length, in words, or that both lie inside it.
[[nodiscard]] QString sequenceVerdict(const SequenceCheck &check);

// Read streaks: the outcomes' longest streak against chance in the trials of one run, or in so
// many runs of a class (each run on its own), and what the next trial did after a few of the same
// outcome in a row.
[[nodiscard]] QString streaksSummary(const StreakTables &tables,
                                     std::optional<long long> runs = {});

} // namespace quindle
