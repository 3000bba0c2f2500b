// The plotting kit: where its scales put values, the marks and numbers its axes draw and where,
// the band's columns and width, the reference line's dashes, and titles broken into lines.

#include "windows/plotting/axis.h"
#include "windows/plotting/band.h"
#include "windows/plotting/labels.h"
#include "windows/plotting/reference_line.h"
#include "windows/plotting/scale.h"

#include <QLocale>
#include <QTest>

#include <vector>

using namespace quindle;

namespace {

// What was drawn: each line (x1, y1, x2, y2) and each text with its top-left corner.
struct Drawn : SurfaceOperations
{
    struct Text
    {
        float x, y;
        QString text;
    };
    std::vector<QLineF> lines;
    std::vector<Text> texts;
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
        texts.push_back({x, y, QString::fromUtf8(text.data(), qsizetype(text.size()))});
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

    void linearScalesPutZeroAtTheStartOrTheMiddleAndKeepValuesWithinTheEnds()
    {
        const LinearScale up{0.5, 200, 100}; // a ratio from 0 at the bottom to 0.5 at the top
        QCOMPARE(up.at(0), 200.0F);
        QCOMPARE(up.at(0.25), 150.0F);
        QCOMPARE(up.at(0.5), 100.0F);
        QCOMPARE(up.at(0.9), 100.0F); // past the top: at the top
        QCOMPARE(up.at(-1), 200.0F);
        QCOMPARE(up.valueAt(175), 0.125);
        const LinearScale gaps{40, 110, 10, true}; // -40 at the bottom, +40 at the top
        QCOMPARE(gaps.at(0), 60.0F);
        QCOMPARE(gaps.at(20), 35.0F);
        QCOMPARE(gaps.at(-40), 110.0F);
        QCOMPARE(gaps.at(-100), 110.0F);
        QCOMPARE(gaps.valueAt(85), -20.0);
    }

    void aLogScaleGivesEachPowerOfTenAnEqualStep()
    {
        const LogScale trials{1000, 40, 340};
        QCOMPARE(trials.at(1), 40.0F);
        QCOMPARE(trials.at(10), 140.0F);
        QCOMPARE(trials.at(100), 240.0F);
        QCOMPARE(trials.at(1000), 340.0F);
        QCOMPARE(trials.at(0.5), 40.0F); // below 1: at the start
        QVERIFY(std::abs(trials.valueAt(240) - 100) < 1e-3);
        QVERIFY(std::abs(trials.valueAt(90) - std::sqrt(10.0)) < 1e-5);
    }

    void ticksComeEveryStepFromTheFirstToTheLastWithTheirNumbers()
    {
        const LinearScale gaps{40, 110, 10, true};
        const std::vector<Tick> signed_ = ticksEvery(gaps, -40, 40, 20, Sign::Always);
        QCOMPARE(numbers(signed_), QStringLiteral("-40 -20 0 +20 +40"));
        QCOMPARE(signed_[1].at, 85.0F);
        QCOMPARE(signed_[3].at, 35.0F);
        const LinearScale trials{4000, 100, 1100};
        const std::vector<Tick> tenths = ticksEvery(trials, 0, 3600, 400, Sign::BelowZeroOnly);
        QCOMPARE(tenths.size(), std::size_t(10));
        QCOMPARE(tenths.back().number, QStringLiteral("3600")); // not grouped
        QCOMPARE(tenths.back().at, 1000.0F);
        QVERIFY(std::all_of(tenths.begin(), tenths.end(), [](const Tick &t) { return t.marked; }));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(axisNumber(12000), QStringLiteral("12000"));
        QCOMPARE(axisNumber(-20, Sign::Always), QStringLiteral("-20"));
        QCOMPARE(axisNumber(1, Sign::Always), QStringLiteral("+1"));
        QCOMPARE(axisNumber(0, Sign::Always), QStringLiteral("0"));
    }

    void powersOfTenAreNumberedShortThenAsPowers()
    {
        const LogScale trials{100000, 0, 500};
        const std::vector<Tick> ticks = powersOfTen(trials);
        QCOMPARE(numbers(ticks), QStringLiteral("1 10 100 1000 10^4 10^5"));
        for (std::size_t i = 0; i < ticks.size(); ++i)
            QCOMPARE(ticks[i].at, 100.0F * float(i));
    }

    void axesDrawTheirLinesMarksAndNumbersWhereTheLookPutsThem()
    {
        Drawn drawn;
        const Axis vertical{.at = 40,
                            .from = 10,
                            .to = 110,
                            .ticks = {{.at = 60, .number = QStringLiteral("0")},
                                      {.at = 10, .number = QStringLiteral("+200")}},
                            .look = {.markFrom = -3,
                                     .numberAcross = -5,
                                     .numberAlong = -6,
                                     .align = 1,
                                     .characterWidth = 10,
                                     .leftmost = 0}};
        const Axis horizontal{
            .at = 110,
            .from = 40,
            .to = 300,
            .ticks = {{.at = 100, .marked = false, .number = QStringLiteral("50")},
                      {.at = 290, .number = QStringLiteral("100")}},
            .look = {.markTo = 3,
                     .numberAcross = 5,
                     .align = 0.5F,
                     .characterWidth = 10,
                     .rightmost = 300},
            .title = "trials",
            .titleX = 120,
            .titleY = 90};
        drawAxes(drawn, vertical, horizontal);
        QCOMPARE(drawn.lines.size(), std::size_t(5)); // two axes, three marks
        QCOMPARE(drawn.lines[0], QLineF(40, 10, 40, 110));
        QCOMPARE(drawn.lines[1], QLineF(40, 110, 300, 110));
        QCOMPARE(drawn.lines[2], QLineF(37, 60, 40, 60));     // left of the vertical axis
        QCOMPARE(drawn.lines[4], QLineF(290, 110, 290, 113)); // under the horizontal one
        QCOMPARE(drawn.texts.size(), std::size_t(5));
        QCOMPARE(drawn.texts[0].x, 25.0F); // ends 5 left of the axis
        QCOMPARE(drawn.texts[0].y, 54.0F);
        QCOMPARE(drawn.texts[1].x, 0.0F);  // four characters from 35 back would start at -5
        QCOMPARE(drawn.texts[2].x, 90.0F); // centred under its place
        QCOMPARE(drawn.texts[2].y, 115.0F);
        QCOMPARE(drawn.texts[3].x, 270.0F); // centred it would end at 305, past 300
        QCOMPARE(drawn.texts[4].text, QStringLiteral("trials"));
        QCOMPARE(QPointF(drawn.texts[4].x, drawn.texts[4].y), QPointF(120, 90));
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
        QCOMPARE(drawn.lines[49], QLineF(90, 47.5, 90, 72.5));       // 5 either side at 50 trials
        QCOMPARE(drawn.lines.back(), QLineF(140, 35, 140, 85));      // 10 either side at 100
        Drawn ratios;
        const LinearScale up{0.5, 200, 100};
        drawBand(
            ratios, trials, up, 0.25, [](float) { return 0.1; }, Rgb{220, 220, 220});
        QCOMPARE(ratios.lines[7], QLineF(48, 130, 48, 170)); // 0.35 to 0.15 about 0.25
    }

    void aReferenceLineIsSolidOrDashedWithItsLastDashCutAtTheEnd()
    {
        Drawn solid;
        drawReferenceLine(solid, {.y = 85, .from = 100, .to = 1100});
        QCOMPARE(solid.lines, (std::vector<QLineF>{{100, 85, 1100, 85}}));
        Drawn dashed;
        drawReferenceLine(dashed, {.y = 60, .from = 40, .to = 62, .dash = 4, .period = 8});
        QCOMPARE(dashed.lines,
                 (std::vector<QLineF>{{40, 60, 44, 60}, {48, 60, 52, 60}, {56, 60, 60, 60}}));
        Drawn cut; // the last dash cut short; none begins at the end
        drawReferenceLine(cut, {.y = 60, .from = 40, .to = 58, .dash = 4, .period = 8});
        QCOMPARE(cut.lines.back(), QLineF(56, 60, 58, 60));
        Drawn ending;
        drawReferenceLine(ending, {.y = 60, .from = 40, .to = 56, .dash = 4, .period = 8});
        QCOMPARE(ending.lines.back(), QLineF(48, 60, 52, 60));
    }

    void aTitleBreaksAtBlanksAndBetweenJapaneseCharactersWhereItIsTooWide()
    {
        const TextWidth measure = [](const std::string &text) {
            return 10.0F * float(text.size());
        };
        QCOMPARE(linesWithin("All runs one after another", 120, measure),
                 (std::vector<std::string>{"All runs one", "after", "another"}));
        QCOMPARE(linesWithin("All runs one after another", 120, {}),
                 (std::vector<std::string>{"All runs one after another"}));
        // Three bytes a character: three of them in 90.
        QCOMPARE(linesWithin("実験を順につなげた", 90, measure),
                 (std::vector<std::string>{"実験を", "順につ", "なげた"}));
        Drawn drawn;
        printLines(drawn, 44, 4, 18, {"one", "two"});
        QCOMPARE(drawn.texts[1].y, 22.0F);
        QCOMPARE(drawn.texts[1].x, 44.0F);
    }
};

QTEST_GUILESS_MAIN(PlottingTest)
#include "plotting_test.moc"
