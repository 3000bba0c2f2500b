#include "window_driver.h"

#include "windows/drawing_surface.h"
#include "windows/graph/plot.h"
#include "windows/line.h"

#include <QAccessible>

using namespace quindle;
using namespace quindle::testing;

namespace {

// The pixel of the surface's inner area that a plot point falls on, at the design's scale:
// 8.5773 twips per unit across, 39.625 down, 15 twips per pixel.
QPoint px(double x, double y)
{
    return {static_cast<int>(std::lround(x * 8.5773 / 15)),
            static_cast<int>(std::lround(y * 39.625 / 15))};
}

// Keeps only where texts are printed.
class PrintRecorder final : public SurfaceOperations
{
public:
    void line(float, float, float, float, Rgb) override {}
    void lineTo(float, float, Rgb) override {}
    void point(float, float, Rgb) override {}
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    void print(std::string_view text) override
    {
        prints << QStringLiteral("%1 at %2,%3")
                      .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())))
                      .arg(m_x)
                      .arg(m_y);
    }
    void clear() override {}
    QStringList prints;

private:
    float m_x = 0, m_y = 0;
};

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

private slots:
    void init() { startProgram(11); }
    void cleanup() { endProgram(); }

    void layoutIsTheDesigns()
    {
        openGraph();
        QCOMPARE(graph()->geometry(), QRect(211, 113, 674, 415));
        QCOMPARE(graph()->windowTitle(), QStringLiteral(" Graph  ") + makersNotice());
        QVERIFY(!graph()->parentWidget());
        QCOMPARE(graph()->surface()->geometry(), QRect(16, 40, 641, 321));
        QCOMPARE(plot().size(), QSize(637, 317));
        QCOMPARE(closeButton(graph())->geometry(), QRect(592, 0, 65, 25));
        QCOMPARE(closeButton(graph())->text(), QStringLiteral("Close"));
        const struct
        {
            const char *caption;
            QColor text, stroke;
        } legend[] = {{"Fr・Fr", QColor(0, 0, 255), QColor(0, 0, 255)},
                      {"Fr・Ba", QColor(0, 128, 0), QColor(0, 192, 0)},
                      {"Ba・Fr", QColor(0, 128, 128), QColor(0, 128, 128)},
                      {"Ba・Ba", QColor(255, 0, 0), QColor(255, 0, 0)}};
        for (int n = 1; n <= kOutcomes; ++n) {
            const auto &entry = legend[n - 1];
            auto *label =
                findControl<QLabel>(graph(), graphWindowLayout(), graph_roles::legendLabel(n));
            auto *line =
                findControl<Line>(graph(), graphWindowLayout(), graph_roles::legendLine(n));
            QVERIFY(label && line);
            QCOMPARE(label->text(), QString::fromUtf8(entry.caption));
            QCOMPARE(label->geometry(), QRect(56 + 144 * (n - 1), 376, 57, 17));
            QCOMPARE(label->palette().color(QPalette::WindowText), entry.text);
            QCOMPARE(label->font().pointSizeF(), 12.0);
            QVERIFY(label->font().bold());
            QCOMPARE(line->color(), entry.stroke);
            QCOMPARE(line->geometry(), QRect(120 + 144 * (n - 1), 384, 40, 2));
        }
        QCOMPARE(graph()->findChild<Line *>(QStringLiteral("Line5"))->geometry(),
                 QRect(0, 24, 648, 1));
        QCOMPARE(QAccessible::queryAccessibleInterface(graph()->surface())->text(QAccessible::Name),
                 QStringLiteral("Graph"));
    }

    void axesMarksAndTheDashedLineOfAnEmptyRecord()
    {
        openGraph();
        const QImage image = plot();
        const QColor black(Qt::black), white(Qt::white);
        const auto pixel = [&image](int x, int y) { return image.pixelColor(x, y); };
        // The vertical axis runs from y = 5 units down to the horizontal axis at y = 110.
        QCOMPARE(px(100, 110), QPoint(57, 291));
        QCOMPARE(pixel(57, 13), black);
        QCOMPARE(pixel(57, 12), white);
        QCOMPARE(pixel(57, 150), black);
        QCOMPARE(pixel(56, 150), white);
        QCOMPARE(pixel(300, 291), black);
        QCOMPARE(pixel(629, 291), black); // its end at 1100
        QCOMPARE(pixel(630, 291), white);
        QCOMPARE(pixel(300, 292), white);
        // Ratio marks at 10, 20, ... 100 from x 95 to 105; none at 110.
        for (int y = 10; y <= 100; y += 10) {
            QCOMPARE(at(95, y), black);
            QCOMPARE(at(105, y), black);
            QCOMPARE(pixel(61, px(0, y).y()), white);
        }
        QCOMPARE(pixel(54, 291), white);
        // Dashes at 0.25: ten units long, ten units apart, from 100 to 1090.
        QCOMPARE(pixel(60, 225), black);
        QCOMPARE(pixel(66, 225), white);
        QCOMPARE(pixel(620, 225), black);
        QCOMPARE(pixel(626, 225), white);
        // Count marks at 100, 200, ... 1000, two units each way of the axis; none at 1100.
        for (int x = 100; x <= 1000; x += 100)
            QCOMPARE(at(x, 109), black);
        QCOMPARE(pixel(629, 288), white);
        // The four start points share (101, 110); red was drawn last.
        QCOMPARE(at(101, 110), QColor(255, 0, 0));
        for (int y = 0; y < image.height(); ++y) // nothing reaches the right edge
            QCOMPARE(pixel(image.width() - 1, y), white);
    }

    void textsStandWhereTheDesignPutsThemAndFit()
    {
        PrintRecorder recorder;
        drawPlot(recorder, ExperimentRecord());
        QStringList expected{QStringLiteral("0.00 at 60,110"), QStringLiteral("0.25 at 60,83"),
                             QStringLiteral("1.00 at 60,8"),
                             QStringLiteral("(Horizontal axis : Number of times) at 780,100"),
                             QStringLiteral("(Vertical axis : Ratio) at 120,10")};
        for (int k = 1; k <= 9; ++k)
            expected << QStringLiteral("%1 at %2,112").arg(100 * k).arg(85 + 100 * k);
        QCOMPARE(recorder.prints, expected);

        openGraph();
        const QFontMetrics metrics(graph()->surface()->textFont());
        QVERIFY(px(780, 0).x() +
                    metrics.horizontalAdvance(expected[3].section(QStringLiteral(" at"), 0, 0)) <=
                plot().width());
        QVERIFY(metrics.height() >= 11 && metrics.height() <= 14);
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
        QCOMPARE(at(100 + 500, 110 - (30 + 500 % 7)), QColor(0, 0, 255));
        QCOMPARE(at(1100, 110 - (30 + 1000 % 7)), QColor(0, 0, 255));
        QCOMPARE(at(100 + 200, 110 - (60 + 200 % 7)), QColor(0, 128, 0));
        QCOMPARE(at(400, 110 - (60 + 300 % 7)), QColor(0, 128, 0));
        QCOMPARE(plot().pixelColor(229, 71), QColor(Qt::white)); // no stroke towards the 99
        QCOMPARE(at(101, 110 - 91), QColor(0, 128, 128));
        QCOMPARE(at(103, 110 - 91), QColor(Qt::white));
        QCOMPARE(at(101, 110 - 11), QColor(255, 0, 0));
        QCOMPARE(at(130, 110 - (10 + 30 % 7)), QColor(Qt::white));
    }

    void activationsDrawTheSamePictureAndCloseDestroysIt()
    {
        fill(record(), 3, 400, 70);
        openGraph();
        const QImage first = plot().copy();
        focus(experiment());
        focus(graph());
        QCOMPARE(plot(), first);
        focus(experiment());
        openGraph(); // Graph display again: the same window, in front
        QCOMPARE(plot(), first);
        int open = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            open += qobject_cast<GraphWindow *>(top) && top->isVisible() ? 1 : 0;
        QCOMPARE(open, 1);

        QPointer<GraphWindow> old = graph();
        click(closeButton(graph()));
        QTRY_VERIFY(old.isNull());
        QCOMPARE(record().count(3), 400);
        record().clearCount(3);
        focus(experiment());
        openGraph(); // a blank surface: the old curve is gone
        QCOMPARE(at(100 + 300, 110 - (70 + 300 % 7)), QColor(Qt::white));
    }

    void activatingDuringARunDrawsWholeTrialsAndLeavesTheRunGoing()
    {
        // Catch the record and the drawing right after each activation of the graph window
        // has drawn (this connection comes after the window's own).
        std::vector<std::pair<ExperimentRecord, QImage>> seen;
        const auto snapshot =
            connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [&](QWindow *w) {
                if (graph() && w == graph()->windowHandle())
                    seen.emplace_back(record(), plot().copy());
            });
        openGraph();
        focus(experiment());
        press(Button::Start);
        QTest::qWait(100);
        focus(graph());
        disconnect(snapshot);
        QCOMPARE(seen.size(), std::size_t{2});
        for (int n = 1; n <= kOutcomes; ++n)
            QCOMPARE(seen[1].first.lastRecorded(n), seen[1].first.count(n));
        // Both records replayed on a fresh surface give exactly what the window showed.
        DrawingSurface replay(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, nullptr);
        replay.setTextFont(graph()->surface()->textFont());
        replay.resize(graph()->surface()->size());
        drawPlot(replay, seen[0].first);
        drawPlot(replay, seen[1].first);
        QCOMPARE(replay.image(), seen[1].second);
        focus(experiment());
        QCOMPARE(state(experiment()), kRunning);
        press(Button::Stop);
    }
};

QUINDLE_WIDGET_TEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
