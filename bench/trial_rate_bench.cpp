// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// How fast a run goes on screen: trials per second of the experiment window against the ticks
// per second of a bare 1 ms precise timer in the same process, and the CPU time per trial.
// Prints key=value lines.
//
//   trial_rate_bench [SECONDS]      (default 3; offscreen unless QT_QPA_PLATFORM or DISPLAY says)

#include "app/program.h"
#include "windows/experiment/experiment_window_layout.h"
#include "windows/layout/layout.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

// Runs the event loop for a while without sleeping (QTest::qWait sleeps between passes).
void spin(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct Rate
{
    double perSecond;
    double cpuPerEvent;
};

Rate bareTimer(int milliseconds)
{
    QTimer timer;
    timer.setInterval(1);
    timer.setTimerType(Qt::PreciseTimer);
    long ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, &timer, [&ticks] { ++ticks; });
    QElapsedTimer clock;
    const double cpu = cpuSeconds();
    clock.start();
    timer.start();
    spin(milliseconds);
    timer.stop();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    return {static_cast<double>(ticks) / seconds,
            (cpuSeconds() - cpu) / static_cast<double>(ticks)};
}

// Runs of two seconds each, with Init between them, so that no run reaches its end (about
// 4000 trials) and stops counting before the time is up.
Rate experimentWindow(int milliseconds)
{
    quindle::Program program(1);
    quindle::ExperimentWindow *form = program.openNewExperimentWindow();
    if (!QTest::qWaitForWindowExposed(form))
        std::fputs("trial_rate_bench: the window was never exposed\n", stderr);
    spin(100);
    auto button = [form](quindle::Button which) { return quindle::findButton(form, which); };
    constexpr int kChunkMs = 2000;
    double seconds = 0, cpu = 0;
    long trials = 0;
    for (int left = milliseconds; left > 0; left -= kChunkMs) {
        const double cpuBefore = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        button(quindle::Button::Start)->click();
        spin(std::min(left, kChunkMs));
        button(quindle::Button::Stop)->click();
        seconds += static_cast<double>(clock.nsecsElapsed()) * 1e-9;
        cpu += cpuSeconds() - cpuBefore;
        trials += program.record().trials();
        button(quindle::Button::Init)->click();
    }
    const auto n = static_cast<double>(trials);
    return {n / seconds, cpu / n};
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quindle::installFontSubstitutions();
    const int milliseconds = argc > 1 ? static_cast<int>(std::atof(argv[1]) * 1000) : 3000;

    const Rate bare = bareTimer(milliseconds);
    const Rate run = experimentWindow(milliseconds);
    std::printf("platform=%s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("timer_ticks_per_second=%.1f\n", bare.perSecond);
    std::printf("timer_cpu_us_per_tick=%.1f\n", bare.cpuPerEvent * 1e6);
    std::printf("trials_per_second=%.1f\n", run.perSecond);
    std::printf("cpu_us_per_trial=%.1f\n", run.cpuPerEvent * 1e6);
    std::printf("trials_per_tick=%.3f\n", run.perSecond / bare.perSecond); // target >= 0.97
    std::printf("cpu_percent_of_1ms=%.1f\n", run.cpuPerEvent * 1e5);       // target <= 5
    return 0;
}
