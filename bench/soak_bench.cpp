// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// A soak: full runs one after another in one process (each to the trial that lifts a count
// past 1000), Init between them, the graph window opened and closed after each, the help
// handover after every tenth, the first included. Prints resident memory after the first run
// and at the end (target: the end within 1 MB of the first).
//
//   soak_bench [RUNS]          (default 100; about 4.5 s a run)

#include "app/program.h"
#include "windows/accessibility/accessibility.h"
#include "windows/experiment/experiment_window_layout.h"
#include "windows/help/help_window_layout.h"
#include "windows/layout/layout.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Runs the event loop for a while, then deletes what closed windows left for deletion, as
// the program's own loop does between two clicks (this harness clicks from outside any loop).
void spin(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

using quindle::Button;

QPushButton *button(QWidget *window, Button which)
{
    return quindle::findButton(window, which);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quindle::keepLargeBlocksOutOfTheHeap(); // as main() does
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    quindle::installFontSubstitutions();
    quindle::installAccessibility();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 100;

    quindle::Program program(3);
    program.openNewExperimentWindow();
    spin(200);
    double afterFirst = 0;
    long trials = 0;
    for (int run = 1; run <= runs; ++run) {
        QWidget *form = program.experimentWindow();
        if (button(form, Button::Init)->isEnabled())
            button(form, Button::Init)->click();
        if (!button(form, Button::Start)->isEnabled())
            button(form, Button::GraphDisplay)->click(); // makes Start available again
        button(form, Button::Start)->click();
        while (program.experimentWindow()->timer(quindle::Timer::Trial)->isActive())
            spin(50);
        trials += program.record().trials();

        button(program.experimentWindow(), Button::GraphDisplay)->click();
        spin(50);
        program.graphWindow()->close();
        spin(20);
        if (run % 10 == 1) { // runs 1, 11, 21, ...: the first run meets every window once
            button(program.experimentWindow(), Button::Help)->click();
            spin(50);
            quindle::findControl<QPushButton>(program.helpWindow(), quindle::helpWindowLayout(),
                                              quindle::help_roles::closeButton)
                ->click();
            spin(50);
        }
        if (run == 1)
            afterFirst = residentMb();
        std::fprintf(stderr, "\rrun %d of %d", run, runs);
    }
    const double atEnd = residentMb();
    std::fprintf(stderr, "\n");
    std::printf("runs=%d\ntrials=%ld\n", runs, trials);
    std::printf("rss_after_first_run_mb=%.2f\nrss_at_end_mb=%.2f\n", afterFirst, atEnd);
    std::printf("rss_growth_mb=%+.2f\n", atEnd - afterFirst); // target within 1 MB
    return 0;
}
