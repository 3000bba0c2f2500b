// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/program.h"
#include "app/settings.h"
#include "app/startup.h"
#include "sound/sound_warnings.h"
#include "windows/accessibility/accessibility.h"
#include "windows/layout/layout.h"
#include "windows/support/translation.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <cstdio>
#include <optional>
#include <random>

int main(int argc, char *argv[])
{
    quindle::identifyProgram();
    // The settings files, then the command line over them; what is wrong with either is named
    // on standard error once, in the language they chose, before anything else.
    quindle::Settings settings;
    quindle::takeCommandLine(settings, argc, argv);
    quindle::tellSettingsWarnings(settings, argc, argv);
    quindle::answerInformationOptions(argc, argv, settings.language());

    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        quindle::requestedPlatform(argc, argv).isEmpty()) {
        std::fputs("quindle: needs a graphical display (set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
        return 1;
    }

    quindle::keepLargeBlocksOutOfTheHeap();
    quindle::installSoundWarningFilter();
    std::optional<quindle::PlatformStartGuard> starting;
    starting.emplace(quindle::displayDescription(argc, argv));
    QApplication app(argc, argv);
    starting.reset();

    const QLocale language = quindle::languageOf(settings.language());
    quindle::installTranslation(language);
    QCommandLineParser parser; // what is left once Qt has taken its own options
    quindle::describeCommandLine(parser);
    parser.process(app);

    quindle::installFontSubstitutions(language);
    quindle::installAccessibility();

    std::random_device entropy;
    const std::uint64_t state = (std::uint64_t{entropy()} << 32U) | entropy();
    quindle::Program program(state, quindle::seedOption(parser));
    quindle::useSettings(program, settings);
    quindle::loadModulesOnceShown(program.openNewExperimentWindow());
    if (settings.classFolderGiven())
        program.openClassWindow(program.preferences().classFolder());
    return QApplication::exec();
}
