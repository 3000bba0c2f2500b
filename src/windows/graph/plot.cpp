// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/graph/plot.h"

#include "windows/graph/trials_axis.h"

#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"
#include "experiment/experiment_record.h"
#include "experiment/int16.h"
#include "windows/controls/surface_operations.h"
#include "windows/plotting/axis.h"
#include "windows/plotting/band.h"
#include "windows/plotting/reference_line.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_colors.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
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

// A ratio on the vertical axis: "0.25", with the language's decimal sign.
std::string axisLabel(double ratio)
{
    return shownRatio(ratio, 2).toStdString();
}

// The plot's ratios as a band takes them, between 0 and 1.
struct RatioAxis
{
    [[nodiscard]] float at(double ratio) const { return y(std::clamp(ratio, 0.0, 1.0)); }
};

// y of history element i of an outcome: 110 - percent, in 16-bit arithmetic.
float ratioY(const History &history, int index)
{
    return at(checkedAdd(kAxisY, static_cast<Int16>(-history.at(index))));
}

} // namespace

// A mark every tenth of the trials, numbered between the axis's ends, as in the plot.
Axis trialsAxis(const LinearScale &trials, long long end)
{
    Axis horizontal{.at = kTrialsAxisY,
                    .from = trials.start,
                    .to = trials.end,
                    .ticks = ticksEvery(trials, 0, end / 10 * 9, end / 10, Sign::BelowZeroOnly),
                    .look = {.markFrom = -1,
                             .markTo = 1,
                             .numberAcross = 2,
                             .align = 0.5F,
                             .characterWidth = kCharacterWidth}};
    horizontal.ticks.front().number.clear();
    //: The gap view's horizontal axis title, printed at the bottom left just above the axis,
    //: where the curves are still close to 0: there is room for about 50 characters.
    horizontal.title =
        translated(QT_TRANSLATE_NOOP("quindle::Plot", "(Horizontal axis : Number of trials)"));
    horizontal.titleX = 120;
    horizontal.titleY = 100;
    return horizontal;
}

std::string translated(const char *text)
{
    return QCoreApplication::translate("quindle::Plot", text).toStdString();
}

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
    //: The vertical axis's title, printed right of the axis's top: each outcome's share of all
    //: trials, its relative frequency.
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
    // A column a count across, for the about 4k trials in which an outcome came up k times.
    const LinearScale counts{kRunLimit, at(kOriginX), at(kOriginX + kRunLimit)};
    drawBand(
        surface, counts, RatioAxis{}, kExpectedRatio,
        [](float x) {
            const int count = static_cast<int>(x) - kOriginX;
            return expectedRangeHalfWidth(static_cast<double>(expectedTrialsFor(count)));
        },
        kExpectedRangeColor);
}

namespace {

// The gap view's frame in plot units: the trials across from x = 100 to 1100 (trialsAxis); the
// gap's lower end on the horizontal axis at y = 110, 0 half-way up at y = 60 and the upper end
// at y = 10, where the plot has its ratio 1.
// A mark and a number for each step of the gap, the axis's lower end with no mark; the numbers
// end a little left of the marks, each a little above its mark as in the plot.
Axis gapAxis(const LinearScale &gaps, const GapAxis &axis)
{
    Axis vertical{.at = at(kOriginX),
                  .from = 5,
                  .to = at(kAxisY),
                  .ticks = ticksEvery(gaps, -axis.end, axis.end, axis.step, Sign::Always),
                  .look = kVerticalAxisLook};
    vertical.ticks.front().marked = false;
    //: The gap view's vertical axis title, printed at the top left of the graph: each outcome's
    //: count less a quarter of all trials. There is room for about 80 characters.
    vertical.title = translated(QT_TRANSLATE_NOOP(
        "quindle::Plot", "(Vertical axis : Count minus a quarter of the trials)"));
    vertical.titleX = 120;
    vertical.titleY = 10;
    return vertical;
}

// Each curve starts at 0 trials, where every count is a quarter of them, and goes through
// every trial of the log. A gap moves by +3/4 when its outcome comes up and by -1/4 when it
// does not, so a straight stretch needs only its ends: a line is drawn where the step changes,
// which keeps the same curve in about a third of the lines.
void drawGapCurves(SurfaceOperations &surface, std::span<const Gaps> gaps,
                   const LinearScale &trials, const LinearScale &across)
{
    const auto gapAt = [&gaps](std::size_t after, std::size_t n) {
        return after == 0 ? 0.0 : gaps[after - 1][n];
    };
    for (std::size_t n = 0; n < kOutcomes; ++n) {
        const Rgb color = kOutcomeColors[n];
        surface.point(trials.at(0), across.at(0), color);
        for (std::size_t after = 1; after <= gaps.size(); ++after) {
            const double gap = gapAt(after, n);
            if (after == gaps.size() || gapAt(after + 1, n) - gap != gap - gapAt(after - 1, n))
                surface.lineTo(trials.at(static_cast<double>(after)), across.at(gap), color);
        }
    }
}

} // namespace

void drawGapPlot(SurfaceOperations &surface, std::span<const Gaps> gaps, bool range)
{
    const long long trialsEnd = gapTrialsAxisEnd(static_cast<long long>(gaps.size()));
    double widest = 0;
    for (const Gaps &after : gaps)
        for (const double gap : after)
            widest = std::max(widest, std::abs(gap));
    const double band = gapRangeHalfWidth(static_cast<double>(trialsEnd));
    const GapAxis gapEnds = gapAxisFor(widest, band);
    const LinearScale trials = trialsScale(trialsEnd);
    const LinearScale across{static_cast<double>(gapEnds.end), at(kAxisY), 10, true};
    // At each plot unit across, the band at its trials: the axis's end times the units from the
    // vertical axis, a thousandth of them.
    if (range)
        drawBand(
            surface, trials, across, 0,
            [trialsEnd](float x) {
                return gapRangeHalfWidth(static_cast<double>(trialsEnd) * (x - kTrialsFrom) /
                                         (kTrialsTo - kTrialsFrom));
            },
            kExpectedRangeColor);
    // The dashed line at 0, where a count is exactly a quarter of the trials.
    drawReferenceLine(
        surface,
        {.y = across.at(0), .from = trials.start, .to = trials.end, .dash = 10, .period = 20});
    drawAxes(surface, gapAxis(across, gapEnds), trialsAxis(trials, trialsEnd));
    drawGapCurves(surface, gaps, trials, across);
}

} // namespace quindle
