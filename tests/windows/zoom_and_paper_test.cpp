// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Zooming every window together, live, and the graph on paper: as a printed PDF page whose
// texts pdftotext reads, and as an SVG picture with its four curves.

#include "windows/window_driver.h"

#include "windows/controls/drawing_surface.h"
#include "windows/printed_text.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;
using namespace Qt::StringLiterals;

namespace {

void zoomKey(QWidget *window, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        type(window, key, Qt::ControlModifier);
}

// The geometry of each named control of window, by name and index, and the window's size.
QHash<QString, QRect> places(QWidget *window)
{
    QHash<QString, QRect> placed{{QString(), QRect(QPoint(), window->size())}};
    for (QWidget *control : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!control->objectName().isEmpty())
            placed.insert(control->objectName() + control->property("index").toString(),
                          control->geometry());
    return placed;
}

} // namespace

class ZoomAndPaperTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void init() { startProgram(11); }
    void cleanup() { endProgram(); }

    void atEachStepEveryControlAndLineIsItsDesignScaledItsTextFitsAndTheRunGoesOn()
    {
        openGraph();
        focus(experiment());
        const QHash<QString, QRect> experimentAt100 = places(experiment()),
                                    graphAt100 = places(graph());
        press(Button::Start);
        QVERIFY(waitForTrials(0, 1));
        // Fractions of pixels dropped alike for controls and lines: a line meets what it met.
        const auto scaled = [](const QRect &r, int zoom) {
            return QRect(r.x() * zoom / 100, r.y() * zoom / 100, r.width() * zoom / 100,
                         r.height() * zoom / 100);
        };
        for (int zoom : {125, 150, 175, 200}) {
            zoomKey(experiment(), Qt::Key_Plus);
            for (const auto &[window, at100] :
                 {std::pair{static_cast<QWidget *>(experiment()), experimentAt100},
                  std::pair{static_cast<QWidget *>(graph()), graphAt100}}) {
                for (auto it = at100.cbegin(); it != at100.cend(); ++it)
                    QVERIFY2(places(window).value(it.key()) == scaled(it.value(), zoom),
                             qPrintable(QStringLiteral("%1 at %2").arg(it.key()).arg(zoom)));
                checkTextsFit(window);
            }
        }
        // The run went on through the zoom, and the table kept counting.
        QVERIFY(waitForTrials(trials(), 1));
        QCOMPARE(state(), kRunning);
        press(Button::Stop);
        QCOMPARE(trialTotal()->text().toInt(), trials());
    }

    void thePrintedGraphHasItsTitlesLegendAndCaptionAsText()
    {
        startProgram(1, 42);
        trialsByHand(200);
        openGraph();
        const QString text = printedText([this](QPrinter &p) { graph()->printGraph(p); });
        for (const QString &expected :
             {u"(Vertical axis : Ratio)"_s, u"(Horizontal axis : Number of times)"_s,
              u"Fr・Fr (Head Head)"_s, u"Fr・Ba (Head Tail)"_s, u"Ba・Fr (Tail Head)"_s,
              u"Ba・Ba (Tail Tail)"_s, u": 200 trials, seed 42"_s})
            QVERIFY2(text.contains(expected), qPrintable(expected + QLatin1String(" in ") + text));
    }

    void theSvgGraphHasItsFourCurvesAndFollowsTheRun()
    {
        trialsByHand(400);
        openGraph();
        QTemporaryDir folder;
        const auto svg = [this, &folder] {
            const QString path = folder.filePath(QStringLiteral("graph.svg"));
            return graph()->saveGraphAsSvg(path).isEmpty() ? fileBytes(path) : QByteArray();
        };
        const QByteArray once = svg();
        // Each curve: a polyline of many points drawn in its outcome's colour.
        static const QRegularExpression curve(QString::fromLatin1(
            "stroke=\"(#[0-9a-f]{6})\"[^<]*>\\s*<polyline[^>]*points=\"([^\"]*)\""));
        QStringList colours;
        for (auto match = curve.globalMatch(QString::fromUtf8(once)); match.hasNext();) {
            const auto found = match.next();
            if (found.captured(2).count(QLatin1Char(' ')) > 20)
                colours << found.captured(1);
        }
        colours.sort();
        QCOMPARE(colours.join(QLatin1Char(' ')), QStringLiteral("#0000ff #008000 #008080 #ff0000"));
        // A plot of more trials is drawn over the old one, on the screen and on paper.
        focus(experiment());
        trialsByHand(100);
        focus(graph());
        QVERIFY(svg().size() > once.size() * 3 / 2);
    }
};

QUINDLE_WIDGET_TEST_MAIN(ZoomAndPaperTest)
#include "zoom_and_paper_test.moc"
