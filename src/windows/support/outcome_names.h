#pragma once

// The names of an outcome (1..4), coin 1's face first, as the windows show and say them.

#include <QString>

namespace quindle {

// For files and the clipboard, the same in every language: the results file's word,
// "Head/Tail".
[[nodiscard]] QString outcomeFileName(int outcome);

// For people, in their language and as a speech synthesiser reads it well: "Head Tail".
[[nodiscard]] QString outcomeWords(int outcome);
// The face that coin 1 or coin 2 shows in the outcome, for people: "Head".
[[nodiscard]] QString faceWord(int outcome, int coin);

} // namespace quindle
