// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/window_driver.h"

#include "classroom/results_file.h"
#include "windows/input/activation.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

namespace {

QString accessibleName(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

} // namespace

class ExperimentWindowTest : public QObject, ProgramDriver
{
    Q_OBJECT

    QString m_spoken; // the last sentence announced

    void key(Qt::Key k) { type(experiment(), k); }
    // Announces without a screen reader (till cleanup()), each sentence into the text returned.
    const QString &listen()
    {
        Announcer::announceWithoutScreenReader(true);
        connect(experiment()->findChild<Announcer *>(), &Announcer::said, this,
                [this](const QString &sentence) { m_spoken = sentence; });
        return m_spoken;
    }

private slots:
    void init() { startProgram(7); }
    void cleanup()
    {
        Announcer::announceWithoutScreenReader(false);
        m_spoken.clear();
        endProgram();
    }

    void opensReadyWithEmptyCellsTheFocusOnStartAndTimersAsFastAsTicksCome()
    {
        QCOMPARE(state(), kReady);
        for (int n = 1; n <= kOutcomes; ++n)
            QCOMPARE(cell(CellKind::Count, n)->text() + cell(CellKind::Ratio, n)->text(),
                     QString());
        QCOMPARE(trialTotal()->text(), QString());
        QCOMPARE(QApplication::focusWidget(), button(Button::Start));
        for (Timer which : {Timer::Flip, Timer::Trial})
            QCOMPARE(experiment()->timer(which)->interval(), 1);
    }

    void runThenStopShowsAConsistentTableAndStartContinues()
    {
        runTrials(21);
        // A screen reader's flat review of a value cell names the faces shown above it.
        for (int x = 136; x <= 376; x += 80) {
            const QString faces = textAt(x, 172) + QLatin1Char(' ') + textAt(x, 196);
            QCOMPARE(accessibleName(experiment()->childAt(x, 220)),
                     faces + QStringLiteral(" frequency ") + textAt(x, 220));
            QCOMPARE(accessibleName(experiment()->childAt(x, 244)),
                     faces + QStringLiteral(" probability ") + textAt(x, 244));
        }
        QCOMPARE(state(), kReady);
        const int total = trialTotal()->text().toInt();
        QVERIFY2(total > 20 && total == trials(), qPrintable(QString::number(total)));
        for (int n = 1; n <= kOutcomes; ++n)
            QCOMPARE(cell(CellKind::Count, n)->text() + QLatin1Char(' ') +
                         cell(CellKind::Ratio, n)->text(),
                     QString::number(record().count(n)) + QLatin1Char(' ') +
                         QString::fromStdString(ratioText(double(record().count(n)) / total)));
        QCOMPARE(accessibleName(trialTotal()), QStringLiteral("Number of trials %1").arg(total));
        for (int coin : {1, 2})
            QVERIFY(face(coin, Face::Head)->isShown() != face(coin, Face::Tail)->isShown());
        runTrials(1);
        QVERIFY(trialTotal()->text().toInt() > total);
    }

    void activationFollowsTheProgramsOwnWindowsOnly()
    {
        QWidget ours, elsewhere;
        ours.setGeometry(700, 100, 100, 100);
        elsewhere.setGeometry(700, 300, 100, 100);
        ActivationWatcher::instance().watch(&ours, [] {});
        press(Button::Init);
        focus(&elsewhere);
        focus(experiment());
        QCOMPARE(state(), kCleared); // back from another program: no activation
        focus(&ours);
        focus(experiment());
        QCOMPARE(state(), kReady);

        press(Button::Start);
        QTest::qWait(30);
        focus(&ours);
        focus(experiment());
        QCOMPARE(state(), kRunning); // still stoppable
    }

    void resultsGoOutAsAFileThatSaysWhatTheTableShowed()
    {
        // The trial that lifts a count past the limit ends the run, counted but never shown: the
        // file leaves it out as the table does (the copied text: run_table_test).
        startProgram(1, 2026);
        for (int trial = 0; trial <= 4000 && state() != kFinished; ++trial)
            trialsByHand(1);
        QCOMPARE(state(), kFinished);
        const int shown = trialTotal()->text().toInt();
        QCOMPARE(trials(), shown + 1);
        const QString table = QStringLiteral("outcome,count,ratio\n") +
                              shownRows("%1,%2,%3\n", '/') +
                              QStringLiteral("trials,%1,\n").arg(shown);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("run.csv"));
        QCOMPARE(experiment()->saveResults(path), QString());
        const QByteArray bytes = fileBytes(path);
        QVERIFY2(bytes.contains("\n" + table.toUtf8()), qPrintable(table));
        // Read back as a class window reads it, which checks each count and history against the
        // log: the trials shown.
        const ReadResult read =
            readResults(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        QVERIFY(read.ok());
        QCOMPARE(read.run()->trials, shown);
        QVERIFY(
            !experiment()->saveResults(folder.filePath(QStringLiteral("no/such.csv"))).isEmpty());
    }

    void theSameSeedGivesTheSameRun()
    {
        const auto run = [this](std::optional<std::uint64_t> seed) {
            startProgram(99, seed);
            QString counts = experiment()->actions().last()->text();
            trialsByHand(300);
            for (int n = 1; n <= kOutcomes; ++n)
                counts += QLatin1Char(' ') + QString::number(record().count(n));
            return counts;
        };
        const QString first = run(42);
        QVERIFY(first.startsWith(QStringLiteral("Seed: 42 ")));
        QCOMPARE(run(42), first);
        QVERIFY(run(43) != QString(first).replace(QStringLiteral("42"), QStringLiteral("43")));
        QVERIFY(run({}).startsWith(QStringLiteral("Seed: none, the run follows the clock ")));
    }

    void thePaceHoldsForTheProgramsLifetime()
    {
        const auto choose = [this](int which) {
            experiment()->findChild<QActionGroup *>()->actions().at(which)->trigger();
        };
        const auto oneTrialKey = [this] { type(experiment(), Qt::Key_T, Qt::ControlModifier); };
        // The results file names the pace in its own words, the same in every language.
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("paced.csv"));
        const auto savedPace = [this, &path] {
            return experiment()->saveResults(path).isEmpty() ? fileBytes(path).split('\n').value(3)
                                                             : QByteArray();
        };
        QCOMPARE(savedPace(), "pace,as designed");
        choose(1); // Classroom: a trial a frame, the coins as fast as ever
        QCOMPARE(experiment()->timer(Timer::Trial)->interval(), 16);
        QCOMPARE(experiment()->timer(Timer::Flip)->interval(), 1);
        QCOMPARE(savedPace(), "pace,classroom");
        oneTrialKey();
        QCOMPARE(trials(), 0);
        openHelp();
        click(helpClose());
        QVERIFY(QTest::qWaitFor([this] { return experiment() && !help(); }));
        QCOMPARE(experiment()->timer(Timer::Trial)->interval(), 16); // a new window, same pace
        choose(2);
        oneTrialKey(); // in the new window once it is active, as the pupil's key would be
        oneTrialKey();
        QCOMPARE(trials(), 2);
        QCOMPARE(experiment()->timer(Timer::Trial)->interval(), 1);
        QCOMPARE(savedPace(), "pace,one trial");
    }

    void spaceStartsAndF1IsGreyedDuringTheRun()
    {
        key(Qt::Key_Space); // Start
        QVERIFY(waitForTrials(0, 10));
        key(Qt::Key_F1); // Help is greyed during a run: nothing happens
        QCOMPARE(QApplication::focusWidget(), button(Button::Stop));
        key(Qt::Key_Return); // Stop
        QCOMPARE(state(), kReady);
    }

    void stoppedByKeyItSaysTheResults()
    {
        const QString &spoken = listen();
        key(Qt::Key_Space);
        QVERIFY(waitForTrials(0, 10));
        key(Qt::Key_Return);
        QCOMPARE(spoken, QStringLiteral("Stopped after %1 trials.").arg(trials()) +
                             shownRows(" %1 %2, %3.", ' '));
    }

    void tabReachesTheResultsTableWhoseArrowsNameEachCell()
    {
        runTrials(10);
        button(Button::Exit)->setFocus();
        for (int i = 0; i < 4; ++i) // past Init, Graph display and Help: the results' table
            key(Qt::Key_Tab);
        QAccessibleInterface *table =
            QAccessible::queryAccessibleInterface(QApplication::focusWidget());
        QAccessibleTableInterface *grid = table->tableInterface();
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(grid->rowCount() * 10 + grid->columnCount(), 24);
        key(Qt::Key_Right);
        key(Qt::Key_Down);
        QAccessibleInterface *value = grid->cellAt(1, 1);
        QVERIFY(value->state().focused);
        QCOMPARE(value->text(QAccessible::Name),
                 QStringLiteral("ratio ") + cell(CellKind::Ratio, 2)->text());
        QCOMPARE(grid->columnDescription(1) + QLatin1Char('|') + grid->rowDescription(1),
                 QStringLiteral("Head Tail|ratio"));
        QCOMPARE(value->tableCellInterface()->columnIndex() * 10 +
                     value->tableCellInterface()->rowIndex(),
                 11);
    }

    void enterOnInitClearsAndSaysSo()
    {
        const QString &spoken = listen();
        runTrials(10);
        button(Button::Init)->setFocus();
        key(Qt::Key_Enter);
        QCOMPARE(state(), kCleared);
        QCOMPARE(spoken, QStringLiteral("Counts cleared."));
    }

    void keysOpenHelpAndTheGraphAndEscapeClosesThem()
    {
        key(Qt::Key_F1);
        QVERIFY(help());
        type(help(), Qt::Key_Escape); // closes help as its Close button does
        QVERIFY(experiment() && QTest::qWaitForWindowActive(experiment()));
        button(Button::GraphDisplay)->setFocus();
        key(Qt::Key_Return);
        QPointer<GraphWindow> open = graph();
        QVERIFY(open);
        type(open, Qt::Key_Escape);
        QVERIFY(QTest::qWaitFor([&] { return open.isNull(); }));
    }

    void opensWhereDesignedWithItsCaptionAndIcon()
    {
        checkFrame(experiment(), QRect(263, 177, 434, 374),
                   QStringLiteral(" Quindle ") + makersNotice());
        QVERIFY(!experiment()->windowIcon().isNull());
    }
};

QUINDLE_WIDGET_TEST_MAIN(ExperimentWindowTest)
#include "experiment_window_test.moc"
