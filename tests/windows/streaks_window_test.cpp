// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The streaks window: its tables against the trial logs and what chance gives, a typed sequence
// against real ones, what it says and copies, and how the program's windows open it (Ctrl+K).

#include "windows/class_window_driver.h"

#include "classroom/results_file.h"
#include "windows/streaks/streaks_window.h"
#include "windows/streaks/streaks_words.h"

#include <QClipboard>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>

using namespace quindle;
using namespace quindle::testing;
using namespace Qt::StringLiterals;
using Scope = StreaksWindow::Scope;

namespace {

LoggedTrials logOf(std::initializer_list<int> outcomes)
{
    LoggedTrials log;
    for (const int outcome : outcomes)
        log.emplace_back(static_cast<std::uint8_t>(outcome));
    return log;
}

QTableView *table(const QWidget &window, const char *name)
{
    return window.findChild<QTableView *>(QLatin1String(name));
}

// A table's row as it shows it, its cells between bars: "Head Head|3|...".
QString shownRow(const QWidget &window, const char *name, int row)
{
    const QAbstractItemModel *model = table(window, name)->model();
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString();
    return cells.join(u'|');
}

// The longest streak the first table shows in a row.
QString longestOf(const QWidget &window, int row)
{
    return shownRow(window, "longestStreaks", row).section(u'|', 1, 1);
}

QString typedState(const QWidget &window)
{
    return window.findChild<QLabel *>(u"typedSequenceState"_s)->text();
}

} // namespace

class StreaksWindowTest : public QObject, ProgramDriver
{
    Q_OBJECT

    std::vector<LoggedTrials> m_runs; // what the window reads, as it reads it again
    std::unique_ptr<StreaksWindow> m_window;

    StreaksWindow &windowOn(std::vector<LoggedTrials> runs, Scope scope = Scope::Run)
    {
        m_runs = std::move(runs);
        m_window = std::make_unique<StreaksWindow>(scope, [this] {
            StreaksWindow::Runs read;
            read.logs.assign(m_runs.begin(), m_runs.end());
            return read;
        });
        return *m_window;
    }
    void typeSequence(const QString &text)
    {
        m_window->findChild<QLineEdit *>(u"typedSequence"_s)->setText(text);
    }

private slots:
    void longestStreaks_data()
    {
        QTest::addColumn<LoggedTrials>("log");
        QTest::addColumn<QString>("headHead");
        QTest::addColumn<QString>("coin1");
        // Coin1 shows Head in Head Head and Head Tail.
        QTest::newRow("at the start")
            << logOf({1, 1, 1, 2, 3, 4}) << u"Head Head|3"_s << u"Coin1, either face|4"_s;
        QTest::newRow("at the end")
            << logOf({2, 3, 4, 1, 1, 1}) << u"Head Head|3"_s << u"Coin1, either face|3"_s;
        QTest::newRow("one trial") << logOf({4}) << u"Head Head|0"_s << u"Coin1, either face|1"_s;
    }
    void longestStreaks()
    {
        QFETCH(LoggedTrials, log);
        QFETCH(QString, headHead);
        QFETCH(QString, coin1);
        const auto trials = std::ssize(log);
        StreaksWindow &window = windowOn({log});
        const QString outcome = shownRow(window, "longestStreaks", 0);
        const QString coinRow = shownRow(window, "longestStreaks", kOutcomes + 1);
        QCOMPARE(outcome.section(u'|', 0, 1), headHead);
        QCOMPARE(coinRow.section(u'|', 0, 1), coin1);
        // Chance in as many trials: for one outcome at a quarter, for either face at a half.
        QCOMPARE(outcome.section(u'|', 3), rangeWords(longestStreakSpread(trials, 0.25, false)));
        QCOMPARE(coinRow.section(u'|', 3), rangeWords(longestStreakSpread(trials, 0.5, true)));
    }

    void afterAStreak_data()
    {
        QTest::addColumn<LoggedTrials>("log");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("a streak, then another")
            << logOf({1, 1, 1, 1, 2})
            << QStringList{u"1 outcome|4|3|0.750|0.25"_s,
                           u"2 of the same outcome in a row|3|2|0.667|0.25"_s,
                           u"3 of the same outcome in a row|2|1|0.500|0.25"_s,
                           u"4 of the same outcome in a row|1|0|0.000|0.25"_s,
                           u"1 face of Coin1|4|4|1.000|0.5"_s};
        // The last trial follows nothing.
        QTest::newRow("a streak at the end")
            << logOf({3, 1, 1})
            << QStringList{u"1 outcome|2|1|0.500|0.25"_s,
                           u"2 of the same outcome in a row|0|0|–|0.25"_s,
                           u"1 face of Coin1|2|1|0.500|0.5"_s};
    }
    void afterAStreak()
    {
        QFETCH(LoggedTrials, log);
        QFETCH(QStringList, rows);
        StreaksWindow &window = windowOn({log});
        for (int row = 0; row < rows.size(); ++row)
            QCOMPARE(shownRow(window, "afterStreak", row).section(u'|', 0, 4), rows[row]);
    }

    void aClassIsReadRunByRun()
    {
        StreaksWindow &window = windowOn({logOf({1, 1}), logOf({1, 1})}, Scope::Class);
        QCOMPARE(shownRow(window, "longestStreaks", 0).section(u'|', 0, 1), u"Head Head|2"_s);
        QCOMPARE(shownRow(window, "afterStreak", 0).section(u'|', 1, 2), u"2|2"_s);
        QCOMPARE(shownRow(window, "afterStreak", 1).section(u'|', 1, 2), u"0|0"_s);
        QVERIFY2(window.summary().contains(u"expected in 2 runs."_s), qPrintable(window.summary()));
    }

    void typedCharactersThatAreNoFaces_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("state");
        QTest::newRow("a letter") << u"HT, hX"_s << u"“X” (character 6) is not a face"_s;
        QTest::newRow("unseen") << u"HT\u0007"_s << u"“U+0007” (character 3)"_s;
        QTest::newRow("markup") << u"<b>H"_s << u"“<” (character 1)"_s;
        QTest::newRow("too few") << u"h t h T H t"_s << u"6 faces so far; at least 20"_s;
    }
    void typedCharactersThatAreNoFaces()
    {
        QFETCH(QString, typed);
        QFETCH(QString, state);
        windowOn({});
        typeSequence(typed);
        QVERIFY2(typedState(*m_window).startsWith(state), qPrintable(typedState(*m_window)));
        QVERIFY(table(*m_window, "realOrInvented")->isHidden());
    }

    void typedSequenceAgainstRealOnes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("yours");
        QTest::addColumn<QStringList>("said");
        QTest::newRow("switching")
            << u"HT"_s.repeated(20) << u"Yours: 40 faces|1|39"_s
            << QStringList{u"switches 39 times in 39 chances"_s, u"usually switch too often"_s};
        QTest::newRow("all heads") << u"H"_s.repeated(20) << u"Yours: 20 faces|20|0"_s
                                   << QStringList{u"less often"_s, u"longer than real ones"_s};
        QTest::newRow("real") << u"HHTHTTTHHTHHHTTHTHTT"_s << u"Yours: 20 faces|3|11"_s
                              << QStringList{u"(3) and your switches (11)"_s, u"could be real"_s};
    }
    void typedSequenceAgainstRealOnes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, yours);
        QFETCH(QStringList, said);
        windowOn({});
        typeSequence(typed);
        QCOMPARE(shownRow(*m_window, "realOrInvented", 0), yours);
        std::vector<Result> faces;
        for (const QChar face : typed)
            faces.push_back(face == u'H' ? 0 : 1);
        const SequenceCheck check = checkSequence(faces);
        QCOMPARE(shownRow(*m_window, "realOrInvented", 2),
                 u"Real ones, 95 % of the time|"_s + rangeWords(check.longestChance) + u'|' +
                     rangeWords(check.switchChance));
        for (const QString &words : said)
            QVERIFY2(typedState(*m_window).contains(words), qPrintable(typedState(*m_window)));
    }

    void aPasteTooLongIsCutAndSaidSo()
    {
        windowOn({});
        typeSequence(u"HT"_s.repeated(3000));
        QCOMPARE(shownRow(*m_window, "realOrInvented", 0).section(u'|', 0, 0),
                 u"Yours: 4000 faces"_s);
        QVERIFY2(typedState(*m_window).endsWith(u"The field takes 4000 characters at most: the "
                                                "rest of what was pasted was left out."_s),
                 qPrintable(typedState(*m_window)));
    }

    void coin1BesideTheTypedSequence()
    {
        // Coin1 turns at every trial: Head Head, Tail Head, Head Head, ...
        LoggedTrials turning;
        for (int trial = 0; trial < 25; ++trial)
            turning.emplace_back(trial % 2 == 0 ? Face::Head : Face::Tail, Face::Head);
        windowOn({turning});
        typeSequence(u"H"_s.repeated(20));
        QCOMPARE(shownRow(*m_window, "realOrInvented", 1),
                 u"Coin1's first 20 faces in this run|1|19"_s);
        typeSequence(u"H"_s.repeated(26)); // more faces than the run has trials
        QCOMPARE(shownRow(*m_window, "realOrInvented", 1).section(u'|', 1), u"–|–"_s);
    }

    void readStreaksSaysTheMainFindings()
    {
        StreaksWindow &window = windowOn({logOf({2, 1, 1, 1, 1, 3, 2, 4})});
        window.show();
        const Spread chance = longestStreakSpread(8, 0.25, true);
        const QString findings =
            u"Longest streak: Head Head 4 times in a row, %1 to %2 expected "
            "in 8 trials. After 3 of the same outcome in a row, the next "
            "trial repeated it 0.500 of the time, a quarter expected."_s.arg(chance.low)
                .arg(chance.high);
        QCOMPARE(window.summary(), findings);
        // Ctrl+R brings the focus to the findings, where a screen reader reads them; pressed
        // there, it says them again.
        actionFor(window, Qt::Key_R)->trigger();
        QWidget *focus = window.focusWidget();
        QVERIFY(focus && focus->accessibleName().endsWith(u' ' + findings));
        QStringList said;
        Announcer::announceWithoutScreenReader(true);
        connect(window.findChild<Announcer *>(), &Announcer::said, this,
                [&said](const QString &sentence) { said << sentence; });
        actionFor(window, Qt::Key_R)->trigger();
        Announcer::announceWithoutScreenReader(false);
        QCOMPARE(said, QStringList{focus->accessibleName()});
    }

    void theWindowFollowsTheRun()
    {
        StreaksWindow &window = windowOn({logOf({1, 2})});
        window.show();
        m_runs = {logOf({1, 1, 1})};
        QVERIFY(QTest::qWaitFor([&] { return longestOf(window, 0) == u"3"_s; }));
        m_runs = {logOf({2, 2, 2})}; // as long, and different: after Init and a new run
        QVERIFY(QTest::qWaitFor([&] { return longestOf(window, 1) == u"3"_s; }));
        QCOMPARE(shownRow(window, "longestStreaks", 0).section(u'|', 1, 1), u"0"_s);
    }

    void copyAndPrintHoldTheTables()
    {
        StreaksWindow &window = windowOn({logOf({1, 1, 1, 2})});
        typeSequence(u"H"_s.repeated(20));
        const QString row = u"Head Head\t3\t"_s;
        QVERIFY(window.tablesText().contains(u"Result\tLongest streak\tUsual (median)"_s));
        QVERIFY(window.tablesText().contains(row));
        QVERIFY(window.tablesText().contains(u"Yours: 20 faces\t20\t0\n"_s));
        QVERIFY(window.tablesText().contains(typedState(window)));
        const QString printed = window.tablesDocument()->toPlainText();
        QVERIFY(printed.contains(u"2 of the same outcome in a row"_s));
        QVERIFY(printed.contains(u"Yours: 20 faces"_s));
        if (!onPlatform("wayland")) { // the clipboard needs a seat
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            table(window, "afterStreak")->setFocus();
            type(&window, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QGuiApplication::clipboard()->text(), window.tablesText());
        }
        typeSequence(u"H"_s); // no longer measured: its table left out
        QVERIFY(!window.tablesText().contains(u"Yours:"_s));
    }

    void zoomedTheWindowGrowsAndStaysOnTheScreen()
    {
        StreaksWindow &window = windowOn({logOf({1, 2, 3})});
        window.show();
        const int width = table(window, "afterStreak")->width();
        const qreal points = table(window, "afterStreak")->font().pointSizeF();
        window.setZoom(200);
        for (const QFrame *words : window.findChildren<QFrame *>()) // labels and tables alike
            QVERIFY2(words->font().pointSizeF() == 2 * points, words->metaObject()->className());
        QVERIFY(table(window, "afterStreak")->width() > 3 * width / 2);
        QVERIFY(window.screen()->availableGeometry().contains(window.geometry()));
    }

    void ctrlKOpensOneWindowOnTheRun()
    {
        startProgram(5, 5);
        trialsByHand(30);
        actionFor(*experiment(), Qt::Key_K)->trigger();
        StreaksWindow *window = m_program->streaksWindow(Scope::Run);
        QVERIFY(window && waitShown(window));
        QVERIFY2(titlesGiven(window).contains(u"Streaks in the run"_s),
                 qPrintable(titlesGiven(window).join(u'|')));
        QCOMPARE(shownRow(*window, "afterStreak", 0).section(u'|', 1, 1), u"29"_s);
        openGraph();
        actionFor(*graph(), Qt::Key_K)->trigger();
        QCOMPARE(m_program->streaksWindow(Scope::Run), window);
        endProgram();
    }

    void theClassLeavesOutRunsWithoutTheirOrder()
    {
        QTemporaryDir folder;
        const int trials = saveRun(folder.filePath(u"a.csv"_s), 1, 50)[0] +
                           saveRun(folder.filePath(u"b.csv"_s), 2, 70)[0];
        saveRun(folder.filePath(u"old.csv"_s), 3, 40);
        QFile saved(folder.filePath(u"old.csv"_s));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        RunResults old = *readResults(saved.readAll().toStdString()).run();
        old.formatVersion = 0; // a file of the first version: counts and history, no log
        old.seed.reset();
        old.log.clear();
        saved.close();
        QVERIFY(saved.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                saved.write(writeResults(old).c_str()) > 0);
        saved.close();
        startProgram();
        ClassWindow *classWindow = m_program->openClassWindow(folder.path());
        QVERIFY(pooled(classWindow->folder(), 3, 0, 5000));
        actionFor(*classWindow, Qt::Key_K)->trigger();
        QPointer<StreaksWindow> window = m_program->streaksWindow(Scope::Class);
        QVERIFY(window && waitShown(window));
        QVERIFY(window->findChild<QLabel *>(u"streaksScope"_s)
                    ->text()
                    .contains(u"1 run is left out"_s));
        QCOMPARE(shownRow(*window, "afterStreak", 0).section(u'|', 1, 1),
                 QString::number(trials - 2));
        classWindow->close();
        QVERIFY(QTest::qWaitFor([&] { return window.isNull() || window->isHidden(); }));
        endProgram();
    }
};

QUINDLE_WIDGET_TEST_MAIN(StreaksWindowTest)
#include "streaks_window_test.moc"
