// Time to draw the whole graph with four 1000-point curves onto the graph window's surface,
// and that time as a fraction of one 60 Hz frame (target: at most 0.10); the same for the gap
// view of a full run, four curves through 4000 trials over the band of the expected range.

#include "experiment/experiment_record.h"
#include "experiment/gap_from_quarter.h"
#include "experiment/random_source.h"
#include "windows/controls/drawing_surface.h"
#include "windows/graph/graph_window_layout.h"
#include "windows/graph/plot.h"

#include "qt_benchmark_main.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <chrono>

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

// The graph window's surface with its font, at 100 %.
void setUp(DrawingSurface &surface)
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    surface.setTextFont(font);
    surface.resize(641, 321);
}

// Times each drawing until the surface's picture is complete (once the painter has finished),
// and reports the mean as a fraction of one 60 Hz frame (1/60 s).
template<class Draw> void timeDrawing(benchmark::State &state, DrawingSurface &surface, Draw draw)
{
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        draw();
        (void)surface.image();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["frame_fraction"] =
        benchmark::Counter(seconds * 60.0, benchmark::Counter::kAvgIterations);
}

void fullPlot(benchmark::State &state)
{
    const ExperimentRecord record = fullRecord();
    DrawingSurface surface(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, nullptr);
    setUp(surface);
    timeDrawing(state, surface, [&] {
        surface.beginBatch(); // as the graph window draws on each activation
        drawPlot(surface, record);
        surface.endBatch();
    });
}
BENCHMARK(fullPlot)->Unit(benchmark::kMillisecond);

void fullGapView(benchmark::State &state)
{
    const ExperimentRecord record = fullRecord();
    DrawingSurface surface(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, nullptr);
    setUp(surface);
    timeDrawing(state, surface, [&] {
        surface.clear(); // as the graph window draws the gap view on each activation
        surface.beginBatch();
        drawGapPlot(surface, gapsAlong(record.trialLog()), true);
        surface.endBatch();
    });
}
BENCHMARK(fullGapView)->Unit(benchmark::kMillisecond);

} // namespace

QUINDLE_QT_BENCHMARK_MAIN(QApplication)
