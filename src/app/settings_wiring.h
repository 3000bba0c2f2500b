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

// Tells on standard error what was wrong with the settings files and the command line, in the
// language they chose. A translation needs an application object: where there is anything to
// tell, one is made for the moment, before the program's own. From now on, each line is told
// as it comes.
void tellSettingsWarnings(Settings &settings, int &argc, char **argv);

// The program's preferences take the settings: the zoom, the class folder and the folder saved
// into last; from now on the zoom the pupil chooses and each folder saved into are remembered
// in them. settings must outlive program.
void useSettings(Program &program, Settings &settings);

} // namespace quindle
