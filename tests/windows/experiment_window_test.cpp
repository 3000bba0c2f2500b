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

QString nameAt(QWidget *window, QPoint point)
{
    QWidget *found = window->childAt(point);
    return found ? found->objectName() : QString();
}

// What the pupil finds where: object name, rectangle (x y width height) and text.
const char kPlaces[] = "Command4 0 0 57 25 Exit|Label15 120 0 193 25 Quindle|Command7 320 0 57 25 "
                       "Help|Command5 376 0 57 25 Init|coin1 104 48 81 65 |coin2 256 48 81 65 |"
                       "Label1 104 120 81 25 Coin1|Label2 256 120 81 25 Coin2|Label16 8 272 165 17 "
                       "Number of experiment|Label17 32 296 113 25 |Command3 192 296 105 33 "
                       "Stop|Command1 312 296 105 33 Start|Command6 24 336 129 25 Graph display";
// The table's rows of five 81 x 25 px cells, 80 px apart across, 24 down from (16, 160): name:text.
const char *const kTable[] = {"Label3:Coin1 Label5:Head Label7:Head Label10:Tail Label11:Tail",
                              "Label4:Coin2 Label6:Head Label9:Tail Label8:Head Label12:Tail",
                              "Label13:Frequency dosuu1: dosuu2: dosuu3: dosuu4:",
                              "Label14:Probability kaku1: kaku2: kaku3: kaku4:"};

// The control a click finds just inside every corner (past a neighbour's shared border line) and
// in the middle of rect is called name and shows text; one pixel outside each corner it is not.
void checkPlace(QWidget *window, const QString &name, const QRect &rect, const QString &text)
{
    const QRect inside = rect.adjusted(1, 1, -1, -1), outside = rect.adjusted(-1, -1, 1, 1);
    for (const QPoint &p : {inside.topLeft(), inside.topRight(), inside.bottomLeft(),
                            inside.bottomRight(), rect.center()})
        QVERIFY2(nameAt(window, p) == name, qPrintable(name + QLatin1String(" inside")));
    for (const QPoint &p :
         {outside.topLeft(), outside.topRight(), outside.bottomLeft(), outside.bottomRight()})
        QVERIFY2(nameAt(window, p) != name, qPrintable(name + QLatin1String(" outside")));
    QCOMPARE(window->childAt(rect.center())->property("text").toString(), text);
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

    void hiddenPartsTakeNoClickAndNoFocus()
    {
        auto *trialButton = experiment()->findChild<QWidget *>(QStringLiteral("Command2"));
        QVERIFY(!trialButton->isVisible() && trialButton->focusPolicy() == Qt::NoFocus);
        QCOMPARE(nameAt(experiment(), QPoint(40, 100)), QString());
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

    void headIsWrittenInBlueAndTailInRed()
    {
        for (QLabel *face : experiment()->findChildren<QLabel *>()) // Head in blue, Tail in red
            if (face->text() == QLatin1String("Head") || face->text() == QLatin1String("Tail"))
                QCOMPARE(face->palette().color(QPalette::WindowText),
                         face->text() == QLatin1String("Head") ? QColor(0, 0, 255)
                                                               : QColor(255, 0, 0));
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

    void eachControlIsWhereThePupilFindsIt()
    {
        for (const QString &place : QString::fromUtf8(kPlaces).split(QLatin1Char('|'))) {
            const QStringList f = place.split(QLatin1Char(' '));
            checkPlace(experiment(), f[0],
                       QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt()),
                       f.mid(5).join(QLatin1Char(' ')));
        }
        for (int r = 0; r < 4; ++r) {
            const QStringList cells = QString::fromUtf8(kTable[r]).split(QLatin1Char(' '));
            for (int c = 0; c < 5; ++c)
                checkPlace(experiment(), cells[c].section(QLatin1Char(':'), 0, 0),
                           QRect(16 + 80 * c, 160 + 24 * r, 81, 25),
                           cells[c].section(QLatin1Char(':'), 1));
        }
    }

    void theTableIsOneGridOfBlackLinesAroundWhiteCellsInTheDesignsColours()
    {
        // Cells 81 px wide and 25 high, 80 and 24 apart, share the line where they meet; the
        // pink title with its border; the rule under the top row; coin 1's head (a yellow disc)
        // and coin 2's tail (an orange one) showing through the hidden face stacked on each.
        const QImage image = experiment()->grab().toImage();
        const QColor pink(255, 192, 192), black(Qt::black), white(Qt::white);
        for (int x = 16; x <= 416; x += 80) {
            for (int y = 160; y <= 256; y += 24) {
                QCOMPARE(image.pixelColor(x, y + (y < 256 ? 12 : 0)), black);
                QCOMPARE(image.pixelColor(x + (x < 416 ? 40 : 0), y), black);
                if (x < 416 && y < 256)
                    QCOMPARE(image.pixelColor(x + 2, y + 2), white);
            }
        }
        QCOMPARE(image.pixelColor(417, 200), image.pixelColor(430, 200)); // nothing beyond
        const std::tuple<int, int, QColor> pixels[] = {
            {124, 3, pink},   {120, 3, black},  {312, 3, black}, {10, 274, white},
            {34, 298, white}, {100, 24, black}, {316, 24, black}};
        for (const auto &[x, y, colour] : pixels)
            QCOMPARE(image.pixelColor(x, y), colour);
        QCOMPARE(image.pixelColor(104 + 7, 48 + 32), QColor(255, 255, 0));
        QCOMPARE(image.pixelColor(256 + 7, 48 + 32), QColor(255, 128, 64));
    }

    void everyTextIsInTheDesignsFaceAndSize()
    {
        // Row names small, the top row's buttons not bold.
        const auto expected = [](const QString &text) {
            const auto in = [&text](const char *texts) {
                return QString::fromUtf8(texts).split(u'|').contains(text);
            };
            return in("Frequency|Probability|Number of experiment") ? std::pair(9.75, true)
                   : in("Exit|Help|Init")                           ? std::pair(11.25, false)
                   : in("Start|Stop|Graph display|コインが止まる")  ? std::pair(12.0, true)
                                                                    : std::pair(15.75, true);
        };
        int checked = 0;
        for (QWidget *control : experiment()->findChildren<QWidget *>()) {
            const QVariant text = control->property("text");
            if (!text.isValid() || control->objectName().isEmpty()) // Qt's own parts
                continue;
            const auto [points, bold] = expected(text.toString());
            QVERIFY2(control->font().pointSizeF() == points && control->font().bold() == bold,
                     qPrintable(control->objectName()));
            QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("IPAPGothic"));
            ++checked;
        }
        QCOMPARE(checked, 32); // 20 cells, 5 more labels, 7 buttons (the hidden one too)
    }

    void theTabOrderSkipsTheGreyedStop()
    {
        runTrials(10);
        QStringList order;
        for (QWidget *w = button(Button::Start); order.size() < 6; w = w->nextInFocusChain())
            if (w->focusPolicy() != Qt::NoFocus && w->isVisible())
                order << w->objectName();
        QCOMPARE(order.join(QLatin1Char(' ')),
                 QStringLiteral("Command1 Command3 Command4 Command5 Command6 Command7"));
        button(Button::Start)->setFocus();
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(Button::Exit));
    }
};

QUINDLE_WIDGET_TEST_MAIN(ExperimentWindowTest)
#include "experiment_window_test.moc"
