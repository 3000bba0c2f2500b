// Time to draw the whole graph with four 1000-point curves onto the graph window's surface,
// and that time as a fraction of one 60 Hz frame (target: at most 0.10).

#include "experiment/experiment_record.h"
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
    return record;
}

void fullPlot(benchmark::State &state)
{
    const ExperimentRecord record = fullRecord();
    DrawingSurface surface(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, nullptr);
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    surface.setTextFont(font);
    surface.resize(641, 321);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        surface.beginBatch(); // as the graph window draws on each activation
        drawPlot(surface, record);
        surface.endBatch();
        (void)surface.image(); // the drawing is complete once the painter has finished
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    // Mean time of one draw divided by one 60 Hz frame (1/60 s).
    state.counters["frame_fraction"] =
        benchmark::Counter(seconds * 60.0, benchmark::Counter::kAvgIterations);
}
BENCHMARK(fullPlot)->Unit(benchmark::kMillisecond);

} // namespace

QUINDLE_QT_BENCHMARK_MAIN(QApplication)
