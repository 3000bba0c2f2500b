// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The experiment window keeps one table of the run: what its cells show is what the accessible
// result table reads, what Copy puts on the clipboard and what the spoken sentence tells, after
// every trial, at the run's limit and after Init.

#include "windows/window_driver.h"

#include <QAccessible>
#include <QClipboard>
#include <QSignalSpy>

#include <algorithm>

using namespace quindle;
using namespace quindle::testing;

class RunTableTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void init() { startProgram(7, 2026); }
    void cleanup()
    {
        Announcer::announceWithoutScreenReader(false);
        endProgram();
    }

    void theResultTableReadsEveryCellAsShownAfterEachTrialAndHearsWhichChanged()
    {
        auto *table = experiment()->findChild<QTableView *>();
        QVERIFY(table);
        QAccessibleTableInterface *grid =
            QAccessible::queryAccessibleInterface(table)->tableInterface();
        QSignalSpy changed(table->model(), &QAbstractItemModel::dataChanged);
        const auto told = [&changed](int row, int column) { // within a range the views were told of
            return std::any_of(changed.begin(), changed.end(), [&](auto &range) {
                const auto first = range[0].toModelIndex(), last = range[1].toModelIndex();
                return first.row() <= row && row <= last.row() && first.column() <= column &&
                       column <= last.column();
            });
        };
        for (int trial = 0; trial < 3; ++trial) {
            QStringList before;
            for (int i = 0; i < 2 * kOutcomes; ++i)
                before << cell(CellKind(i / kOutcomes), i % kOutcomes + 1)->text();
            changed.clear();
            trialsByHand(1);
            QVERIFY(QTest::qWaitFor([&changed] { return !changed.isEmpty(); })); // in its frame
            for (int i = 0; i < 2 * kOutcomes; ++i) {
                const int row = i / kOutcomes, column = i % kOutcomes;
                const QString shown = cell(CellKind(row), column + 1)->text();
                QCOMPARE(grid->cellAt(row, column)->text(QAccessible::Name),
                         QLatin1String(row == 0 ? "frequency " : "ratio ") + shown);
                QVERIFY2(shown == before[i] || told(row, column), qPrintable(QString::number(i)));
            }
        }
    }

    void duringARunTheCellsCountFrameByFrame() // what Stop shows: experiment_window_test
    {
        press(Button::Start);
        QVERIFY(QTest::qWaitFor([this] { return trialTotal()->text().toInt() >= 10; }, 10000));
        QCOMPARE(state(), kRunning);
        QVERIFY(trialTotal()->text().toInt() <= trials());
        QVERIFY(!cell(CellKind::Ratio, 1)->text().isEmpty());
    }

    void copyGivesTheTableAsShownAfterInitAndAfterTheNextTrial()
    {
        const auto shownTable = [this] {
            return QStringLiteral("outcome\tcount\tratio\n") + shownRows("%1\t%2\t%3\n", '/') +
                   QStringLiteral("trials\t%1\t\n").arg(trialTotal()->text());
        };
        const auto copied = [this] {
            type(experiment(), Qt::Key_C, Qt::ControlModifier);
            return QGuiApplication::clipboard()->text();
        };
        trialsByHand(40);
        const QString run = shownTable();
        QVERIFY(run.contains(QStringLiteral("trials\t40\t")));
        QCOMPARE(copied(), run);
        press(Button::Init); // counts and ratios cleared; the total stays as the design has it
        QCOMPARE(state(), kCleared);
        const QString cleared = shownTable();
        QVERIFY(cleared.contains(QStringLiteral("Head/Head\t\t\n")));
        QCOMPARE(copied(), cleared);
        trialsByHand(1);
        QCOMPARE(trialTotal()->text(), QStringLiteral("1"));
        QCOMPARE(copied(), shownTable());
    }

    void theSpokenEndOfARunTellsTheTableWithoutItsUnshownFinalTrial()
    {
        Announcer::announceWithoutScreenReader(true);
        QString spoken;
        connect(experiment()->findChild<Announcer *>(), &Announcer::said, this,
                [&spoken](const QString &sentence) { spoken = sentence; });
        for (int trial = 0; trial <= 4000 && state() != kFinished; ++trial)
            trialsByHand(1);
        QCOMPARE(state(), kFinished);
        const int shown = trialTotal()->text().toInt();
        QCOMPARE(trials(), shown + 1); // the final trial counts without showing
        for (int n = 1; n <= kOutcomes; ++n)
            QVERIFY(cell(CellKind::Count, n)->text().toInt() <= 1000);
        const QString said = QStringLiteral("Run finished after %1 trials.").arg(shown) +
                             shownRows(" %1 %2, %3.", ' ');
        QCOMPARE(spoken, said);
    }
};

QUINDLE_WIDGET_TEST_MAIN(RunTableTest)
#include "run_table_test.moc"
