// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The plotting kit: where its scales put values, the marks and numbers its axes draw and where,
// the band's columns and width and the reference line's dashes.

#include "windows/plotting/axis.h"
#include "windows/plotting/band.h"
#include "windows/plotting/reference_line.h"
#include "windows/plotting/scale.h"

#include <QLocale>
#include <QTest>

#include <vector>

using namespace quindle;

namespace {

// What was drawn: each line (x1, y1, x2, y2), and each text with its top-left corner.
struct Drawn : SurfaceOperations
{
    std::vector<QLineF> lines;
    std::vector<std::string> texts;
    float x = 0, y = 0;

    void line(float x1, float y1, float x2, float y2, Rgb) override
    {
        lines.emplace_back(x1, y1, x2, y2);
    }
    void lineTo(float, float, Rgb) override {}
    void point(float, float, Rgb) override {}
    void setCurrentX(float to) override { x = to; }
    void setCurrentY(float to) override { y = to; }
    void print(std::string_view text) override
    {
        const QString at = QString::asprintf(" at %g,%g", double(x), double(y));
        texts.push_back(std::string(text) + at.toStdString());
    }
    void clear() override {}
};

// The ticks' numbers, a blank between them.
QString numbers(const std::vector<Tick> &ticks)
{
    QStringList all;
    for (const Tick &tick : ticks)
        all << tick.number;
    return all.join(QLatin1Char(' '));
}

} // namespace

class PlottingTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }

    void scalesPutZeroAtTheStartOrTheMiddleAndEachPowerOfTenAnEqualStep()
    {
        const LinearScale up{0.5, 200, 100};       // a ratio from 0 at the bottom to 0.5 at the top
        const LinearScale gaps{40, 110, 10, true}; // -40 at the bottom, +40 at the top
        const LogScale trials{1000, 40, 340};
        // Values past the ends at the ends; below 1 at the log scale's start.
        QCOMPARE((std::vector{up.at(0), up.at(0.25), up.at(0.9), up.at(-1)}),
                 (std::vector{200.F, 150.F, 100.F, 200.F}));
        QCOMPARE((std::vector{gaps.at(0), gaps.at(20), gaps.at(-40), gaps.at(-100), gaps.at(99)}),
                 (std::vector{60.F, 35.F, 110.F, 110.F, 10.F}));
        QCOMPARE((std::vector{trials.at(0.5), trials.at(10), trials.at(100), trials.at(1000)}),
                 (std::vector{40.F, 140.F, 240.F, 340.F}));
        QCOMPARE(up.valueAt(175), 0.125);
        QCOMPARE(gaps.valueAt(85), -20.0);
        QVERIFY(std::abs(trials.valueAt(90) - std::sqrt(10.0)) < 1e-5);
    }

    void ticksComeEveryStepFromTheFirstToTheLastWithTheirNumbers()
    {
        const LinearScale gaps{40, 110, 10, true};
        QCOMPARE(numbers(ticksEvery(gaps, -40, 40, 20, Sign::Always)),
                 QStringLiteral("-40 -20 0 +20 +40"));
        const std::vector<Tick> tenths =
            ticksEvery(LinearScale{4000, 100, 1100}, 0, 3600, 400, Sign::BelowZeroOnly);
        QCOMPARE(tenths.size(), std::size_t(10));
        QCOMPARE(tenths.back().at, 1000.0F);
        QCOMPARE(numbers(powersOfTen(LogScale{100000, 0, 500})),
                 QStringLiteral("1 10 100 1000 10^4 10^5"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(axisNumber(12000), QStringLiteral("12000")); // not grouped
        QCOMPARE(axisNumber(1, Sign::Always), QStringLiteral("+1"));
    }

    void axesDrawTheirLinesMarksAndNumbersWhereTheLookPutsThem()
    {
        // Marks 3 left of the vertical axis and under the horizontal one, numbers 10 a character
        // wide: ending 5 left of the axis but not left of 0, centred under theirs but not past 300.
        const TickLook left{-3, 0, -5, -6, 1, 10, 0, 1e9F}, under{0, 3, 5, 0, 0.5F, 10, -1e9F, 300};
        const std::vector<Tick> gapTicks{{60, true, QStringLiteral("0")},
                                         {10, true, QStringLiteral("+200")}},
            trialTicks{{100, false, QStringLiteral("50")}, {290, true, QStringLiteral("100")}};
        const Axis vertical{40, 10, 110, gapTicks, left, {}, 0, 0};
        const Axis horizontal{110, 40, 300, trialTicks, under, "trials", 120, 90};
        Drawn drawn;
        drawAxes(drawn, vertical, horizontal);
        QCOMPARE(drawn.lines, (std::vector<QLineF>{{40, 10, 40, 110},
                                                   {40, 110, 300, 110},
                                                   {37, 60, 40, 60},
                                                   {37, 10, 40, 10},
                                                   {290, 110, 290, 113}}));
        QCOMPARE(drawn.texts, (std::vector<std::string>{"0 at 25,54", "+200 at 0,4", "50 at 90,115",
                                                        "100 at 270,115", "trials at 120,90"}));
    }

    void aBandHasAColumnEachUnitAcrossAsWideAsItsHalfWidthEitherSide()
    {
        Drawn drawn;
        const LinearScale trials{100, 40, 140}, gaps{20, 110, 10, true};
        drawBand(
            drawn, trials, gaps, 0, [&trials](float x) { return trials.valueAt(x) / 10; },
            Rgb{220, 220, 220});
        QCOMPARE(drawn.lines.size(), std::size_t(100));              // columns 41 to 140
        QCOMPARE(drawn.lines.front(), QLineF(41, 59.75, 41, 60.25)); // 0.1 either side of 0
        QCOMPARE(drawn.lines.back(), QLineF(140, 35, 140, 85));      // 10 either side at 100
    }

    void aReferenceLineIsSolidOrDashedWithItsLastDashCutAtTheEnd()
    {
        Drawn solid, dashed, cut, ending;
        drawReferenceLine(solid, {.y = 85, .from = 100, .to = 1100});
        QCOMPARE(solid.lines, (std::vector<QLineF>{{100, 85, 1100, 85}}));
        drawReferenceLine(dashed, {.y = 60, .from = 40, .to = 62, .dash = 4, .period = 8});
        QCOMPARE(dashed.lines,
                 (std::vector<QLineF>{{40, 60, 44, 60}, {48, 60, 52, 60}, {56, 60, 60, 60}}));
        drawReferenceLine(cut, {.y = 60, .from = 40, .to = 58, .dash = 4, .period = 8});
        QCOMPARE(cut.lines.back(), QLineF(56, 60, 58, 60));
        drawReferenceLine(ending, {.y = 60, .from = 40, .to = 56, .dash = 4, .period = 8});
        QCOMPARE(ending.lines.back(), QLineF(48, 60, 52, 60)); // none begins at the end
    }
};

QTEST_GUILESS_MAIN(PlottingTest)
#include "plotting_test.moc"
