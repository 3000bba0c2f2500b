// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Time to draw the whole graph with four 1000-point curves onto the graph window's surface, in
// CPU time and as a fraction of one 60 Hz frame (target: at most 0.10); the same for the gap
// view and the number of heads of a full run.
//
//   fullPlot     the plot drawn on a blank surface, as a graph window opened on a full run draws
//                it, to the last pixel of its picture
//   replot       the same plot drawn again over itself, as each later activation of the window
//                draws it
//   fullGapView  the gap view of a full run (four curves through 4000 trials over the band of
//                the expected range), drawn afresh as the window draws it on each activation
//   fullHeadsView  the number of heads of a full run (three shares through 4000 trials over the
//                bands around a quarter and a half), drawn afresh as the window draws it

#include "experiment/experiment_record.h"
#include "experiment/gap_from_quarter.h"
#include "experiment/number_of_heads.h"
#include "experiment/random_source.h"
#include "windows/controls/drawing_surface.h"
#include "windows/graph/graph_window_layout.h"
#include "windows/graph/plot.h"

#include "qt_benchmark_main.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

using namespace quindle;

ExperimentRecord fullRecord()
{
    ExperimentRecord record;
    for (int n = 1; n <= kOutcomes; ++n) {
        for (int i = 0; i <= 1000; ++i)
            record.recordHistory(n, i, static_cast<Int16>(20 + (i * 7 + n * 13) % 11));
        record.setCount(n, n == 1 ? 1001 : 1000);
    }
    Pcg32Source random(2026);
    const auto face = [&random] { return random.next() < 0.5F ? Face::Head : Face::Tail; };
    for (int trial = 0; trial < kMaxShownTrials; ++trial) {
        const Face first = face();
        record.logTrial(first, face());
    }
    return record;
}

// The graph window's surface and its font.
void prepare(DrawingSurface &surface)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    surface.setTextFont(font);
    surface.resize(641, 321);
}

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Times draw(surface) as the graph window draws on each activation, on a blank surface or
// over the picture it drew before, until its picture is complete.
template<class Draw> void timeDrawing(benchmark::State &state, bool blank, Draw draw)
{
    DrawingSurface surface(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, nullptr);
    prepare(surface);
    (void)surface.image(); // the canvas, made once as the window makes it on first showing
    double seconds = 0;
    for (auto _ : state) {
        const double start = cpuSeconds();
        if (blank)
            surface.clear();
        surface.beginBatch();
        draw(surface);
        surface.endBatch();
        (void)surface.image(); // the drawing is complete once its picture is
        seconds += cpuSeconds() - start;
    }
    // Mean CPU time of one draw divided by one 60 Hz frame (1/60 s).
    state.counters["frame_fraction"] =
        benchmark::Counter(seconds * 60.0, benchmark::Counter::kAvgIterations);
}

void plot(benchmark::State &state, bool blank)
{
    const ExperimentRecord record = fullRecord();
    timeDrawing(state, blank, [&record](DrawingSurface &surface) { drawPlot(surface, record); });
}

void fullPlot(benchmark::State &state)
{
    plot(state, true);
}
BENCHMARK(fullPlot)->Unit(benchmark::kMillisecond);

void replot(benchmark::State &state)
{
    plot(state, false);
}
BENCHMARK(replot)->Unit(benchmark::kMillisecond);

void fullGapView(benchmark::State &state)
{
    const ExperimentRecord record = fullRecord();
    timeDrawing(state, true, [&record](DrawingSurface &surface) {
        drawGapPlot(surface, gapsAlong(record.trialLog()), true);
    });
}
BENCHMARK(fullGapView)->Unit(benchmark::kMillisecond);

void fullHeadsView(benchmark::State &state)
{
    const ExperimentRecord record = fullRecord();
    timeDrawing(state, true, [&record](DrawingSurface &surface) {
        drawHeadsPlot(surface, headsSharesAlong(record.trialLog()), true);
    });
}
BENCHMARK(fullHeadsView)->Unit(benchmark::kMillisecond);

} // namespace

QUINDLE_QT_BENCHMARK_MAIN(QApplication)
