#include "program.h"
#include "sound/sound_warnings.h"
#include "windows/accessibility.h"
#include "windows/layout.h"

#include <QApplication>

#include <cstdio>
#include <random>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("quindle: needs a graphical display (set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
        return 1;
    }

    quindle::keepLargeBlocksOutOfTheHeap();
    quindle::installSoundWarningFilter();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quindle"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quindle"));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quindle.Quindle"));
    quindle::installFontSubstitutions();
    quindle::installAccessibility();

    std::random_device entropy;
    const std::uint64_t state = (std::uint64_t{entropy()} << 32U) | entropy();
    quindle::Program program(state);
    program.showExperimentWindow();
    return QApplication::exec();
}
