// A monkey: tens of thousands of random events on the real windows (offscreen): clicks on
// whichever buttons are enabled, moving the focus between the open windows, closing the graph
// or help window by its frame, letting the timers run; with the program's invariants checked
// after every one. Exit and closing the last window are tested on their own elsewhere.
//
//   QUINDLE_MONKEY_EVENTS   number of events (default 20000)
//   QUINDLE_MONKEY_SEED     seed of the event sequence (default: from the clock; printed)
//
// The seed fixes which events come in which order; how many trials a timer span holds depends
// on the machine's timing.

#include "window_driver.h"

#include <QEventLoop>
#include <QTimer>

#include <array>
#include <chrono>
#include <optional>
#include <random>

using namespace quindle;
using namespace quindle::testing;

class MonkeyTest : public QObject, ProgramDriver
{
    Q_OBJECT

    std::mt19937_64 m_random;
    long m_restarts = 0;
    long m_finished = 0;
    std::string m_lastState;
    std::optional<std::array<int, 4>> m_overLimitAtStart;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // A fresh program. Its record starts near the run limit, as after a long session, so that
    // runs end by themselves within the monkey's short timer spans too.
    void restart()
    {
        m_program = std::make_unique<Program>(m_random());
        for (int n = 1; n <= kOutcomes; ++n)
            record().setCount(n, static_cast<Int16>(996 + pick(5)));
        m_program->showExperimentWindow();
        settle();
        ++m_restarts;
    }

    // Lets posted events, activation among them, take effect, and deletes what closed windows
    // left for deletion, as the program's own loop does between two events.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    [[nodiscard]] QList<QWidget *> openWindows() const
    {
        QList<QWidget *> windows;
        for (QWidget *w : std::initializer_list<QWidget *>{experiment(), graph(), help()})
            if (w && w->isVisible())
                windows << w;
        return windows;
    }

    QString act()
    {
        const int roll = pick(100);
        if (roll < 40) {
            QList<QPushButton *> enabled;
            if (experiment()) {
                for (Button which : kButtons)
                    if (which != Button::Exit && button(which)->isEnabled())
                        enabled << button(which);
            }
            if (graph() && graph()->isVisible())
                enabled << closeButton(graph());
            if (help() && help()->isVisible())
                enabled << closeButton(help());
            if (enabled.isEmpty())
                return QStringLiteral("no button");
            QPushButton *b = enabled[pick(static_cast<int>(enabled.size()))];
            const QString what = b->window()->objectName() + QLatin1Char('.') + b->objectName();
            b->click();
            return QStringLiteral("click ") + what;
        }
        if (roll < 60) {
            const QList<QWidget *> windows = openWindows();
            QWidget *w = windows[pick(static_cast<int>(windows.size()))];
            w->activateWindow();
            return QStringLiteral("activate ") + w->objectName();
        }
        if (roll < 65) {
            // By the frame: the graph window always; the help window only while the graph
            // window keeps the program going.
            if (help() && graph() && pick(2) == 0) {
                help()->close();
                return QStringLiteral("close help by its frame");
            }
            if (graph()) {
                graph()->close();
                return QStringLiteral("close graph by its frame");
            }
            return QStringLiteral("nothing to close");
        }
        const int ms = pick(8);
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        return QStringLiteral("run timers %1 ms").arg(ms);
    }

    // The first broken invariant, or an empty string.
    QString broken()
    {
        int graphs = 0, helps = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            graphs += top->isVisible() && qobject_cast<GraphWindow *>(top) ? 1 : 0;
            helps += top->isVisible() && qobject_cast<HelpWindow *>(top) ? 1 : 0;
        }
        if (graphs > 1 || helps > 1)
            return QStringLiteral("%1 graph and %2 help windows").arg(graphs).arg(helps);
        if (experiment() && experiment()->isVisible() && helps > 0)
            return QStringLiteral("experiment and help windows both open");
        if (openWindows().isEmpty())
            return QStringLiteral("the program has no window left");
        if (!experiment())
            return {};

        for (int coin : {1, 2}) {
            if (face(experiment(), coin, Face::Head)->isShown() ==
                face(experiment(), coin, Face::Tail)->isShown())
                return QStringLiteral("coin %1 shows both faces or none").arg(coin);
        }
        const std::string now = state(experiment());
        if (now != kReady && now != kRunning && now != kFinished && now != kCleared &&
            now != kFinishedCleared)
            return QStringLiteral("buttons and timers in no state of the table: ") +
                   QString::fromStdString(now);
        if (now == kFinished && m_lastState != now)
            ++m_finished;
        m_lastState = now;

        // A count past the limit ends the run in the trial that raises it. A run started with
        // such a count (after the handover, or Graph display after a finished run) ends in its
        // first trial: it may be seen running only until then, with the record unchanged.
        std::array<int, 4> counts{};
        bool overLimit = false;
        for (int n = 1; n <= kOutcomes; ++n) {
            counts[static_cast<std::size_t>(n - 1)] = record().count(n);
            overLimit = overLimit || record().count(n) > kRunLimit;
        }
        if (now == kRunning && overLimit) {
            if (m_overLimitAtStart && *m_overLimitAtStart != counts)
                return QStringLiteral("a trial with a count past the limit left the run going");
            m_overLimitAtStart = counts;
        } else {
            m_overLimitAtStart.reset();
        }

        bool isNumber = false;
        const int total = trialTotal(experiment())->text().toInt(&isNumber);
        int sum = 0;
        for (int n = 1; n <= kOutcomes && isNumber; ++n) {
            const int count = cell(experiment(), CellKind::Count, n)->text().toInt(&isNumber);
            const QString ratio = cell(experiment(), CellKind::Ratio, n)->text();
            if (isNumber && ratio.toStdString() != ratioText(double(count) / total))
                return QStringLiteral("outcome %1 shows %2 for %3 of %4")
                    .arg(n)
                    .arg(ratio)
                    .arg(count)
                    .arg(total);
            sum += count;
        }
        if (isNumber && sum != total) // (not a number: cleared by Init)
            return QStringLiteral("counts add up to %1, the total shows %2").arg(sum).arg(total);
        return {};
    }

private slots:
    void randomEventsKeepEveryInvariant()
    {
        const long events = qEnvironmentVariableIsSet("QUINDLE_MONKEY_EVENTS")
                                ? qEnvironmentVariable("QUINDLE_MONKEY_EVENTS").toLong()
                                : 20000;
        const quint64 seed =
            qEnvironmentVariableIsSet("QUINDLE_MONKEY_SEED")
                ? qEnvironmentVariable("QUINDLE_MONKEY_SEED").toULongLong()
                : static_cast<quint64>(std::chrono::system_clock::now().time_since_epoch().count());
        qInfo("monkey: %ld events, QUINDLE_MONKEY_SEED=%llu", events, seed);
        m_random.seed(seed);
        restart();

        QStringList recent;
        for (long i = 0; i < events; ++i) {
            if ((!experiment() && !help()) || (i > 0 && i % 1000 == 0)) {
                // Only the graph window is left, or a thousand events have passed: start afresh.
                m_program.reset();
                restart();
            }
            recent << act();
            settle();
            if (recent.size() > 8)
                recent.removeFirst();
            const QString problem = broken();
            if (!problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("event %1 (seed %2): %3\nlast events: %4")
                                     .arg(i)
                                     .arg(seed)
                                     .arg(problem, recent.join(QStringLiteral(" | ")))));
        }
        qInfo("monkey: done, %ld fresh starts, %ld runs ended at the limit", m_restarts,
              m_finished);
        m_program.reset();
    }
};

QUINDLE_WIDGET_TEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
