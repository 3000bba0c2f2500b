// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The names of an outcome (1..4), coin 1's face first, as the windows show and say them, in the
// pupil's language. A file's words, the same in every language, are in classroom/results_words.h.

#include <QString>

namespace quindle {

// For people, in their language and as a speech synthesiser reads it well: "Head Tail".
[[nodiscard]] QString outcomeWords(int outcome);
// The face that coin 1 or coin 2 shows in the outcome, for people: "Head".
[[nodiscard]] QString shownFaceWord(int outcome, int coin);

} // namespace quindle
