#include "windows/graph/plot.h"

#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"
#include "experiment/experiment_record.h"
#include "experiment/int16.h"
#include "windows/controls/surface_operations.h"
#include "windows/support/outcome_colors.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace quindle {

namespace {

constexpr Rgb kBlack{0, 0, 0};

// The plot's frame in plot units (the surface's scale makes its inner area 1114 x 120): the
// axes meet at (100, 110); one unit across per occurrence, so the run's last recorded index,
// 1000, lands on the axis's end at 1100; one unit up per percent, so ratio 1 is at y = 10 and
// the reference line for the expected ratio, 0.25, at y = 85.
constexpr Int16 kOriginX = 100; // history index 0
constexpr Int16 kAxisY = 110;   // ratio 0
constexpr double kUnitsPerRatio = 100;

// y of a ratio.
float y(double ratio)
{
    return static_cast<float>(kAxisY - kUnitsPerRatio * ratio);
}

float at(int value)
{
    return static_cast<float>(value);
}

void printAt(SurfaceOperations &surface, int x, int y, const std::string &text)
{
    surface.setCurrentX(at(x));
    surface.setCurrentY(at(y));
    surface.print(text);
}

// A ratio on the vertical axis: "0.25".
std::string axisLabel(double ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", ratio);
    return text;
}

std::string translated(const char *text)
{
    return QCoreApplication::translate("quindle::Plot", text).toStdString();
}

// y of history element i of an outcome: 110 - percent, in 16-bit arithmetic.
float ratioY(const History &history, int index)
{
    return at(checkedAdd(kAxisY, static_cast<Int16>(-history.at(index))));
}

} // namespace

void drawPlot(SurfaceOperations &surface, const ExperimentRecord &record)
{
    surface.line(at(kOriginX), 5, at(kOriginX), at(kAxisY), kBlack);
    surface.line(at(kOriginX), at(kAxisY), 1100, at(kAxisY), kBlack);

    for (int y = 10; y <= 100; y += 10)
        surface.line(95, at(y), 105, at(y), kBlack);
    for (int x = 100; x <= 1080; x += 20)
        surface.line(at(x), y(kExpectedRatio), at(x + 10), y(kExpectedRatio), kBlack);

    // Each label a little above its ratio, the one at 0 beside it.
    printAt(surface, 60, 110, axisLabel(0));
    printAt(surface, 60, 83, axisLabel(kExpectedRatio));
    printAt(surface, 60, 8, axisLabel(1));

    for (int x = 100; x <= 1000; x += 100)
        surface.line(at(x), 109, at(x), 111, kBlack);

    //: The horizontal axis's title, printed from about 60 % of the graph's width to its right
    //: edge: there is room for about 35 characters.
    printAt(surface, 780, 100,
            translated(QT_TRANSLATE_NOOP("quindle::Plot", "(Horizontal axis : Number of times)")));
    printAt(surface, 120, 10,
            translated(QT_TRANSLATE_NOOP("quindle::Plot", "(Vertical axis : Ratio)")));
    for (int k = 1; k <= 9; ++k)
        printAt(surface, 85 + 100 * k, 112, std::to_string(100 * k));

    for (int outcome = 1; outcome <= kOutcomes; ++outcome) {
        const Rgb color = outcomeColor(outcome);
        const History &history = record.history(outcome);
        surface.point(at(kOriginX + 1), ratioY(history, 1), color);
        // Each curve ends at the last element the current run recorded: a trial that ends a
        // run raises a count without recording its element, and that element may still hold
        // an earlier run's value.
        const int last =
            std::min<int>({record.count(outcome), record.lastRecorded(outcome), kRunLimit});
        for (int i = 2; i <= last; ++i)
            surface.lineTo(at(kOriginX + i), ratioY(history, i), color);
    }
}

void drawExpectedRange(SurfaceOperations &surface)
{
    for (int count = 1; count <= kRunLimit; ++count) {
        const double half = expectedRangeHalfWidth(static_cast<double>(expectedTrialsFor(count)));
        const double low = std::max(0.0, kExpectedRatio - half);
        const double high = std::min(1.0, kExpectedRatio + half);
        surface.line(at(kOriginX + count), y(high), at(kOriginX + count), y(low),
                     kExpectedRangeColor);
    }
}

} // namespace quindle
