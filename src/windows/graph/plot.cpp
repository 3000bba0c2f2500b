#include "windows/graph/plot.h"

#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"
#include "experiment/experiment_record.h"
#include "experiment/int16.h"
#include "windows/controls/surface_operations.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_colors.h"

#include <QCoreApplication>
#include <QLocale>

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
    for (int count = 1; count <= kRunLimit; ++count) {
        const double half = expectedRangeHalfWidth(static_cast<double>(expectedTrialsFor(count)));
        const double low = std::max(0.0, kExpectedRatio - half);
        const double high = std::min(1.0, kExpectedRatio + half);
        surface.line(at(kOriginX + count), y(high), at(kOriginX + count), y(low),
                     kExpectedRangeColor);
    }
}

namespace {

// The gap view's frame in plot units: the vertical axis at x = 100 as in the plot, the trials
// across to x = 1100; the gap's lower end on the horizontal axis at y = 110, 0 half-way up at
// y = 60 and the upper end at y = 10, where the plot has its ratio 1.
constexpr float kAxisLength = 1000;
constexpr float kGapZeroY = 60;
constexpr float kGapHalfHeight = 50;
// About the width of one character of the plot's font in plot units across: a number is
// placed by its length, centred under its mark or ending left of the vertical axis.
constexpr float kCharacterWidth = 11;

struct GapFrame
{
    GapScale scale;

    [[nodiscard]] float x(double trials) const
    {
        return at(kOriginX) +
               static_cast<float>(trials / static_cast<double>(scale.trials)) * kAxisLength;
    }
    [[nodiscard]] float y(double gap) const
    {
        const double reach = std::clamp(gap / static_cast<double>(scale.gap), -1.0, 1.0);
        return kGapZeroY - static_cast<float>(reach) * kGapHalfHeight;
    }
};

// A number on an axis in the language's form, not grouped ("3600"); a gap above 0 with its
// sign ("+20").
QString axisNumber(long long value, bool gap)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString number = locale.toString(value);
    return gap && value > 0 ? locale.positiveSign() + number : number;
}

void printNumber(SurfaceOperations &surface, float x, float y, const QString &number)
{
    surface.setCurrentX(x);
    surface.setCurrentY(y);
    surface.print(number.toStdString());
}

void drawGapFrame(SurfaceOperations &surface, const GapFrame &frame)
{
    const float left = at(kOriginX), right = left + kAxisLength;
    surface.line(left, 5, left, at(kAxisY), kBlack);
    surface.line(left, at(kAxisY), right, at(kAxisY), kBlack);
    // A mark and a number for each step of the gap, the axis's own end with no mark; the
    // numbers end a little left of the marks, each a little above its mark as in the plot.
    const GapScale &scale = frame.scale;
    for (long long gap = -scale.gap; gap <= scale.gap; gap += scale.step) {
        const float y = frame.y(static_cast<double>(gap));
        if (gap > -scale.gap)
            surface.line(95, y, 105, y, kBlack);
        const QString number = axisNumber(gap, true);
        printNumber(surface, 92 - kCharacterWidth * static_cast<float>(number.size()), y - 2,
                    number);
    }
    // The dashed line at 0, where a count is exactly a quarter of the trials.
    for (int x = 100; x <= 1080; x += 20)
        surface.line(at(x), kGapZeroY, at(x + 10), kGapZeroY, kBlack);
    // A mark every tenth of the trials, numbered between the axis's ends, as in the plot.
    for (int tenth = 0; tenth <= 9; ++tenth) {
        const float x = left + kAxisLength * static_cast<float>(tenth) / 10;
        surface.line(x, 109, x, 111, kBlack);
        if (tenth == 0)
            continue;
        const QString number = axisNumber(scale.trials / 10 * tenth, false);
        printNumber(surface, x - kCharacterWidth / 2 * static_cast<float>(number.size()), 112,
                    number);
    }
    //: The gap view's horizontal axis title, printed at the bottom left just above the axis,
    //: where the curves are still close to 0: there is room for about 50 characters.
    printAt(surface, 120, 100,
            translated(QT_TRANSLATE_NOOP("quindle::Plot", "(Horizontal axis : Number of trials)")));
    //: The gap view's vertical axis title, printed at the top left of the graph: each outcome's
    //: count less a quarter of all trials. There is room for about 80 characters.
    printAt(surface, 120, 10,
            translated(QT_TRANSLATE_NOOP("quindle::Plot",
                                         "(Vertical axis : Count minus a quarter of the trials)")));
}

} // namespace

void drawGapPlot(SurfaceOperations &surface, std::span<const Gaps> gaps, bool range)
{
    double widest = 0;
    for (const Gaps &after : gaps)
        for (const double gap : after)
            widest = std::max(widest, std::abs(gap));
    const GapFrame frame{gapScaleFor(static_cast<long long>(gaps.size()), widest)};
    if (range) {
        // One line a plot unit across, from the band's top to its bottom at that many trials.
        for (int unit = 1; unit <= static_cast<int>(kAxisLength); ++unit) {
            const double trials = static_cast<double>(frame.scale.trials) * unit / kAxisLength;
            const double half = gapRangeHalfWidth(trials);
            const float x = at(kOriginX + unit);
            surface.line(x, frame.y(half), x, frame.y(-half), kExpectedRangeColor);
        }
    }
    drawGapFrame(surface, frame);
    // Each curve starts at 0 trials, where every count is a quarter of them, and goes through
    // every trial of the log. A gap moves by +3/4 when its outcome comes up and by -1/4 when it
    // does not, so a straight stretch needs only its ends: a line is drawn where the step
    // changes, which keeps the same curve in about a third of the lines.
    const auto gapAt = [&gaps](std::size_t trials, std::size_t n) {
        return trials == 0 ? 0.0 : gaps[trials - 1][n];
    };
    for (std::size_t n = 0; n < kOutcomes; ++n) {
        const Rgb color = kOutcomeColors[n];
        surface.point(frame.x(0), frame.y(0), color);
        for (std::size_t trials = 1; trials <= gaps.size(); ++trials) {
            const double gap = gapAt(trials, n);
            if (trials == gaps.size() || gapAt(trials + 1, n) - gap != gap - gapAt(trials - 1, n))
                surface.lineTo(frame.x(static_cast<double>(trials)), frame.y(gap), color);
        }
    }
}

} // namespace quindle
