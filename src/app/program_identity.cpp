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
