#include "window_driver.h"

#include "windows/activation.h"
#include "windows/runtime_errors.h"

#include <QAccessible>
#include <QEventLoop>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTimer>

using namespace quindle;
using namespace quindle::testing;

namespace {

// Every control of the experiment window as the design places it: name, pixel rectangle and
// caption; then the table's twenty cells, 81 x 25 px, 80 px apart across and 24 down.
const char *const kDesign =
    R"(Command4 0 0 57 25 Exit|Label15 120 0 193 25 Quindle|Command7 320 0 57 25 Help
|Command5 376 0 57 25 Init|Line1 0 24 432 1|coin1 104 48 81 65|coin2 256 48 81 65|Label1 104 120 81 25 Coin1
|Label2 256 120 81 25 Coin2|Command2 8 88 73 41 コインが止まる|Label16 8 272 165 17 Number of experiment
|Label17 32 296 113 25|Command3 192 296 105 33 Stop|Command1 312 296 105 33 Start
|Command6 24 336 129 25 Graph display|MMControl1 192 344 236 22)";
const char *const kTable = R"(Label3 Coin1|Label5 Head|Label7 Head|Label10 Tail|Label11 Tail
|Label4 Coin2|Label6 Head|Label9 Tail|Label8 Head|Label12 Tail|Label13 Frequency|dosuu1|dosuu2|dosuu3
|dosuu4|Label14 Probability|kaku1|kaku2|kaku3|kaku4)";

QString accessibleName(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

} // namespace

class ExperimentWindowTest : public QObject, ProgramDriver
{
    Q_OBJECT

    QStringList m_errors;

    void checkControl(const QString &row, QRect expected)
    {
        const QString name = row.section(QLatin1Char(' '), 0, 0);
        const QString caption = row.section(QLatin1Char(' '), expected.isNull() ? 5 : 1);
        if (expected.isNull()) {
            const QStringList f = row.split(QLatin1Char(' '));
            expected = QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
        }
        const QList<QWidget *> widgets = experiment()->findChildren<QWidget *>(name);
        QVERIFY2(!widgets.isEmpty(), qPrintable(name));
        for (QWidget *widget : widgets) {
            QCOMPARE(widget->geometry(), expected);
            if (auto *b = qobject_cast<QAbstractButton *>(widget))
                QCOMPARE(b->text(), caption);
            if (auto *l = qobject_cast<QLabel *>(widget))
                QCOMPARE(l->text(), caption);
        }
    }

private slots:
    void init()
    {
        resetFailure();
        m_errors.clear();
        setErrorReporter([this](const QString &message) { m_errors << message; });
        startProgram(7);
    }
    void cleanup()
    {
        endProgram();
        setErrorReporter({});
        resetFailure();
    }

    void layoutFontsAndColoursAreTheDesigns()
    {
        QCOMPARE(experiment()->geometry(), QRect(263, 177, 434, 374));
        QCOMPARE(experiment()->windowTitle(), QStringLiteral(" Quindle ") + makersNotice());
        QVERIFY(!experiment()->windowIcon().isNull());
        const auto rows = [](const char *text) {
            return QString::fromUtf8(text).remove(QLatin1Char('\n')).split(QLatin1Char('|'));
        };
        for (const QString &row : rows(kDesign))
            checkControl(row, QRect());
        const QStringList cells = rows(kTable);
        for (int i = 0; i < 20; ++i)
            checkControl(cells[i], QRect(16 + 80 * (i % 5), 160 + 24 * (i / 5), 81, 25));
        QCOMPARE(QFontInfo(experiment()->findChild<QLabel *>()->font()).family(),
                 QStringLiteral("IPAPGothic"));
        QStringList fonts;
        for (const char *name :
             {"Label15", "Label13", "Label16", "dosuu3", "Command1", "Command2", "Command4"}) {
            const QFont f = experiment()->findChild<QWidget *>(QString::fromLatin1(name))->font();
            fonts << QString::number(f.pointSizeF()) + (f.bold() ? QStringLiteral("b") : QString());
        }
        QCOMPARE(fonts.join(QLatin1Char(' ')),
                 QStringLiteral("15.75b 9.75b 9.75b 15.75b 12b 12b 11.25"));
        // Head in blue and Tail in red, on white; the title on pink.
        for (QLabel *header : experiment()->findChildren<QLabel *>()) {
            const QColor text = header->palette().color(QPalette::WindowText);
            if (header->text() == QLatin1String("Head"))
                QCOMPARE(text, QColor(0, 0, 255));
            if (header->text() == QLatin1String("Tail"))
                QCOMPARE(text, QColor(255, 0, 0));
        }
        const QImage image = experiment()->grab().toImage();
        QCOMPARE(image.pixelColor(124, 3), QColor(255, 192, 192)); // inside the title
        QCOMPARE(image.pixelColor(120, 3), QColor(Qt::black));     // its border
        QCOMPARE(image.pixelColor(340, 235), QColor(Qt::white));   // inside a ratio cell
        QCOMPARE(image.pixelColor(10, 274), QColor(Qt::white));    // inside the number label
        QCOMPARE(image.pixelColor(34, 298), QColor(Qt::white));    // inside the trial count
        QCOMPARE(image.pixelColor(136, 160), QColor(Qt::black));   // a blue cell's top border
        QCOMPARE(image.pixelColor(176, 200), QColor(Qt::black));   // a shared border, not two
        QCOMPARE(image.pixelColor(177, 200), QColor(Qt::white));
        QCOMPARE(image.pixelColor(100, 24), QColor(Qt::black));   // the rule
        QVERIFY(image.pixelColor(106, 122) != QColor(Qt::white)); // "Coin1" has no background
    }

    void opensReadyWithEmptyCellsRestPoseAndFocusOnStart()
    {
        QCOMPARE(state(experiment()), kReady);
        for (int n = 1; n <= kOutcomes; ++n) {
            QCOMPARE(cell(experiment(), CellKind::Count, n)->text(), QString());
            QCOMPARE(cell(experiment(), CellKind::Ratio, n)->text(), QString());
        }
        QCOMPARE(trialTotal(experiment())->text(), QString());
        // Rest pose: coin 1's head (a yellow disc) and coin 2's tail (an orange one) show
        // through the hidden face stacked on them.
        const QImage image = experiment()->grab().toImage();
        QCOMPARE(image.pixelColor(104 + 7, 48 + 32), QColor(255, 255, 0));
        QCOMPARE(image.pixelColor(256 + 7, 48 + 32), QColor(255, 128, 64));
        QCOMPARE(QApplication::focusWidget(), button(Button::Start));
    }

    void timersAndHiddenControls()
    {
        for (Timer which : {Timer::Flip, Timer::Trial}) {
            QTimer *timer = experiment()->timer(which);
            QCOMPARE(timer->parent(), experiment());
            QCOMPARE(timer->interval(), 1);
            QCOMPARE(timer->timerType(), Qt::PreciseTimer);
            QVERIFY(!timer->isActive());
        }
        runFor(100);
        for (const char *name : {"Command2", "MMControl1"}) {
            auto *hidden = experiment()->findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY(hidden && !hidden->isVisible());
            QCOMPARE(hidden->focusPolicy(), Qt::NoFocus);
        }
    }

    void runThenStopShowsAConsistentTableAndStartContinues()
    {
        runFor(300);
        QCOMPARE(state(experiment()), kReady);
        const int total = trialTotal(experiment())->text().toInt();
        QVERIFY2(total > 20, qPrintable(QString::number(total)));
        QCOMPARE(total, trials());
        for (int n = 1; n <= kOutcomes; ++n) {
            QCOMPARE(cell(experiment(), CellKind::Count, n)->text(),
                     QString::number(record().count(n)));
            QCOMPARE(cell(experiment(), CellKind::Ratio, n)->text(),
                     QString::fromStdString(ratioText(double(record().count(n)) / total)));
            QCOMPARE(accessibleName(cell(experiment(), CellKind::Count, n))
                         .section(QLatin1Char(' '), -1),
                     QString::number(record().count(n)));
        }
        QCOMPARE(accessibleName(trialTotal(experiment())),
                 QStringLiteral("Number of trials %1").arg(total));
        for (int coin : {1, 2})
            QVERIFY(face(experiment(), coin, Face::Head)->isShown() !=
                    face(experiment(), coin, Face::Tail)->isShown());
        runFor(100);
        QVERIFY(trialTotal(experiment())->text().toInt() > total);
    }

    void activationFollowsTheProgramsOwnWindowsOnly()
    {
        QWidget ours, elsewhere;
        ours.setGeometry(700, 100, 100, 100);
        elsewhere.setGeometry(700, 300, 100, 100);
        ActivationWatcher::instance().watch(&ours, [] {});

        press(Button::Init);
        QCOMPARE(state(experiment()), kCleared);
        focus(&elsewhere);
        focus(experiment());
        QCOMPARE(state(experiment()), kCleared); // back from another program: no activation
        focus(&ours);
        focus(experiment());
        QCOMPARE(state(experiment()), kReady);

        press(Button::Start);
        QTest::qWait(30);
        focus(&ours);
        focus(experiment());
        QCOMPARE(state(experiment()), kRunning); // still stoppable
        const int before = trials();
        QTest::qWait(50);
        QVERIFY(trials() > before);
        press(Button::Stop);
    }

    void closingDuringARunStopsItsTimers()
    {
        press(Button::Start);
        QTest::qWait(20);
        QTimer *timer = experiment()->timer(Timer::Trial);
        QSignalSpy ticks(timer, &QTimer::timeout);
        experiment()->close();
        QVERIFY(!timer->isActive());
        QVERIFY(ticks.isEmpty());
    }

    void aRunTimeErrorIsReportedOnceNotThrown()
    {
        for (int n = 1; n <= kOutcomes; ++n)
            record().setCount(n, 32767);
        press(Button::Start);
        QTRY_COMPARE(m_errors.size(), qsizetype(1));
        QVERIFY(m_errors.first().contains(QStringLiteral("'6'")));
        QVERIFY(m_errors.first().contains(QStringLiteral("Overflow")));
        QTest::qWait(20);
        QCOMPARE(m_errors.size(), qsizetype(1));
    }

    void keyboardAloneRunsTheExperiment()
    {
        const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        key(Qt::Key_Space); // Start
        QCOMPARE(state(experiment()), kRunning);
        QTest::qWait(150);
        key(Qt::Key_F1); // Help is greyed during a run: nothing happens
        QVERIFY(experiment());
        QCOMPARE(QApplication::focusWidget(), button(Button::Stop));
        key(Qt::Key_Return); // Stop
        QCOMPARE(state(experiment()), kReady);
        QVERIFY(trials() > 0);

        // Tab skips the greyed Stop.
        QStringList order;
        for (int i = 0; i < 6; ++i) {
            order << QApplication::focusWidget()->objectName();
            key(Qt::Key_Tab);
        }
        QCOMPARE(order.join(QLatin1Char(' ')),
                 QStringLiteral("Command1 Command4 Command5 Command6 Command7 "
                                "Command1"));
        button(Button::Init)->setFocus();
        key(Qt::Key_Enter);
        QCOMPARE(state(experiment()), kCleared);

        key(Qt::Key_F1);
        QVERIFY(help() && QTest::qWaitForWindowActive(help()));
        key(Qt::Key_Escape); // closes help as its Close button does
        QVERIFY(experiment() && QTest::qWaitForWindowActive(experiment()));
        button(Button::GraphDisplay)->setFocus();
        key(Qt::Key_Return);
        QVERIFY(graph() && QTest::qWaitForWindowActive(graph()));
        QPointer<GraphWindow> open = graph();
        key(Qt::Key_Escape);
        QTRY_VERIFY(open.isNull());
    }

    void screenReaderNamesAndThrottledAnnouncements()
    {
        QAccessibleInterface *start = QAccessible::queryAccessibleInterface(button(Button::Start));
        QCOMPARE(start->role(), QAccessible::Button);
        QCOMPARE(start->text(QAccessible::Name), QStringLiteral("Start"));
        QVERIFY(QAccessible::queryAccessibleInterface(button(Button::Stop))->state().disabled);
        QCOMPARE(accessibleName(cell(experiment(), CellKind::Ratio, 3)),
                 QStringLiteral("Tail/Head probability"));
        QCOMPARE(accessibleName(face(experiment(), 1, Face::Head)), QStringLiteral("Coin1: Head"));
        QVERIFY(QAccessible::queryAccessibleInterface(face(experiment(), 2, Face::Head))
                    ->state()
                    .invisible);
        Announcer::announceWithoutScreenReader(true);
        auto *announcer = experiment()->findChild<Announcer *>();
        QSignalSpy told(announcer, &Announcer::announced);
        const auto toldOfTotal = [&] {
            return std::count_if(told.cbegin(), told.cend(), [this](const QList<QVariant> &a) {
                return a.at(0).value<QObject *>() == trialTotal(experiment());
            });
        };
        press(Button::Start);
        QEventLoop loop; // unlike qWait, runs timers as the program's own loop does
        QTimer::singleShot(600, &loop, &QEventLoop::quit);
        loop.exec();
        const auto duringRun = toldOfTotal();
        press(Button::Stop);
        Announcer::announceWithoutScreenReader(false);
        QVERIFY2(duringRun >= 1 && duringRun <= 600 / Announcer::kIntervalMs + 1,
                 qPrintable(QString::number(duringRun)));
        QCOMPARE(toldOfTotal(), duringRun + 1); // told at once when the run stops
    }
};

QUINDLE_WIDGET_TEST_MAIN(ExperimentWindowTest)
#include "experiment_window_test.moc"
