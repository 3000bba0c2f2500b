// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The accessible result table lies over the value labels and draws only its focus frame: a new
// value has no label drawn again but its own.

#include "windows/window_driver.h"

#include <QHash>

using namespace quindle;
using namespace quindle::testing;

namespace {

class PaintCounter : public QObject
{
public:
    QHash<QObject *, int> paints;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        paints[watched] += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class ResultTableTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void init() { startProgram(7, 2026); }
    void cleanup() { endProgram(); }

    void aLabelWhoseValueStaysIsNotDrawnAgain()
    {
        QVERIFY(QTest::qWaitForWindowExposed(experiment()));
        trialsByHand(1); // every count shows a number
        QTest::qWait(100);
        PaintCounter counter;
        QStringList before;
        for (int n = 1; n <= kOutcomes; ++n) {
            cell(CellKind::Count, n)->installEventFilter(&counter);
            before << cell(CellKind::Count, n)->text();
        }
        trialsByHand(1);
        QTest::qWait(100); // its frame is drawn
        int unchanged = 0;
        for (int n = 1; n <= kOutcomes; ++n) {
            QLabel *count = cell(CellKind::Count, n);
            const bool same = count->text() == before[n - 1];
            unchanged += same;
            QCOMPARE(counter.paints.value(count) > 0, !same);
        }
        QCOMPARE(unchanged, kOutcomes - 1);
    }
};

QUINDLE_WIDGET_TEST_MAIN(ResultTableTest)
#include "result_table_test.moc"
