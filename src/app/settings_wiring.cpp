// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/settings_wiring.h"

#include "app/program.h"
#include "app/settings.h"
#include "windows/support/translation.h"

#include <QCoreApplication>
#include <QLocale>

namespace quindle {

QLocale languageOf(const QString &code)
{
    return code.isEmpty() ? QLocale::system() : QLocale(code);
}

void tellSettingsWarnings(Settings &settings, int &argc, char **argv)
{
    if (!settings.holdsWarnings()) {
        settings.tellWarnings(); // none held: from now on each line is told as it comes
        return;
    }
    const QCoreApplication application(argc, argv);
    installTranslation(languageOf(settings.language()));
    settings.tellWarnings();
}

void useSettings(Program &program, Settings &settings)
{
    settings.load(program.preferences());
    settings.persist(program.preferences());
}

} // namespace quindle
