// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QLocale;

namespace quindle {

class Program;
class Settings;

// The language of the texts: the code chosen (by the command line or the settings), or the
// system's where none was.
[[nodiscard]] QLocale languageOf(const QString &code);

// The program's preferences take the settings: the zoom, the class folder and the folder saved
// into last; from now on the zoom the pupil chooses and each folder saved into are remembered
// in them. settings must outlive program.
void useSettings(Program &program, Settings &settings);

} // namespace quindle
