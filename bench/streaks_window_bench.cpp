// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The streaks window as the pupil waits for it, in CPU time against its targets (the fraction of
// each, at most 1 to meet it):
//
//   openOnFullRun         Streaks… on a full run of 4000 trials: the window made, its tables
//                         filled and drawn (frame_fraction: of a 60 Hz frame)
//   followFullRun         a trial more in the run: the window's own look at the runs, the tables
//                         filled again and drawn, as every quarter of a second during a run
//   followThousandRuns    a class of 1,000 runs of 200 to 4000 trials, one of them saved again
//                         with a trial more (target_fraction: of 100 ms)

#include "experiment/experiment_record.h"
#include "windows/streaks/streaks_window.h"

#include "qt_benchmark_main.h"
#include "random_runs.h"

#include <QApplication>

#include <ctime>

namespace {

using namespace quindle;
using quindle::bench::runOf;

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

StreaksWindow::Source sourceOf(const std::vector<LoggedTrials> &logs)
{
    return [&logs] {
        StreaksWindow::Runs runs;
        runs.logs.assign(logs.begin(), logs.end());
        return runs;
    };
}

void openOnFullRun(benchmark::State &state)
{
    const std::vector<LoggedTrials> logs{runOf(2026, kMaxShownTrials)};
    double seconds = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        {
            StreaksWindow window(StreaksWindow::Scope::Run, sourceOf(logs));
            window.show();
            benchmark::DoNotOptimize(window.grab());
        }
        seconds += cpuSeconds() - start;
    }
    state.counters["frame_fraction"] =
        benchmark::Counter(seconds * 60, benchmark::Counter::kAvgIterations);
}
BENCHMARK(openOnFullRun)->Unit(benchmark::kMillisecond);

// One trial more in the last run at each look, through the window's refresh and a repaint.
void follow(benchmark::State &state, std::vector<LoggedTrials> logs, double target,
            const char *counter)
{
    StreaksWindow window(StreaksWindow::Scope::Run, sourceOf(logs));
    window.show();
    double seconds = 0;
    bool head = false; // a different trial each time, so that every look finds a change
    for (auto _ : state) {
        head = !head;
        logs.back().push_back(head ? LoggedTrial(1) : LoggedTrial(4));
        const double start = cpuSeconds();
        window.refresh();
        window.repaint();
        seconds += cpuSeconds() - start;
        logs.back().pop_back();
    }
    state.counters[counter] =
        benchmark::Counter(seconds / target, benchmark::Counter::kAvgIterations);
}

void followFullRun(benchmark::State &state)
{
    follow(state, {runOf(2026, kMaxShownTrials - 1)}, 1.0 / 60, "frame_fraction");
}
BENCHMARK(followFullRun)->Unit(benchmark::kMillisecond);

void followThousandRuns(benchmark::State &state)
{
    std::vector<LoggedTrials> logs;
    for (std::uint64_t run = 0; run < 1000; ++run)
        logs.push_back(runOf(run, 200 + static_cast<int>(run * 3803 % 3801)));
    follow(state, std::move(logs), 0.1, "target_fraction");
}
BENCHMARK(followThousandRuns)->Unit(benchmark::kMillisecond);

} // namespace

QUINDLE_QT_BENCHMARK_MAIN(QApplication)
