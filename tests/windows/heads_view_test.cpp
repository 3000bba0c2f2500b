// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The graph window's number-of-heads view (Ctrl+H): the shares of two, one and no heads drawn trial
// by trial with what chance gives, the legend against the table, one view at a time, on paper.

#include "windows/window_driver.h"

#include "windows/printed_text.h"

#include <cmath>

using namespace quindle;
using namespace quindle::testing;
using namespace Qt::StringLiterals;

namespace {

const QColor kTwo{0, 0, 255}, kOne{128, 0, 128}, kNone{255, 0, 0};
const QColor kBand{220, 220, 220}, kThird{128, 128, 128};

// The pixel of trials and a share: x 100 to 1100 units over the trials, y 110 (0) to 10 (1).
QPointF place(long long trialsEnd, double trials, double share)
{
    return {(100 + 1000 * trials / double(trialsEnd)) * 8.5773 / 15,
            (110 - 100 * share) * 39.625 / 15};
}

QPoint pixel(QPointF at)
{
    return {int(std::lround(at.x())), int(std::lround(at.y()))};
}

} // namespace

class HeadsViewTest : public QObject, ProgramDriver
{
    Q_OBJECT

    [[nodiscard]] QImage plot() const { return graph()->surface()->image(); }
    [[nodiscard]] QLabel *row(Heads heads) const
    {
        return findControl<QLabel>(graph(), graphWindowLayout(), graph_roles::headsLabel(heads));
    }
    [[nodiscard]] QAction *action(const QString &text) const { return menuEntry(graph(), text); }
    void key(Qt::Key which) { QTest::keyClick(graph(), which, Qt::ControlModifier); }
    // A run of so many trials by hand, its graph in the number-of-heads view.
    void headsAfter(std::uint64_t seed, int trials)
    {
        startProgram(seed, seed);
        trialsByHand(trials);
        openGraph();
        key(Qt::Key_H);
    }
    // A run that follows its expectation exactly every four trials: each outcome in turn.
    void evenRun(int trials)
    {
        startProgram(3, 3);
        openGraph();
        for (int trial = 0; trial < trials; ++trial)
            record().logTrial(trial % 4 < 2 ? Face::Head : Face::Tail,
                              trial % 2 == 0 ? Face::Head : Face::Tail);
    }
    // The band's top and bottom round a share in a column, whatever curve lies over its middle.
    [[nodiscard]] std::pair<int, int> bandAround(int x, double share) const
    {
        const QImage image = plot();
        const int centre = pixel(place(10, 0, share)).y();
        int top = -1, bottom = -1;
        for (int y = centre - 30; y <= centre + 30; ++y)
            if (image.pixelColor(x, y) == kBand)
                (top < 0 ? top : bottom) = y;
        return {top, bottom};
    }

private slots:
    void cleanup() { endProgram(); }

    void eachShareIsDrawnAtItsHeightTrialByTrial()
    {
        headsAfter(42, 180);
        // Counted here from the log's faces: one head is Head/Tail or Tail/Head.
        long long two = 0, one = 0, none = 0, trials = 0;
        const QImage image = plot();
        for (const LoggedTrial trial : record().trialLog()) {
            const auto [coin1, coin2] = trial;
            const int heads = (coin1 == Face::Head) + (coin2 == Face::Head);
            ++(heads == 2 ? two : heads == 1 ? one : none);
            ++trials;
            for (const auto &[count, colour] : {std::pair{two, kTwo}, {one, kOne}, {none, kNone}}) {
                const QPoint at = pixel(place(200, double(trials), double(count) / double(trials)));
                int near = 0; // its colour, or a curve drawn over it, within a pixel
                for (int d = 0; d < 9; ++d) {
                    const QColor seen = image.pixelColor(at + QPoint(d % 3 - 1, d / 3 - 1));
                    near += seen == colour || (colour != kNone && seen == kNone) ||
                            (colour == kTwo && seen == kOne);
                }
                QVERIFY2(near > 0, qPrintable(u"trial %1, %2"_s.arg(trials).arg(colour.name())));
            }
        }
    }

    void chanceAndTheEquallyLikelyThirdAreMarkedAtTheirHeights_data()
    {
        QTest::addColumn<double>("share");
        QTest::addColumn<int>("x"); // a plot unit across inside a dash
        QTest::addColumn<QColor>("colour");
        QTest::newRow("a quarter") << 0.25 << 905 << QColor(Qt::black);
        QTest::newRow("a half") << 0.5 << 905 << QColor(Qt::black);
        QTest::newRow("a third") << 1.0 / 3 << 901 << kThird;
    }
    void chanceAndTheEquallyLikelyThirdAreMarkedAtTheirHeights()
    {
        QFETCH(double, share);
        QFETCH(int, x);
        QFETCH(QColor, colour);
        evenRun(0); // no curves over the lines
        key(Qt::Key_H);
        const QPoint at(int(std::lround(x * 8.5773 / 15)), pixel(place(10, 0, share)).y());
        QCOMPARE(plot().pixelColor(at), colour);
        QVERIFY(plot().pixelColor(at + QPoint(0, -2)) != colour);
        QVERIFY(plot().pixelColor(at + QPoint(0, 2)) != colour);
    }

    void theBandNarrowsAsTwoStandardErrorsOfEachShare()
    {
        evenRun(kMaxShownTrials);
        key(Qt::Key_H);
        action(u"Show expected range"_s)->trigger();
        for (const int trials : {500, 1500, 3900}) {
            const int x = pixel(place(4000, trials, 0)).x();
            for (const double p : {0.25, 0.5}) {
                const auto [top, bottom] = bandAround(x, p);
                const double half = place(4000, trials, 0).y() -
                                    place(4000, trials, 2 * std::sqrt(p * (1 - p) / trials)).y();
                QVERIFY2(
                    std::abs((bottom - top) / 2.0 - half) <= 1.5,
                    qPrintable(u"%1 at %2: %3 to %4"_s.arg(p).arg(trials).arg(top).arg(bottom)));
            }
        }
    }

    void theLegendTellsTheTablesCountsAndShares()
    {
        headsAfter(7, 203);
        const auto count = [this](int n) { return cell(CellKind::Count, n)->text().toLongLong(); };
        const std::tuple<Heads, QString, long long, QString> rows[] = {
            {Heads::Two, u"Two heads"_s, count(1), u"quarter"_s},
            {Heads::One, u"One head"_s, count(2) + count(3), u"half"_s},
            {Heads::None, u"No heads"_s, count(4), u"quarter"_s}};
        for (const auto &[heads, name, counted, expected] : rows) {
            const QString share = QString::number(double(counted) / 203, 'f', 3);
            QCOMPARE(row(heads)->text(), u"%1: %2 (%3 of 203 trials), a %4 expected"_s.arg(
                                             name, share, QString::number(counted), expected));
            QVERIFY(row(heads)->isVisible() &&
                    row(heads)->accessibleName().startsWith(row(heads)->text()));
        }
    }

    void oneViewAtATimeAndTurningItOffGivesThePlotBack()
    {
        startProgram(42, 42);
        trialsByHand(201);
        openGraph();
        const QImage ratio = plot().copy();
        auto *legend =
            findControl<QLabel>(graph(), graphWindowLayout(), graph_roles::legendLabel(1));
        key(Qt::Key_D);
        key(Qt::Key_H); // from the gap view straight to the heads
        QVERIFY(action(u"Show number of heads"_s)->isChecked());
        QVERIFY(!action(u"Show gap from a quarter"_s)->isChecked());
        QVERIFY(row(Heads::One)->isVisible() && !legend->isVisible());
        key(Qt::Key_H);
        QCOMPARE(plot(), ratio);
        QVERIFY(!row(Heads::One)->isVisible() && legend->isVisible());
        key(Qt::Key_H);
        key(Qt::Key_D); // and from the heads to the gap view
        QCOMPARE(graph()->view(), GraphView::GapsFromQuarter);
        QVERIFY(!action(u"Show number of heads"_s)->isChecked() && legend->isVisible());
    }

    void thePrintedPageShowsTheNumberOfHeadsWhenItIsOn()
    {
        headsAfter(1, 100);
        const QString text = printedText([this](QPrinter &p) { graph()->printGraph(p); });
        QVERIFY2(text.contains(u"No heads: 0."_s) && !text.contains(u"Fr・Fr"_s), qPrintable(text));
    }
};

QUINDLE_WIDGET_TEST_MAIN(HeadsViewTest)
#include "heads_view_test.moc"
