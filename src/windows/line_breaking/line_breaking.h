// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Where a text may break into lines, as the program's languages break them: at a blank, and in
// Chinese and Japanese (written without blanks) between two letters, but never before a
// closing bracket or a punctuation mark, nor after an opening bracket. Korean, which puts blanks
// between its words, breaks at blanks only. How wide a line is, is the caller's to say: a
// terminal counts columns, a picture measures its font.

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace quindle {

// Whether a terminal gives the character two columns (Chinese, Japanese and Korean letters and
// their punctuation).
[[nodiscard]] bool isWide(QChar c);

// How wide a line would be, in the caller's units.
using LineWidth = std::function<double(QStringView)>;

// The text in lines that width finds no wider than room, each as full as it can be: broken at
// the blanks and between the letters where a line may break, the blanks at a break left out.
// A piece without a place to break that is wider than room has a line of its own.
[[nodiscard]] QStringList brokenIntoLines(QStringView text, double room, const LineWidth &width);

} // namespace quindle
