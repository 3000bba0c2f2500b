// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/program_identity.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace quindle {

void identifyProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("quindle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUINDLE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quindle.Quindle"));
}

} // namespace quindle
