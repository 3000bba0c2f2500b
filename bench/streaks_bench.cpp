// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The streak tables, worked out as the streaks window asks for them, in CPU time against their
// targets: a full run of 4000 trials within a 60 Hz frame (frame_fraction at most 1), a class of
// 1,000 pooled runs of 200 to 4000 trials within 100 ms (target_fraction at most 1).
//
//   fullRun       one run's tables: the longest streaks with their spreads, what followed
//   thousandRuns  the tables of a class of 1,000 runs, streaks kept within each run

#include "experiment/experiment_record.h"
#include "experiment/streak_tables.h"

#include "random_runs.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

using namespace quindle;
using quindle::bench::runOf;

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void timeTables(benchmark::State &state, const std::vector<LoggedTrials> &logs, double target,
                const char *counter)
{
    const std::vector<std::span<const LoggedTrial>> runs(logs.begin(), logs.end());
    double seconds = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        benchmark::DoNotOptimize(streakTables(runs));
        seconds += cpuSeconds() - start;
    }
    state.counters[counter] =
        benchmark::Counter(seconds / target, benchmark::Counter::kAvgIterations);
}

void fullRun(benchmark::State &state)
{
    timeTables(state, {runOf(2026, kMaxShownTrials)}, 1.0 / 60, "frame_fraction");
}
BENCHMARK(fullRun)->Unit(benchmark::kMillisecond);

void thousandRuns(benchmark::State &state)
{
    std::vector<LoggedTrials> logs;
    for (std::uint64_t run = 0; run < 1000; ++run)
        logs.push_back(runOf(run, 200 + static_cast<int>(run * 3803 % 3801)));
    timeTables(state, logs, 0.1, "target_fraction");
}
BENCHMARK(thousandRuns)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
