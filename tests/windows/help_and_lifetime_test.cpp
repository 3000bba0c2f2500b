// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/window_driver.h"

#include "windows/controls/drawing_surface.h"

#include <QMessageBox>

using namespace quindle;
using namespace quindle::testing;

namespace {

// The first row of each band of rows with ink in it.
QList<int> textLines(const QImage &image)
{
    QList<int> lines;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool ink = !darkPixels(image, QRect(0, y, image.width(), 1)).isEmpty();
        if (ink && !inLine)
            lines << y;
        inLine = ink;
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

    void helpPrintsItsTextOnceOverAClearedSurfaceOnEveryActivation()
    {
        openGraph();
        focus(experiment());
        openHelp();
        focus(graph()); // activated again, it prints the text again over a cleared surface
        focus(help());
        QCOMPARE(help()->focusWidget(), helpClose());
        // Seventeen lines after an empty one and one empty line between the sections.
        DrawingSurface *surface = help()->surface();
        const QList<int> lines = textLines(surface->image());
        QCOMPARE(lines.size(), 17);
        const int pitch = QFontMetrics(surface->textFont()).height();
        for (int i = 0; i < 17; ++i) {
            const int row = i + (i < 10 ? 1 : 2); // the empty first line and the gap
            QVERIFY2(std::abs(lines[i] - row * pitch) < pitch / 2, qPrintable(QString::number(i)));
        }
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
