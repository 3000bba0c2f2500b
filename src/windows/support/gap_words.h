// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// How far an outcome's count lies from a quarter of the trials, in words a screen reader reads:
// "12.5 above a quarter", "3.25 below a quarter", "exactly a quarter"; the number in the
// language's own form ("12,5" in German).

#include <QString>

namespace quindle {

[[nodiscard]] QString gapWords(double gap);

} // namespace quindle
