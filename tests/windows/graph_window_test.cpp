#include "widget_test_main.h"

#include "app/program.h"
#include "windows/drawing_surface.h"
#include "windows/graph/form2_layout.h"
#include "windows/graph/plot.h"
#include "windows/line.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <memory>

using namespace quindle;

namespace {

// Writes down every surface operation as text, in order.
class RecordingSurface final : public SurfaceOperations
{
public:
    void line(float x1, float y1, float x2, float y2, Rgb c) override
    {
        ops << QStringLiteral("line %1,%2 %3,%4 %5").arg(x1).arg(y1).arg(x2).arg(y2).arg(name(c));
    }
    void lineTo(float x2, float y2, Rgb c) override
    {
        ops << QStringLiteral("lineTo %1,%2 %3").arg(x2).arg(y2).arg(name(c));
    }
    void pset(float x, float y, Rgb c) override
    {
        ops << QStringLiteral("pset %1,%2 %3").arg(x).arg(y).arg(name(c));
    }
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }
    void print(std::string_view text) override
    {
        ops << QStringLiteral("print %1,%2 %3")
                   .arg(m_x)
                   .arg(m_y)
                   .arg(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    void cls() override { ops << QStringLiteral("cls"); }

    [[nodiscard]] QStringList matching(const QString &prefix) const
    {
        return ops.filter(QRegularExpression(QStringLiteral("^") + prefix));
    }

    QStringList ops;

private:
    static QString name(Rgb c) { return QStringLiteral("%1/%2/%3").arg(c.r).arg(c.g).arg(c.b); }
    float m_x = 0, m_y = 0;
};

// A record as a finished run could leave it: history i of outcome k holds base + i % 7.
void fillHistory(Module1 &record, int outcome, int count, int base)
{
    for (int i = 0; i <= std::min(count, 1000); ++i)
        record.recordHistory(outcome, i, static_cast<Int16>(base + i % 7));
    record.setCount(outcome, static_cast<Int16>(count));
}

} // namespace

class GraphWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> m_program;

    [[nodiscard]] Form1 *form1() const { return m_program->form1(); }
    [[nodiscard]] Form2 *form2() const { return m_program->form2(); }
    void click(QWidget *window, const char *name)
    {
        auto *b = window->findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(b && b->isEnabled(), name);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void openGraph()
    {
        click(form1(), "Command6");
        QVERIFY(form2());
        QVERIFY(QTest::qWaitForWindowActive(form2()));
    }
    static void focus(QWidget *window)
    {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    [[nodiscard]] QImage plotImage() const { return form2()->surface()->image(); }
    [[nodiscard]] QColor plotPixel(float x, float y) const
    {
        return plotImage().pixelColor(form2()->surface()->toPixel(x, y));
    }

private slots:
    void init()
    {
        m_program = std::make_unique<Program>(11);
        m_program->showForm1();
        QVERIFY(QTest::qWaitForWindowActive(form1()));
    }
    void cleanup() { m_program.reset(); }

    void emptyRecordDrawsAxesMarksTextsAndFourStartPoints()
    {
        Module1 record;
        RecordingSurface surface;
        drawPlot(surface, record);
        const QStringList &ops = surface.ops;
        QCOMPARE(ops.size(), 2 + 10 + 50 + 3 + 10 + 2 + 9 + 4);
        QCOMPARE(ops[0], QStringLiteral("line 100,5 100,110 0/0/0"));
        QCOMPARE(ops[1], QStringLiteral("line 100,110 1100,110 0/0/0"));
        QCOMPARE(ops[2], QStringLiteral("line 95,10 105,10 0/0/0"));
        QCOMPARE(ops[11], QStringLiteral("line 95,100 105,100 0/0/0"));
        QCOMPARE(ops[12], QStringLiteral("line 100,85 110,85 0/0/0"));
        QCOMPARE(ops[61], QStringLiteral("line 1080,85 1090,85 0/0/0"));
        QCOMPARE(ops.mid(62, 3), QStringList({QStringLiteral("print 60,110 0.00"),
                                              QStringLiteral("print 60,83 0.25"),
                                              QStringLiteral("print 60,8 1.00")}));
        QCOMPARE(ops[65], QStringLiteral("line 100,109 100,111 0/0/0"));
        QCOMPARE(ops[74], QStringLiteral("line 1000,109 1000,111 0/0/0"));
        QCOMPARE(ops[75], QStringLiteral("print 780,100 (Horizontal axis : Number of times)"));
        QCOMPARE(ops[76], QStringLiteral("print 120,10 (Vertical axis : Ratio)"));
        QCOMPARE(ops[77], QStringLiteral("print 185,112 100"));
        QCOMPARE(ops[85], QStringLiteral("print 985,112 900"));
        QCOMPARE(ops.mid(86), QStringList({QStringLiteral("pset 101,110 0/0/255"),
                                           QStringLiteral("pset 101,110 0/128/0"),
                                           QStringLiteral("pset 101,110 0/128/128"),
                                           QStringLiteral("pset 101,110 255/0/0")}));
    }

    void curvesRunFromElementOneToTheirCount()
    {
        Module1 record;
        fillHistory(record, 1, 1001, 20); // ended the run: drawn to element 1000
        fillHistory(record, 2, 1, 30);    // its start point only
        fillHistory(record, 3, 500, 40);
        fillHistory(record, 4, 0, 50);
        RecordingSurface surface;
        drawPlot(surface, record);

        const QStringList points = surface.matching(QStringLiteral("pset"));
        QCOMPARE(points, QStringList({QStringLiteral("pset 101,89 0/0/255"),
                                      QStringLiteral("pset 101,79 0/128/0"),
                                      QStringLiteral("pset 101,69 0/128/128"),
                                      QStringLiteral("pset 101,110 255/0/0")}));
        const QStringList blue = surface.matching(QStringLiteral("lineTo .* 0/0/255"));
        QCOMPARE(blue.size(), 999);
        QCOMPARE(blue.first(), QStringLiteral("lineTo 102,88 0/0/255")); // 110 - (20 + 2)
        QCOMPARE(blue.last(), QStringLiteral("lineTo 1100,84 0/0/255")); // 1000 % 7 = 6
        QVERIFY(surface.matching(QStringLiteral("lineTo .* 0/128/0$")).isEmpty());
        const QStringList cyan = surface.matching(QStringLiteral("lineTo .* 0/128/128"));
        QCOMPARE(cyan.size(), 499);
        QCOMPARE(cyan.last(), QStringLiteral("lineTo 600,67 0/128/128")); // 110 - (40 + 500 % 7)
        // Curves come last, in outcome order.
        QVERIFY(surface.ops.indexOf(blue.last()) < surface.ops.indexOf(points[1]));
    }

    void elementNeverRecordedInTheRunIsNotDrawn()
    {
        // A finished run, Graph display, Start: that one trial raises count2 from 300 to 301
        // and ends the run without recording element 301, which holds a stale 99.
        Module1 record;
        fillHistory(record, 1, 1001, 20);
        fillHistory(record, 2, 300, 30);
        record.percent(2).set(301, 99);
        record.setCount(2, 301);
        RecordingSurface surface;
        drawPlot(surface, record);
        const QStringList green = surface.matching(QStringLiteral("lineTo .* 0/128/0$"));
        QCOMPARE(green.last(),
                 QStringLiteral("lineTo 400,74 0/128/0")); // element 300: 110 - (30 + 6)
    }

    void initLeavesTheStaleStartPointButNoCurve()
    {
        Module1 record;
        fillHistory(record, 3, 40, 10);
        record.clearCount(3);
        RecordingSurface surface;
        drawPlot(surface, record);
        QVERIFY(surface.ops.contains(QStringLiteral("pset 101,99 0/128/128"))); // 110 - 11
        QVERIFY(surface.matching(QStringLiteral("lineTo")).isEmpty());
    }

    void windowHasItsLayout()
    {
        openGraph();
        QCOMPARE(form2()->geometry(), QRect(211, 113, 674, 415));
        QCOMPARE(form2()->windowTitle(), QStringLiteral(" Graph  ") + makersNotice());
        QVERIFY(!form2()->parentWidget());
        DrawingSurface *surface = form2()->surface();
        QCOMPARE(surface->objectName(), QStringLiteral("Picture1"));
        QCOMPARE(surface->geometry(), QRect(16, 40, 641, 321));
        QCOMPARE(surface->innerSize(), QSize(637, 317));
        QCOMPARE(form2()->findChild<QPushButton *>(QStringLiteral("Command1"))->geometry(),
                 QRect(592, 0, 65, 25));
        const struct
        {
            const char *label, *line, *caption;
            QColor text, stroke;
            int left;
        } legend[] = {
            {"Label1", "Line1", "Fr・Fr", QColor(0, 0, 255), QColor(0, 0, 255), 56},
            {"Label2", "Line2", "Fr・Ba", QColor(0, 128, 0), QColor(0, 192, 0), 200},
            {"Label3", "Line3", "Ba・Fr", QColor(0, 128, 128), QColor(0, 128, 128), 344},
            {"Label4", "Line4", "Ba・Ba", QColor(255, 0, 0), QColor(255, 0, 0), 488},
        };
        for (const auto &entry : legend) {
            auto *label = form2()->findChild<QLabel *>(QString::fromLatin1(entry.label));
            auto *line = form2()->findChild<Line *>(QString::fromLatin1(entry.line));
            QVERIFY(label && line);
            QCOMPARE(label->text(), QString::fromUtf8(entry.caption));
            QCOMPARE(label->geometry(), QRect(entry.left, 376, 57, 17));
            QCOMPARE(label->palette().color(QPalette::WindowText), entry.text);
            QCOMPARE(label->font().pointSizeF(), 12.0);
            QCOMPARE(line->color(), entry.stroke);
            QCOMPARE(line->lineWidth(), 2);
            QCOMPARE(line->geometry(), QRect(entry.left + 64, 384, 40, 2));
        }
        auto *rule = form2()->findChild<Line *>(QStringLiteral("Line5"));
        QVERIFY(rule);
        QCOMPARE(rule->geometry(), QRect(0, 24, 648, 1));
    }

    void axisTitleFitsTheSurface()
    {
        openGraph();
        DrawingSurface *surface = form2()->surface();
        const QFontMetrics metrics(surface->textFont());
        const int start = surface->toPixel(780, 0).x();
        const int width =
            metrics.horizontalAdvance(QStringLiteral("(Horizontal axis : Number of times)"));
        QVERIFY2(start + width <= surface->innerSize().width(),
                 qPrintable(QStringLiteral("title ends at %1").arg(start + width)));
        QVERIFY(metrics.height() >= 11 && metrics.height() <= 14);
        // Nothing is cut off at the right edge: the last column has no ink.
        const QImage image = plotImage();
        for (int y = 0; y < image.height(); ++y)
            QCOMPARE(image.pixelColor(image.width() - 1, y), QColor(Qt::white));
    }

    void pixelsOfAnEmptyPlot()
    {
        openGraph();
        const QImage image = plotImage();
        QCOMPARE(image.size(), QSize(637, 317));
        DrawingSurface *surface = form2()->surface();
        // Vertical axis at x = 100 units, horizontal axis at y = 110 units.
        const int axisColumn = surface->toPixel(100, 0).x();
        const int axisRow = surface->toPixel(0, 110).y();
        QCOMPARE(axisColumn, 57);
        QCOMPARE(axisRow, 291);
        for (int y = surface->toPixel(0, 5).y(); y < axisRow; y += 7)
            QCOMPARE(image.pixelColor(axisColumn, y), QColor(Qt::black));
        for (int x = axisColumn + 5; x <= surface->toPixel(1100, 0).x(); x += 13)
            QCOMPARE(image.pixelColor(x, axisRow), QColor(Qt::black));
        QCOMPARE(image.pixelColor(axisColumn - 1, 100), QColor(Qt::white));
        // The four start points share one pixel; red was drawn last.
        QCOMPARE(plotPixel(101, 110), QColor(255, 0, 0));
        // A dash of the 0.25 line and a gap after it.
        QCOMPARE(plotPixel(105, 85), QColor(Qt::black));
        QCOMPARE(plotPixel(116, 85), QColor(Qt::white));
    }

    void curveColourLiesOnItsSegments()
    {
        Module1 &record = m_program->record();
        fillHistory(record, 4, 600, 60);
        fillHistory(record, 2, 300, 10);
        openGraph();
        // Element 599 of curve 4 lies at y = 110 - (60 + 599 % 7) = 45.
        QCOMPARE(plotPixel(100 + 599, 45), QColor(255, 0, 0));
        QCOMPARE(plotPixel(100 + 200, 110 - (10 + 200 % 7)), QColor(0, 128, 0));
        QCOMPARE(plotPixel(100 + 800, 45), QColor(Qt::white)); // past the end of curve 4
    }

    void twoActivationsGiveTheSameImage()
    {
        fillHistory(m_program->record(), 1, 250, 30);
        openGraph();
        const QImage first = plotImage().copy();
        focus(form1());
        focus(form2());
        QCOMPARE(plotImage(), first);
    }

    void closeDestroysTheDrawingAndReopeningStartsBlank()
    {
        fillHistory(m_program->record(), 3, 400, 70);
        openGraph();
        const QImage withCurve = plotImage().copy();
        QPointer<Form2> old = form2();
        click(form2(), "Command1");
        QTRY_VERIFY(old.isNull());
        QCOMPARE(m_program->record().count(3), 400); // the record is untouched

        m_program->record().clearCount(3);
        focus(form1());
        openGraph();
        // Old curve 3 is gone: only its stale start point is drawn again.
        QCOMPARE(plotPixel(100 + 300, 110 - (70 + 300 % 7)), QColor(Qt::white));
        QVERIFY(plotImage() != withCurve);
    }

    void graphDisplayTwiceGivesOneWindow()
    {
        openGraph();
        QPointer<Form2> first = form2();
        focus(form1());
        click(form1(), "Command6");
        QVERIFY(QTest::qWaitForWindowActive(form2()));
        QCOMPARE(form2(), first.data());
        int windows = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            windows += qobject_cast<Form2 *>(top) && top->isVisible() ? 1 : 0;
        QCOMPARE(windows, 1);
    }

    void activatingDuringARunDrawsAWholeTrialAndLeavesTheRunGoing()
    {
        // Catch the record and the drawing at each activation of the graph window, right
        // after the window has drawn (this connection comes after the window's own).
        std::vector<std::pair<Module1, QImage>> seen;
        const auto snapshot =
            connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [&](QWindow *w) {
                if (form2() && w == form2()->windowHandle())
                    seen.emplace_back(m_program->record(), plotImage().copy());
            });
        openGraph();
        focus(form1());
        click(form1(), "Command1");
        QTest::qWait(100);
        focus(form2());
        disconnect(snapshot);
        QCOMPARE(seen.size(), std::size_t{2});

        const Module1 &during = seen[1].first;
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(during.lastRecorded(n), during.count(n)); // a whole trial, not half of one
        // Replaying both records on a fresh surface gives exactly what the window showed.
        DrawingSurface replay(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, nullptr);
        replay.setTextFont(form2()->surface()->textFont());
        replay.resize(form2()->surface()->size());
        drawPlot(replay, seen[0].first);
        drawPlot(replay, during);
        QCOMPARE(replay.image(), seen[1].second);

        auto *stop = form1()->findChild<QPushButton *>(QStringLiteral("Command3"));
        QVERIFY(stop->isEnabled());
        QVERIFY(form1()->timer(Timer::Timer2)->isActive());
        focus(form1());
        QVERIFY(stop->isEnabled());
        click(form1(), "Command3");
    }
};

QUINDLE_WIDGET_TEST_MAIN(GraphWindowTest)
#include "graph_window_test.moc"
