// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What a valid zoom and a valid language are, for the command line and the settings files
// alike: each gives the value a text names, or none when the text names no valid one.

#include <QString>

#include <optional>

namespace quindle {

// "200" or "200%": one of the zoom steps, in percent.
[[nodiscard]] std::optional<int> zoomValue(const QString &text);
// The zoom steps, for messages: "100, 125, 150, ...".
[[nodiscard]] QString zoomStepsText();

// A language the program speaks: English, or one it has a translation for ("de", "pt_BR").
[[nodiscard]] std::optional<QString> languageValue(const QString &code);
// The languages, for messages: "en, de, es, ...".
[[nodiscard]] QString languagesText();

} // namespace quindle
