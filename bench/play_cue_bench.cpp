// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Time from calling playCue to its return, on the real sound device (target: median under
// 1 ms, so Init and Help stay instant). Run it with or without an audio server.

#include "experiment/cue.h"
#include "sound/cue_player.h"

#include "qt_benchmark_main.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

using namespace quindle;

void playCue(benchmark::State &state)
{
    QObject window;
    auto *device = new CuePlayer(&window);
    bool second = false;
    for (auto _ : state) {
        playCue(*device, second ? kExitCue : kChimeCue);
        second = !second;
        state.PauseTiming();
        QCoreApplication::processEvents(); // let the sound load and start, as the program would
        state.ResumeTiming();
    }
}
BENCHMARK(playCue)
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

QUINDLE_QT_BENCHMARK_MAIN(QGuiApplication)
