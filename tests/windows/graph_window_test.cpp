// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/window_driver.h"

#include "windows/controls/drawing_surface.h"
#include "windows/graph/plot.h"

#include <QAccessible>

#include <QClipboard>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

namespace {

// The inner pixel of a plot point: 8.5773 twips a unit across, 39.625 down, 15 twips a pixel.
QPoint px(double x, double y)
{
    return {static_cast<int>(std::lround(x * 8.5773 / 15)),
            static_cast<int>(std::lround(y * 39.625 / 15))};
}

// Element i of an outcome's history holds base + i % 7, up to its count.
void fill(ExperimentRecord &record, int outcome, int count, int base)
{
    for (int i = 0; i <= std::min(count, 1000); ++i)
        record.recordHistory(outcome, i, static_cast<Int16>(base + i % 7));
    record.setCount(outcome, static_cast<Int16>(count));
}

} // namespace

class GraphWindowTest : public QObject, ProgramDriver
{
    Q_OBJECT

    [[nodiscard]] QImage plot() const { return graph()->surface()->image(); }
    [[nodiscard]] QColor at(double x, double y) const { return plot().pixelColor(px(x, y)); }
    [[nodiscard]] QLabel *legend(int n) const
    {
        return findControl<QLabel>(graph(), graphWindowLayout(), graph_roles::legendLabel(n));
    }

    const QColor kBand{220, 220, 220}; // the expected range's shade

    void openGraphOfThreeResults()
    {
        fill(record(), 1, 30, 70);
        fill(record(), 2, 400, 24);
        fill(record(), 4, 1, 3);
        openGraph();
    }
    // How many of the plot's pixels are in the expected range's shade.
    [[nodiscard]] int shaded() const
    {
        const QImage image = plot();
        int pixels = 0;
        for (int i = 0; i < image.width() * image.height(); ++i)
            pixels += image.pixelColor(i % image.width(), i / image.width()) == kBand;
        return pixels;
    }

private slots:
    void init() { startProgram(11); }
    void cleanup() { endProgram(); }

    void anEmptyRecordsPlotHasTheAxesTheirMarksAndTheDashedLine()
    {
        openGraph();
        const QImage image = plot();
        const QColor black(Qt::black), white(Qt::white), red(255, 0, 0);
        // The vertical axis from y = 5 units down to the horizontal one at 110, which ends at
        // 1100; the dashes at 0.25 from 100 to 1090; the start points, red drawn last.
        const std::tuple<int, int, QColor> pixels[] = {
            {57, 13, black},   {57, 12, white},   {57, 150, black},  {56, 150, white},
            {300, 291, black}, {629, 291, black}, {630, 291, white}, {300, 292, white},
            {54, 291, white},  {60, 225, black},  {66, 225, white},  {620, 225, black},
            {626, 225, white}, {629, 288, white}, {58, 291, red}};
        for (const auto &[x, y, colour] : pixels)
            QCOMPARE(image.pixelColor(x, y), colour);
        for (int y = 10; y <= 100; y += 10) { // ratio marks from x 95 to 105
            QVERIFY(at(95, y) == black && at(105, y) == black);
            QCOMPARE(image.pixelColor(61, px(0, y).y()), white);
        }
        for (int x = 100; x <= 1000; x += 100) // count marks reach below the axis; none at 1100
            QCOMPARE(at(x, 111), black);
        for (int y = 0; y < image.height(); ++y) // nothing reaches the right edge
            QCOMPARE(image.pixelColor(image.width() - 1, y), white);
    }

    void curvesFollowTheirHistoryToTheLastRecordedElement()
    {
        ExperimentRecord &r = record();
        fill(r, 1, 1001, 30); // the run ended here: drawn to element 1000
        fill(r, 2, 300, 60);
        r.history(2).set(301, 99); // an earlier run's value, never recorded in this one...
        r.setCount(2, 301);        // ...under a count that a trial after the end raised
        fill(r, 3, 1, 90);         // only its start point
        fill(r, 4, 40, 10);
        r.clearCount(4); // Init: the start point stays, the curve goes
        openGraph();
        const QColor blue(0, 0, 255), green(0, 128, 0), teal(0, 128, 128), white(Qt::white);
        QCOMPARE(plot().pixelColor(229, 71), white); // no stroke towards the 99
        for (const auto &[x, y, colour] : {std::tuple{600, 110 - (30 + 500 % 7), blue},
                                           {1100, 110 - (30 + 1000 % 7), blue},
                                           {300, 110 - (60 + 200 % 7), green},
                                           {400, 110 - (60 + 300 % 7), green},
                                           {101, 110 - 91, teal},
                                           {103, 110 - 91, white},
                                           {101, 110 - 11, QColor(255, 0, 0)},
                                           {130, 110 - (10 + 30 % 7), white}})
            QCOMPARE(at(x, y), colour);
    }

    void tabFromCloseReachesTheLegendLabelsTellingTheResults()
    {
        openGraphOfThreeResults();
        graphClose()->setFocus();
        graphClose()->setFocus();
        for (const char *said :
             {"Head Head: ratio 0.070 after 30 times", "Head Tail: ratio 0.928 after 400 times",
              "Tail Head: not come up yet", "Tail Tail: ratio 0.002 after 1 time"}) {
            type(graph(), Qt::Key_Tab);
            QCOMPARE(QAccessible::queryAccessibleInterface(graph()->focusWidget())
                         ->text(QAccessible::Name),
                     QString::fromLatin1(said));
        }
    }

    void theExpectedRangeShadesChancesReachBeneathTheCurves()
    {
        openGraphOfThreeResults();
        QCOMPARE(shaded(), 0);
        menuEntry(graph(), QStringLiteral("Show expected range"))->trigger();
        QVERIFY(shaded() > 1000);
        QCOMPARE(at(110, 95), kBand);             // after 10 times 0.15 is within chance's reach,
        QCOMPARE(at(110, 60), QColor(Qt::white)); // 0.50 is not
        QCOMPARE(at(100 + 200, 110 - (24 + 200 % 7)), QColor(0, 128, 0)); // the curve on top
        QVERIFY(legend(2)->accessibleName().endsWith(
            QStringLiteral("after 400 times, outside the expected range")));
    }

    void theGraphIsCopiedAndSavedAsThePictureShown()
    {
        // Shortcuts and the clipboard need a seat (not weston).
        openGraphOfThreeResults();
        const QImage plain = plot().copy();
        if (!onPlatform("wayland")) {
            type(graph(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(plain.format()), plain);
        }
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("graph.png"));
        QCOMPARE(graph()->saveGraph(path), QString());
        QCOMPARE(QImage(path).convertToFormat(plain.format()), plain);
        QVERIFY(!graph()->saveGraph(folder.filePath(QStringLiteral("no/graph.png"))).isEmpty());
        const QString fine = folder.filePath(QStringLiteral("graph@2x.png"));
        QCOMPARE(graph()->saveGraph(fine, true), QString());
        // Twice the pixels each way (drawn as shown: gap_view_test).
        QCOMPARE(QImage(fine).size(), plain.size() / plain.devicePixelRatio() * 2);
    }

    void graphDisplayAgainShowsTheOneGraphAndCloseActivatesTheExperimentAndDestroysIt()
    {
        fill(record(), 3, 400, 70);
        openGraph(); // activated, drawn again over itself: zoom_and_paper_test
        focus(experiment());
        openGraph(); // Graph display again: the same window, in front
        int graphs = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            graphs += qobject_cast<GraphWindow *>(window) && window->isVisible() ? 1 : 0;
        QCOMPARE(graphs, 1);
        press(Button::Init);
        QCOMPARE(state(), kCleared);
        // Whatever the window manager does with the focus, closing the graph runs the experiment
        // window's activation: Cleared becomes Ready (without a seat, nothing is activated).
        closeGraph();
        if (!onPlatform("wayland")) {
            QVERIFY(QTest::qWaitFor([this] { return state() == kReady; }));
            QCOMPARE(QApplication::activeWindow(), experiment());
        }
        focus(experiment());
        openGraph(); // a blank surface: the old curve is gone
        QCOMPARE(at(100 + 300, 110 - (70 + 300 % 7)), QColor(Qt::white));
    }
};

QUINDLE_WIDGET_TEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
