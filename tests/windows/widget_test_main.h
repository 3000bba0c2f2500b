#pragma once

// main() for the window tests: they run on the offscreen platform unless the caller chose one
// (for example xcb under Xvfb, to watch them), with the program's font substitutions.

#include "windows/accessibility.h"
#include "windows/layout.h"

#include <QApplication>
#include <QTest>

#define QUINDLE_WIDGET_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        QApplication::setQuitOnLastWindowClosed(false);                                            \
        quindle::installFontSubstitutions();                                                       \
        quindle::installAccessibility();                                                           \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
