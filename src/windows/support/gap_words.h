// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// How far an outcome's count lies from a quarter of the trials, in words a screen reader reads:
// "its count 12.5 above a quarter of the trials", "... 3.25 below ...", "its count exactly a
// quarter of the trials"; the number in the language's own form ("12,5" in German). The words
// name the count and the trials, since they follow the outcome's name, or its ratio.

#include <QString>

namespace quindle {

[[nodiscard]] QString gapWords(double gap);

} // namespace quindle
