// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/expected_range.h"
#include "windows/controls/surface_operations.h"
#include "windows/graph/plot.h"
#include "windows/graph/trials_axis.h"
#include "windows/plotting/band.h"
#include "windows/plotting/reference_line.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_colors.h"

#include <QCoreApplication>

namespace quindle {

namespace {

// The shares up the plot as the ratio plot has them: 0 on the horizontal axis at y = 110, 1 at
// y = 10, one unit a percent.
constexpr LinearScale kShares{1.0, kTrialsAxisY, 10};

// A mark at each quarter, numbered as the ratio plot numbers its ratios ("0.25"), each number
// ending left of its mark and a little above it.
Axis sharesAxis()
{
    Axis vertical{.at = kTrialsFrom, .from = 5, .to = kTrialsAxisY, .look = kVerticalAxisLook};
    for (const double share : {0.0, 0.25, 0.5, 0.75, 1.0})
        vertical.ticks.push_back({kShares.at(share), share > 0, shownRatio(share, 2)});
    //: The number-of-heads view's vertical axis title, printed at the top left of the graph:
    //: the share of all trials with two heads, with one, with none. Room for about 50 characters.
    vertical.title =
        translated(QT_TRANSLATE_NOOP("quindle::Plot", "(Vertical axis : Share of the trials)"));
    vertical.titleX = 120;
    vertical.titleY = 10;
    return vertical;
}

// The dashed lines at a quarter and a half; the dotted one at a third, its words above its
// right half.
void drawReferences(SurfaceOperations &surface)
{
    for (const double share : {kHeadsProbability[0], kHeadsProbability[1]})
        drawReferenceLine(surface, {.y = kShares.at(share),
                                    .from = kTrialsFrom,
                                    .to = kTrialsTo,
                                    .dash = 10,
                                    .period = 20});
    drawReferenceLine(surface, {.y = kShares.at(kEquallyLikelyShare),
                                .from = kTrialsFrom,
                                .to = kTrialsTo,
                                .dash = 3,
                                .period = 8,
                                .color = kEquallyLikelyColor});
    surface.setCurrentX(620);
    surface.setCurrentY(kShares.at(kEquallyLikelyShare) - 5);
    //: Marks the dotted line at 1/3 in the number-of-heads view: what the shares of two heads,
    //: one head and no head would be if the three were equally likely. Printed above the line's
    //: right half: room for about 45 characters.
    surface.print(
        translated(QT_TRANSLATE_NOOP("quindle::Plot", "if the three were equally likely")));
}

// Each share from the first trial through every trial of the run. Many trials share one plot
// unit across: a point is joined to the curve once it lies a unit on or a quarter unit up or down
// from the last one joined, which draws the same pixels in far fewer lines.
void drawCurves(SurfaceOperations &surface, std::span<const HeadsShares> shares,
                const LinearScale &trials)
{
    for (std::size_t kind = 0; kind < kHeadCounts; ++kind) {
        const Rgb color = kHeadsColors[kind];
        float lastX = trials.at(1), lastY = kShares.at(shares[0][kind]);
        surface.point(lastX, lastY, color);
        for (std::size_t after = 2; after <= shares.size(); ++after) {
            const float x = trials.at(static_cast<double>(after));
            const float y = kShares.at(shares[after - 1][kind]);
            if (after == shares.size() || x - lastX >= 1 || std::abs(y - lastY) >= 0.25F) {
                surface.lineTo(x, y, color);
                lastX = x;
                lastY = y;
            }
        }
    }
}

} // namespace

void drawHeadsPlot(SurfaceOperations &surface, std::span<const HeadsShares> shares, bool range)
{
    const long long trialsEnd = gapTrialsAxisEnd(static_cast<long long>(shares.size()));
    const LinearScale trials = trialsScale(trialsEnd);
    if (range) {
        // A quarter's band for two heads and no head, a half's for one head.
        for (const double share : {kHeadsProbability[0], kHeadsProbability[1]})
            drawBand(
                surface, trials, kShares, share,
                [share, &trials](float x) { return shareRangeHalfWidth(share, trials.valueAt(x)); },
                kExpectedRangeColor);
    }
    drawReferences(surface);
    drawAxes(surface, sharesAxis(), trialsAxis(trials, trialsEnd));
    if (!shares.empty())
        drawCurves(surface, shares, trials);
}

} // namespace quindle
