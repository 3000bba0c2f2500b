// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/settings_wiring.h"

#include "app/program.h"
#include "app/settings.h"

#include <QLocale>

namespace quindle {

QLocale languageOf(const QString &code)
{
    return code.isEmpty() ? QLocale::system() : QLocale(code);
}

void useSettings(Program &program, Settings &settings)
{
    settings.load(program.preferences());
    settings.persist(program.preferences());
}

} // namespace quindle
