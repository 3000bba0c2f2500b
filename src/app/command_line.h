// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QCommandLineParser;

namespace quindle {

class Settings;

// The program's command line: --help, --version, --seed N, --zoom PERCENT, --class FOLDER and
// --language CODE beside Qt's own options (-platform, -style, ...), which QApplication takes
// out of the arguments before the parser sees them.
void describeCommandLine(QCommandLineParser &parser);

// The command line's --language, --zoom and --class over the settings files', read from the
// arguments as they come, before any application object exists, so that even --help speaks the
// chosen language. Qt's own options are left for QApplication.
void takeCommandLine(Settings &settings, int argc, const char *const *argv);

// Answers --help and --version in language, and exits, before any display is looked for, so
// they work where no display is (over ssh, in a script). Returns when there is nothing to
// answer.
void answerInformationOptions(int &argc, char **argv, const QString &language);

} // namespace quindle
