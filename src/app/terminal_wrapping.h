// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace quindle {

// The help text with line breaks of its own, so that no line takes more than columns of a
// terminal. QCommandLineParser wraps at spaces by counting characters, which lets a line of
// Chinese or Japanese (two columns a letter, no spaces) run to twice the width; such a text is
// broken where those languages break a line (line_breaking.h), each letter counted at the
// columns a terminal gives it. A text without wide letters is left to QCommandLineParser.
[[nodiscard]] QString wrappedForTerminal(const QString &text, int columns);

} // namespace quindle
