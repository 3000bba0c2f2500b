// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Texts on a plot: a label printed at a point, and a title broken into lines that fit the
// picture's width.

#include "windows/controls/surface_operations.h"

#include <functional>
#include <string>
#include <vector>

namespace quindle {

// Prints text (UTF-8) with its top-left corner at (x, y).
void printAt(SurfaceOperations &surface, float x, float y, const std::string &text);

// How wide the surface draws a text, in its user units.
using TextWidth = std::function<float(const std::string &)>;

// The text in lines that measure finds no wider than room, broken where the program's languages
// break a line (line_breaking.h): at blanks, and between the letters of Chinese and Japanese.
// A word wider than room has a line of its own. Without measure, one line.
[[nodiscard]] std::vector<std::string> linesWithin(const std::string &text, float room,
                                                   const TextWidth &measure);

// Each line lineHeight below the one before, the first with its top at `top`.
void printLines(SurfaceOperations &surface, float x, float top, float lineHeight,
                const std::vector<std::string> &lines);

} // namespace quindle
