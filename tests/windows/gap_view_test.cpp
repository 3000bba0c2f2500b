// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The graph window's gap view (Ctrl+D): count minus a quarter of the trials, its widening band,
// the legend's words and the ratio plot given back.

#include "windows/window_driver.h"

#include "experiment/expected_range.h"
#include "experiment/gap_from_quarter.h"
#include "experiment/random_source.h"
#include "windows/support/gap_words.h"
#include "windows/support/outcome_names.h"

#include <QAccessible>

#include <cmath>

using namespace quindle;
using namespace quindle::testing;
using namespace Qt::StringLiterals;

namespace {

const QColor kCurve[] = {{0, 0, 255}, {0, 128, 0}, {0, 128, 128}, {255, 0, 0}};

// The pixel of trials and a gap: x 100 to 1100 units, y 10 (+gap) to 110 (-gap), as in the graph.
QPoint place(long long trialsEnd, long long gapEnd, double trials, double gap)
{
    const double x = 100 + 1000 * trials / double(trialsEnd), y = 60 - 50 * gap / double(gapEnd);
    return {int(std::lround(x * 8.5773 / 15)), int(std::lround(y * 39.625 / 15))};
}

QString said(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The gap a legend label tells ("Head Tail: its count 12.5 above a quarter of the trials"); NaN
// for other words.
double toldGap(const QString &words)
{
    static const QRegularExpression told(
        QStringLiteral("^[A-Za-z ]+: its count (?:exactly a quarter|([0-9.]+) (above|below) a "
                       "quarter) of the trials"));
    const QRegularExpressionMatch match = told.match(words);
    const double amount = match.captured(1).toDouble();
    return !match.hasMatch()                             ? std::nan("")
           : match.captured(2) == QLatin1String("below") ? -amount
                                                         : amount;
}

} // namespace

class GapViewTest : public QObject, ProgramDriver
{
    Q_OBJECT

    [[nodiscard]] QImage plot() const { return graph()->surface()->image(); }
    [[nodiscard]] QLabel *legend(int n) const
    {
        return findControl<QLabel>(graph(), graphWindowLayout(), graph_roles::legendLabel(n));
    }
    [[nodiscard]] QAction *action(const char *text) const
    {
        return menuEntry(graph(), QString::fromUtf8(text));
    }
    void gapKey() { QTest::keyClick(graph(), Qt::Key_D, Qt::ControlModifier); }
    // What the plot and the legend say.
    [[nodiscard]] QStringList words() const
    {
        QStringList all{graph()->surface()->accessibleDescription()};
        for (int n = 1; n <= kOutcomes; ++n)
            all << said(legend(n));
        return all;
    }
    void runAndOpenGraph(std::uint64_t seed, int trials)
    {
        startProgram(seed, seed);
        trialsByHand(trials);
        openGraph();
    }

private slots:
    void cleanup() { endProgram(); }

    void everyTrialOfEveryCountIsDrawnOnScalesThatFitTheRun()
    {
        // Twenty trials fill the axis; a full run's 4000 are drawn from its log.
        for (const int trials : {20, kMaxShownTrials}) {
            runAndOpenGraph(7, trials < kMaxShownTrials ? trials : 0);
            for (Pcg32Source random(7); record().trialLog().size() < std::size_t(trials);)
                record().logTrial(random.next() < 0.5F ? Face::Head : Face::Tail,
                                  random.next() < 0.5F ? Face::Tail : Face::Head);
            gapKey();
            const std::vector<Gaps> gaps = gapsAlong(record().trialLog());
            double widest = 0;
            for (const Gaps &after : gaps)
                for (const double gap : after)
                    widest = std::max(widest, std::abs(gap));
            QCOMPARE(gapTrialsAxisEnd(trials), trials);
            const GapAxis axis = gapAxisFor(widest, gapRangeHalfWidth(trials));
            // Each trial's gap in its curve's colour or a later one's, within a pixel.
            const QImage image = plot();
            for (int t = 1; t <= trials; ++t)
                for (int n = 1; n <= kOutcomes; ++n) {
                    const QPoint at =
                        place(trials, axis.end, t, gaps[std::size_t(t - 1)][std::size_t(n - 1)]);
                    long near = 0;
                    for (int d = 0; d < 9; ++d)
                        near += std::count(kCurve + n - 1, std::end(kCurve),
                                           image.pixelColor(at + QPoint(d % 3 - 1, d / 3 - 1)));
                    QVERIFY2(near > 0, qPrintable(QString::asprintf("trial %d of %d, outcome %d", t,
                                                                    trials, n)));
                }
            QCOMPARE(image.pixelColor(place(trials, axis.end, 0, 0)), kCurve[3]); // all start at 0
        }
    }

    void theBandWidensAsTheSquareRootOfTheTrials()
    {
        runAndOpenGraph(3, 0);
        // Each outcome in turn: every gap within a trial of 0, the band's edges in sight.
        for (int trial = 0; trial < kMaxShownTrials; ++trial)
            record().logTrial(trial % 4 < 2 ? Face::Head : Face::Tail,
                              trial % 2 == 0 ? Face::Head : Face::Tail);
        gapKey();
        action("Show expected range")->trigger();
        const GapAxis axis{60, 20}; // the band reaches 54.8 at 4000
        QCOMPARE(gapAxisFor(0.75, gapRangeHalfWidth(4000)), axis);
        for (const int trials : {250, 1000, 3960}) {
            const QPoint zero = place(4000, axis.end, trials, 0);
            int top = -1, bottom = -1;
            for (int y = 0; y < plot().height(); ++y)
                if (plot().pixelColor(zero.x(), y) == QColor(220, 220, 220))
                    (top < 0 ? top : bottom) = y;
            // Two standard deviations of the count, 2 √(3n/16), either side of 0.
            const double half =
                zero.y() - place(4000, axis.end, trials, 2 * std::sqrt(3.0 * trials / 16)).y();
            QVERIFY2(std::abs((bottom - top) / 2.0 - half) <= 1.5 &&
                         std::abs((top + bottom) / 2.0 - zero.y()) <= 1,
                     qPrintable(QStringLiteral("%1: %2 to %3").arg(trials).arg(top).arg(bottom)));
        }
    }

    void eachLegendLabelTellsTheTablesGapAndTheRangeWhetherInside()
    {
        runAndOpenGraph(42, 201); // not a multiple of four: every gap has a fraction
        gapKey();
        QCOMPARE(trialTotal()->text(), QStringLiteral("201"));
        for (const bool range : {false, true}) { // without the range, then with it (Ctrl+R)
            for (int n = 1; n <= kOutcomes; ++n) {
                const QString told = said(legend(n));
                const double counted = cell(CellKind::Count, n)->text().toInt() - 201 / 4.0;
                QVERIFY2(told.startsWith(outcomeWords(n)) && toldGap(told) == counted,
                         qPrintable(told));
                const bool inside = std::abs(counted) <= 2 * std::sqrt(3.0 * 201 / 16);
                QVERIFY(told.endsWith(QLatin1String(!range   ? "quarter of the trials"
                                                    : inside ? ", inside the expected range"
                                                             : ", outside the expected range")));
            }
            QTest::keyClick(graph(), Qt::Key_R, Qt::ControlModifier);
            QCOMPARE(graph()->focusWidget(), legend(1));
            action("Show expected range")->trigger();
        }
    }

    void aGapIsToldInTheLanguagesNumberForm()
    {
        QCOMPARE(gapWords(0), QStringLiteral("its count exactly a quarter of the trials"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); // the language's form
        QCOMPARE(gapWords(-40.75), QStringLiteral("its count 40,75 below a quarter of the trials"));
        QLocale::setDefault(QLocale::c());
    }

    void theViewIsHeldWhileTheProgramRunsAndANewStartHasTheRatio_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("entry");
        QTest::newRow("gap from a quarter") << int(Qt::Key_D) << u"Show gap from a quarter"_s;
        QTest::newRow("number of heads") << int(Qt::Key_H) << u"Show number of heads"_s;
    }
    void theViewIsHeldWhileTheProgramRunsAndANewStartHasTheRatio()
    {
        // As the expected range is.
        QFETCH(int, key);
        QFETCH(QString, entry);
        runAndOpenGraph(42, 201);
        const QImage ratio = plot().copy();
        QTest::keyClick(graph(), Qt::Key(key), Qt::ControlModifier);
        const QImage view = plot().copy();
        const QStringList viewWords = words();
        closeGraph();
        focus(experiment());
        openGraph();
        QCOMPARE(plot(), view);
        QCOMPARE(words(), viewWords);
        QVERIFY(action(qPrintable(entry))->isChecked());
        runAndOpenGraph(42, 201);
        QCOMPARE(plot(), ratio);
    }
};

QUINDLE_WIDGET_TEST_MAIN(GapViewTest)
#include "gap_view_test.moc"
