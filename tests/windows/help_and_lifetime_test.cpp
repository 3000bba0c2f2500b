// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/window_driver.h"

#include "windows/controls/drawing_surface.h"
#include "windows/controls/line.h"

#include <QAccessible>
#include <QMessageBox>

using namespace quindle;
using namespace quindle::testing;

namespace {

// For each band of rows with ink in it, the band's first row and its leftmost ink.
QList<QPoint> textLines(const QImage &image)
{
    QList<QPoint> lines;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        const QRect ink = darkPixels(image, QRect(0, y, image.width(), 1));
        if (!ink.isEmpty() && !inLine)
            lines << ink.topLeft();
        else if (!ink.isEmpty())
            lines.last().setX(std::min(lines.last().x(), ink.left()));
        inLine = !ink.isEmpty();
    }
    return lines;
}

} // namespace

class HelpAndLifetimeTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void init() { startProgram(3); }
    void cleanup() { endProgram(); }
    // The program's own rule in force: it ends (code 0) when its last window closes.
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(true); }

    void helpWindowLayoutAndItsTextAsPrintedOnEveryActivation()
    {
        openGraph();
        focus(experiment());
        openHelp();
        focus(graph()); // activated again, it prints the text again over a cleared surface
        focus(help());
        checkFrame(help(), QRect(232, 149, 619, 418),
                   QStringLiteral(" Quindle\uFF3FHelp\uFF08Question and operation method\uFF09 ") +
                       makersNotice());
        QCOMPARE(help()->focusWidget(), helpClose());
        DrawingSurface *surface = help()->surface();
        QCOMPARE((QList{helpClose()->geometry(), surface->geometry(),
                        help()->findChild<Line *>(QStringLiteral("Line1"))->geometry()}),
                 (QList<QRect>{{552, 0, 57, 25}, {8, 32, 601, 377}, {8, 24, 552, 1}}));

        // Seventeen lines after an empty one and one empty line between the sections, each after
        // one ideographic space (a heading or continued line) or two (a paragraph's first).
        const QImage image = surface->image();
        const QList<QPoint> lines = textLines(image);
        QCOMPARE(lines.size(), 17);
        const int pitch = QFontMetrics(surface->textFont()).height();
        const int em = QFontMetrics(surface->textFont()).horizontalAdvance(QChar(0x3000));
        const int spaces[] = {1, 2, 2, 1, 2, 2, 1, 2, 2, 1, 1, 2, 2, 2, 1, 1, 2};
        for (int i = 0; i < 17; ++i) {
            const int row = i + (i < 10 ? 1 : 2); // the empty first line and the gap
            QVERIFY2(std::abs(lines[i].y() - row * pitch) < pitch / 2,
                     qPrintable(QString::number(i)));
            QVERIFY2(lines[i].x() >= spaces[i] * em && lines[i].x() < spaces[i] * em + em / 2,
                     qPrintable(QStringLiteral("line %1 starts at %2").arg(i).arg(lines[i].x())));
        }
    }

    void helpTellsWhatTheOutcomesAndTheButtonsAre()
    {
        QCOMPARE(state(), kReady); // shown is enough, with or without the focus
        // The table's outcomes from left to right in the help's words (front, back).
        QStringList outcomes;
        for (int x = 136; x <= 376; x += 80)
            outcomes << QString(textAt(x, 172) + QLatin1Char('/') + textAt(x, 196))
                            .replace(QLatin1String("Head"), QLatin1String("front"))
                            .replace(QLatin1String("Tail"), QLatin1String("back"));
        QStringList captions;
        for (Button which : kButtons)
            captions << button(which)->text();
        openHelp();
        // The help as a screen reader reads it, one sentence at a time.
        QAccessibleTextInterface *read =
            QAccessible::queryAccessibleInterface(help()->surface())->textInterface();
        const QString text = read->text(0, read->characterCount()).simplified();
        QCOMPARE(text.count(outcomes.join(QLatin1String(" , "))), 2);
        QCOMPARE(text.count(QLatin1String("1/4")), 2);
        QVERIFY(text.contains(QLatin1String("two coins are Coin1 and Coin2")));
        // Each button the help names is one of the window's, and its sentence says what it does.
        for (const auto &[caption, what] : {std::pair{"Start", "to start the"},
                                            {"Stop", "to stop the"},
                                            {"Graph display", "displayed in a graph"},
                                            {"Init", "restart the"}}) {
            QVERIFY(captions.contains(QLatin1String(caption)));
            const auto at = text.indexOf(QStringLiteral("[%1]").arg(QLatin1String(caption)));
            const auto begins = text.lastIndexOf(QLatin1Char('.'), at) + 1;
            const QString sentence = text.mid(begins, text.indexOf(QLatin1Char('.'), at) - begins);
            QVERIFY2(sentence.contains(QLatin1String(what)), qPrintable(sentence));
        }
    }

    void helpReadsLineByLineFromClose()
    {
        openHelp();
        type(help(), Qt::Key_Tab);
        QAccessibleInterface *readable =
            QAccessible::queryAccessibleInterface(help()->focusWidget());
        QVERIFY(readable->state().readOnly && readable->state().multiLine);
        QAccessibleTextInterface *lines = readable->textInterface();
        const auto line = [lines] {
            int start = 0, end = 0;
            return lines
                ->textAtOffset(lines->cursorPosition(), QAccessible::LineBoundary, &start, &end)
                .trimmed();
        };
        QCOMPARE(line(), QStringLiteral("【Problem】"));
        for (int i = 0; i < 11; ++i) // down to the second heading, past an empty line
            type(help(), Qt::Key_Down);
        QCOMPARE(line(), QStringLiteral("【Operation method】"));
        type(help(), Qt::Key_Up);
        QCOMPARE(line(), QString());
        type(help(), Qt::Key_End, Qt::ControlModifier);
        QVERIFY(line().endsWith(QStringLiteral("by clicking the [Init] button.")));
    }

    void closingHelpBringsBackAFreshWindowAndTheRecord()
    {
        runTrials(10);
        const int before = trials();
        openHelp();
        // Closed: a fresh experiment window, its table empty, the record kept.
        click(helpClose());
        QVERIFY(experiment() && QTest::qWaitForWindowActive(experiment()));
        QVERIFY(QTest::qWaitFor([&] { return !help(); }));
        QCOMPARE(trials(), before);
        QCOMPARE(state(), kReady);
        QCOMPARE(cell(CellKind::Count, 1)->text() + trialTotal()->text(), QString());
        runTrials(1);
        QVERIFY(trialTotal()->text().toInt() > before);
    }

    void exitSaysGoodbyeAndClosesEveryWindow()
    {
        openGraph();
        focus(experiment());
        QPointer<GraphWindow> open = graph();
        QString seen;
        whenDialogShows<QMessageBox>([&seen](QMessageBox *box) {
            seen = box->windowTitle() + QLatin1Char('|') + box->text() +
                   QString::number(box->buttons().size() * 10 + box->icon());
            type(box, Qt::Key_Escape); // which cannot cancel
        });
        QCOMPARE(runProgram([this] { press(Button::Exit); }, 3000), 0);
        QCOMPARE(seen, QStringLiteral("Quindle|This software will exit.10")); // OK alone, no icon
        QVERIFY(QTest::qWaitFor([&] { return !experiment() && !open; }));
    }

    void theProgramEndsWithItsLastWindowButNotDuringTheHandover()
    {
        QCOMPARE(runProgram([this] { press(Button::Help); }), 99);
        QVERIFY(help());
        QCOMPARE(runProgram([this] { click(helpClose()); }), 99);
        QVERIFY(experiment());

        openGraph();
        QCOMPARE(runProgram([this] { experiment()->close(); }), 99);
        QVERIFY(graph() && graph()->isVisible());
        QCOMPARE(runProgram([this] { graph()->close(); }), 0);

        startProgram(); // closing help by its frame does not bring the experiment window back
        openGraph();
        openHelp();
        QCOMPARE(runProgram([this] { help()->close(); }), 99);
        QVERIFY(!experiment());
        QCOMPARE(runProgram([this] { graph()->close(); }), 0);
    }
};

QUINDLE_WIDGET_TEST_MAIN(HelpAndLifetimeTest)
#include "help_and_lifetime_test.moc"
