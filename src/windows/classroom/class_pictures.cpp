// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/classroom/class_pictures.h"

#include "experiment/expected_range.h"
#include "windows/controls/surface_operations.h"
#include "windows/plotting/axis.h"
#include "windows/plotting/band.h"
#include "windows/plotting/reference_line.h"
#include "windows/plotting/scale.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_colors.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <unordered_set>
#include <vector>

namespace quindle {

namespace {

constexpr double kTopRatio = 0.5; // ratios above it are drawn at the top edge
constexpr float kLeft = 40;       // the plot's left edge, right of the ratios' numbers
constexpr float kTitleTop = 4;    // the title's first line
constexpr float kTitleLine = 18;  // each further line of the title, and the room under the last
constexpr float kRight = 24;      // the room right of the plot, where the last number ends
constexpr float kNumbersLeft = 4; // where the ratios' numbers start
// About the width of a character of the pictures' texts, in pixels: numbers are placed by
// their length.
constexpr float kCharacterWidth = 8.5F;

// A picture's title over its plot, and the plot's edges below it.
struct Page
{
    std::vector<std::string> title;
    float left, top, right, bottom, width;
};

// The title in lines that fit a picture size wide, and the plot under it.
Page pageFor(QSize size, const char *title, const TextWidth &measure)
{
    const std::string words =
        QCoreApplication::translate("quindle::ClassPictures", title).toStdString();
    const auto width = static_cast<float>(size.width());
    Page page{linesWithin(words, width - kLeft - 4 - 1, measure),
              kLeft,
              0,
              width - kRight,
              static_cast<float>(size.height() - 26),
              width};
    page.top = kTitleTop + kTitleLine * static_cast<float>(page.title.size());
    return page;
}

// The trials from 1 to the next power of ten above the class's trials, at least 1000, on a
// logarithmic scale across the page; the ratios from 0 to kTopRatio up.
struct RatioFrame
{
    LogScale trials;
    LinearScale ratios;
};

RatioFrame ratioFrame(const Page &page, long long trials, double top = kTopRatio)
{
    const double last = std::pow(10.0, std::max(3.0, std::ceil(std::log10(double(trials) * 1.2))));
    return {{last, page.left, page.right}, {top, page.bottom, page.top}};
}

// The trials the class curve is drawn at: one position a pixel column, from the first trial to
// the class's last.
std::vector<long long> curvePositions(const Page &page, const RatioFrame &frame, long long trials)
{
    std::vector<long long> positions;
    for (float x = page.left; x <= frame.trials.at(double(trials)); x += 1) {
        const auto n = std::min(trials, std::llround(frame.trials.valueAt(x)));
        if (positions.empty() || n > positions.back())
            positions.push_back(n);
    }
    return positions;
}

// One curve through the positions, shareAt(the pool's shares there) up; a gap where it is NaN.
template<class ShareAt>
void drawCurveThrough(SurfaceOperations &surface, const RatioFrame &frame, const ClassPool &pool,
                      const std::vector<long long> &positions, ShareAt shareAt, Rgb color)
{
    bool drawing = false;
    for (const long long position : positions) {
        // The pool keeps the curve finer than a pixel column.
        const double share = shareAt(pool.curve.at(position));
        if (std::isnan(share)) {
            drawing = false;
            continue;
        }
        const float x = frame.trials.at(double(position)), y = frame.ratios.at(share);
        if (drawing)
            surface.lineTo(x, y, color);
        else
            surface.point(x, y, color);
        drawing = true;
    }
}

// An axis along the page's left edge or its bottom, marks outside the plot, numbers beyond them.
Axis leftAxis(const Page &page, std::vector<Tick> ticks)
{
    return {.at = page.left,
            .from = page.top,
            .to = page.bottom,
            .ticks = std::move(ticks),
            .look = {.markFrom = -3,
                     .numberAcross = -5,
                     .numberAlong = -6,
                     .align = 1,
                     .characterWidth = kCharacterWidth,
                     .leftmost = 0}};
}

Axis bottomAxis(const Page &page, std::vector<Tick> ticks, float numberAlong, float align)
{
    return {.at = page.bottom,
            .from = page.left,
            .to = page.right,
            .ticks = std::move(ticks),
            .look = {.markTo = 3,
                     .numberAcross = 5,
                     .numberAlong = numberAlong,
                     .align = align,
                     .characterWidth = kCharacterWidth,
                     .rightmost = page.width}};
}

// A ratio on the vertical axis: "0", "0.25", "0.5", with the language's decimal sign.
QString ratioNumber(double ratio)
{
    char label[32];
    std::snprintf(label, sizeof label, "%g", ratio);
    return shownNumber(label);
}

// The band of the expected range, the dashed line at the expected ratio, the axes with their
// marks and numbers (the ratios' at the picture's left edge), and the title.
void drawRatioFrame(SurfaceOperations &surface, const Page &page, const RatioFrame &frame)
{
    drawBand(
        surface, frame.trials, frame.ratios, kExpectedRatio,
        [&frame](float x) { return expectedRangeHalfWidth(frame.trials.valueAt(x)); },
        kExpectedRangeColor);
    drawReferenceLine(surface, {.y = frame.ratios.at(kExpectedRatio),
                                .from = page.left,
                                .to = page.right,
                                .dash = 4,
                                .period = 8});
    std::vector<Tick> ratios;
    for (const double ratio : {0.0, kExpectedRatio, kTopRatio})
        ratios.push_back({frame.ratios.at(ratio), true, ratioNumber(ratio)});
    Axis vertical = leftAxis(page, std::move(ratios));
    vertical.look.numberAcross = kNumbersLeft - page.left;
    vertical.look.align = 0;
    // The numbers start a little left of their marks; the last ends inside the picture.
    drawAxes(surface, vertical, bottomAxis(page, powersOfTen(frame.trials), -8, 0));
    printLines(surface, kLeft + 4, kTitleTop, kTitleLine, page.title);
}

// A square mark of the given size around a point.
void mark(SurfaceOperations &surface, float x, float y, int size, Rgb color)
{
    const float half = static_cast<float>(size / 2);
    for (int row = 0; row < size; ++row)
        surface.line(x - half, y - half + static_cast<float>(row), x + half,
                     y - half + static_cast<float>(row), color);
}

} // namespace

void drawFunnel(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                const TextWidth &measure)
{
    surface.clear();
    const Page page =
        pageFor(size,
                //: The funnel picture's title: each run's ratios against its number of trials.
                QT_TRANSLATE_NOOP("quindle::ClassPictures",
                                  "Each run's ratios against its trials; the class, larger"),
                measure);
    const RatioFrame frame = ratioFrame(page, pool.trials);
    drawRatioFrame(surface, page, frame);
    // A class of a thousand runs of about the same length puts many marks on one spot: each
    // spot is drawn once an outcome.
    std::unordered_set<std::uint64_t> marked;
    for (const PooledRun &run : pool.runs) {
        if (run.run->trials == 0) // no ratio to show
            continue;
        const float x = frame.trials.at(run.run->trials);
        for (int n = 0; n < kOutcomes; ++n) {
            const auto outcome = static_cast<std::size_t>(n);
            const float y = frame.ratios.at(double(run.run->counts[outcome]) / run.run->trials);
            const auto spot = (static_cast<std::uint64_t>(std::lround(x)) << 32U) |
                              (static_cast<std::uint64_t>(std::lround(y)) << 2U) | outcome;
            if (marked.insert(spot).second)
                mark(surface, x, y, 3, outcomeColor(n + 1));
        }
    }
    if (pool.trials > 0) {
        for (int n = 0; n < kOutcomes; ++n)
            mark(surface, frame.trials.at(double(pool.trials)),
                 frame.ratios.at(pool.ratios[static_cast<std::size_t>(n)]), 7, outcomeColor(n + 1));
    }
}

void drawClassCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                    const TextWidth &measure)
{
    surface.clear();
    const Page page = pageFor(size,
                              //: The class curve's title: all runs' trials one after another.
                              QT_TRANSLATE_NOOP("quindle::ClassPictures",
                                                "All runs one after another: each share so far"),
                              measure);
    const RatioFrame frame = ratioFrame(page, pool.trials);
    drawRatioFrame(surface, page, frame);
    if (pool.trials == 0)
        return;
    const std::vector<long long> positions = curvePositions(page, frame, pool.trials);
    for (int n = 1; n <= kOutcomes; ++n)
        drawCurveThrough(
            surface, frame, pool, positions,
            [slot = outcomeIndex(n)](const Shares &shares) { return shares[slot]; },
            outcomeColor(n));
}

namespace {

// The class's gap curve's trials axis: a mark every fifth of the trials, each with its number
// where the numbers fit between the marks (a class of a million trials and more has only its
// ends numbered); the last number ends inside the picture.
Axis fifthsAxis(const Page &page, const LinearScale &trials, long long end)
{
    Axis axis = bottomAxis(page, ticksEvery(trials, 0, end, end / 5, Sign::BelowZeroOnly), 0, 0.5F);
    const float spacing = (page.right - page.left) / 5;
    for (std::size_t fifth = 1; fifth + 1 < axis.ticks.size(); ++fifth) {
        QString &number = axis.ticks[fifth].number;
        if (kCharacterWidth * static_cast<float>(number.size()) > spacing - kCharacterWidth)
            number.clear();
    }
    return axis;
}

// Each curve from 0 trials, where every count is a quarter of them, through the positions.
void drawGapCurves(SurfaceOperations &surface, const std::vector<long long> &positions,
                   const std::vector<Gaps> &curve, const LinearScale &trials,
                   const LinearScale &gaps)
{
    for (int outcome = 1; outcome <= kOutcomes; ++outcome) {
        const Rgb color = outcomeColor(outcome);
        surface.point(trials.at(0), gaps.at(0), color);
        for (std::size_t i = 0; i < positions.size(); ++i) {
            const double gap = curve[i][static_cast<std::size_t>(outcome - 1)];
            if (!std::isnan(gap))
                surface.lineTo(trials.at(double(positions[i])), gaps.at(gap), color);
        }
    }
}

} // namespace

void drawClassGapCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                       const TextWidth &measure)
{
    surface.clear();
    const Page page = pageFor(
        size,
        //: The class's gap picture's title: all runs' trials one after another, each outcome's
        //: count less a quarter of the trials so far (not the count less 1/4). Room for about
        //: 50 characters a line; a longer title is broken into lines at its blanks.
        QT_TRANSLATE_NOOP("quindle::ClassPictures",
                          "All runs one after another: each count minus a quarter of the trials"),
        measure);
    // Trials from 0 across, linearly, so that the band's width grows as the square root of
    // the trials; one position a pixel column, from the first trial to the class's last.
    const long long trialsEnd = gapTrialsAxisEnd(pool.trials);
    const LinearScale trials{static_cast<double>(trialsEnd), page.left, page.right};
    std::vector<long long> positions;
    for (float x = page.left + 1; x <= trials.at(double(pool.trials)) + 0.5F; x += 1) {
        const auto n = std::clamp(std::llround(trials.valueAt(x)), 1LL, pool.trials);
        if (positions.empty() || n > positions.back())
            positions.push_back(n);
    }
    // Gaps from -end to +end up, 0 half-way, holding the curve's widest gap and the band.
    const std::vector<Gaps> curve = classGapCurve(pool, positions);
    double widest = 0;
    for (const Gaps &gaps : curve)
        for (const double gap : gaps)
            widest = std::isnan(gap) ? widest : std::max(widest, std::abs(gap));
    const GapAxis gapEnds = gapAxisFor(widest, gapRangeHalfWidth(static_cast<double>(trialsEnd)));
    const LinearScale gaps{static_cast<double>(gapEnds.end), page.bottom, page.top, true};

    drawBand(
        surface, trials, gaps, 0,
        [&trials](float x) { return gapRangeHalfWidth(trials.valueAt(x)); }, kExpectedRangeColor);
    drawReferenceLine(
        surface, {.y = gaps.at(0), .from = page.left, .to = page.right, .dash = 4, .period = 8});
    drawAxes(
        surface,
        leftAxis(page, ticksEvery(gaps, -gapEnds.end, gapEnds.end, gapEnds.step, Sign::Always)),
        fifthsAxis(page, trials, trialsEnd));
    printLines(surface, kLeft + 4, kTitleTop, kTitleLine, page.title);
    if (pool.trials > 0)
        drawGapCurves(surface, positions, curve, trials, gaps);
}

namespace {

// The number-of-heads pictures' shares run higher than the ratios: one head's half lies well
// inside.
constexpr double kTopHeadsShare = 0.75;

// The share of one head, Head/Tail and Tail/Head together, of a run's or the class's trials.
double oneHeadShare(std::span<const long long, kOutcomes> counts, long long trials)
{
    return ratioOf(headsCounts(counts)[headsIndex(Heads::One)], trials);
}

// The dotted line at a third, what the shares would be if the three were equally likely, with
// those words above its right end, in as many lines as the plot's width needs.
void drawEquallyLikelyLine(SurfaceOperations &surface, const Page &page, const RatioFrame &frame,
                           const TextWidth &measure)
{
    const float y = frame.ratios.at(kEquallyLikelyShare);
    drawReferenceLine(surface, {.y = y,
                                .from = page.left,
                                .to = page.right,
                                .dash = 1,
                                .period = 4,
                                .color = kEquallyLikelyColor});
    // The graph's words for the same line, one text for the translators.
    const std::string words =
        QCoreApplication::translate(
            "quindle::Plot",
            //: Marks the dotted line at 1/3 in the number-of-heads view: what the shares of two
            //: heads, one head and no head would be if the three were equally likely. Printed
            //: above the line's right half: room for about 45 characters.
            QT_TRANSLATE_NOOP("quindle::Plot", "if the three were equally likely"))
            .toStdString();
    const auto widthOf = [&measure](const std::string &text) {
        return measure ? measure(text) : kCharacterWidth * static_cast<float>(text.size());
    };
    const float room = page.right - page.left - 8;
    const std::vector<std::string> lines = linesWithin(words, room, measure);
    float widest = 0;
    for (const std::string &line : lines)
        widest = std::max(widest, widthOf(line));
    const float top = y - 2 - kTitleLine * static_cast<float>(lines.size());
    printLines(surface, std::max(page.left + 4, page.right - 4 - widest), top, kTitleLine, lines);
}

// The bands of the ranges around `centres` with a dashed line at each, the dotted third, the
// axes (the shares numbered at each quarter) and the title.
void drawHeadsFrame(SurfaceOperations &surface, const Page &page, const RatioFrame &frame,
                    std::span<const double> centres, const TextWidth &measure)
{
    for (const double centre : centres)
        drawBand(
            surface, frame.trials, frame.ratios, centre,
            [&frame, centre](float x) {
                return shareRangeHalfWidth(centre, frame.trials.valueAt(x));
            },
            kExpectedRangeColor);
    for (const double centre : centres)
        drawReferenceLine(surface, {.y = frame.ratios.at(centre),
                                    .from = page.left,
                                    .to = page.right,
                                    .dash = 4,
                                    .period = 8});
    drawEquallyLikelyLine(surface, page, frame, measure);
    std::vector<Tick> shares;
    for (const double share : {0.0, 0.25, 0.5, kTopHeadsShare})
        shares.push_back({frame.ratios.at(share), true, ratioNumber(share)});
    Axis vertical = leftAxis(page, std::move(shares));
    vertical.look.numberAcross = kNumbersLeft - page.left;
    vertical.look.align = 0;
    drawAxes(surface, vertical, bottomAxis(page, powersOfTen(frame.trials), -8, 0));
    printLines(surface, kLeft + 4, kTitleTop, kTitleLine, page.title);
}

} // namespace

void drawHeadsFunnel(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                     const TextWidth &measure)
{
    surface.clear();
    const Page page = pageFor(
        size,
        //: The funnel's title in the number-of-heads view: each run's share of one head (Head/Tail
        //: or Tail/Head) against its number of trials. Room for about 50 characters.
        QT_TRANSLATE_NOOP("quindle::ClassPictures",
                          "Each run's share of one head; the class, larger"),
        measure);
    const RatioFrame frame = ratioFrame(page, pool.trials, kTopHeadsShare);
    const double half = kHeadsProbability[headsIndex(Heads::One)];
    drawHeadsFrame(surface, page, frame, std::span(&half, 1), measure);
    const Rgb color = kHeadsColors[headsIndex(Heads::One)];
    // Many runs of about the same length put their marks on one spot: each spot is drawn once.
    std::unordered_set<std::uint64_t> marked;
    for (const PooledRun &run : pool.runs) {
        if (run.run->trials == 0) // no share to show
            continue;
        std::array<long long, kOutcomes> counts{};
        std::ranges::copy(run.run->counts, counts.begin());
        const float x = frame.trials.at(run.run->trials);
        const float y = frame.ratios.at(oneHeadShare(counts, run.run->trials));
        const auto spot = (static_cast<std::uint64_t>(std::lround(x)) << 32U) |
                          static_cast<std::uint64_t>(std::lround(y));
        if (marked.insert(spot).second)
            mark(surface, x, y, 3, color);
    }
    if (pool.trials > 0)
        mark(surface, frame.trials.at(double(pool.trials)),
             frame.ratios.at(oneHeadShare(pool.counts, pool.trials)), 7, color);
}

void drawClassHeadsCurve(SurfaceOperations &surface, QSize size, const ClassPool &pool,
                         const TextWidth &measure)
{
    surface.clear();
    const Page page =
        pageFor(size,
                //: The class curve's title in the number-of-heads view: all runs' trials one after
                //: another, the shares of two heads, one head and no heads so far. Room for about
                //: 50 characters.
                QT_TRANSLATE_NOOP("quindle::ClassPictures",
                                  "All runs one after another: two, one and no heads"),
                measure);
    const RatioFrame frame = ratioFrame(page, pool.trials, kTopHeadsShare);
    const std::array<double, 2> centres{kHeadsProbability[headsIndex(Heads::Two)],
                                        kHeadsProbability[headsIndex(Heads::One)]};
    drawHeadsFrame(surface, page, frame, centres, measure);
    if (pool.trials == 0)
        return;
    const std::vector<long long> positions = curvePositions(page, frame, pool.trials);
    // Two heads is Head/Head, one head Head/Tail and Tail/Head, no heads Tail/Tail.
    const std::array<std::function<double(const Shares &)>, kHeadCounts> shareOf{
        [](const Shares &s) { return s[outcomeIndex(1)]; },
        [](const Shares &s) { return s[outcomeIndex(2)] + s[outcomeIndex(3)]; },
        [](const Shares &s) { return s[outcomeIndex(4)]; }};
    for (std::size_t kind = 0; kind < kHeadCounts; ++kind)
        drawCurveThrough(surface, frame, pool, positions, shareOf[kind], kHeadsColors[kind]);
}

} // namespace quindle
