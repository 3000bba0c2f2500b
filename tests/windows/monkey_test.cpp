// A monkey: tens of thousands of random events on the real windows (offscreen) — clicks on
// whichever buttons are enabled, moving the focus between the open windows, closing the graph
// or help window by its frame, letting the timers run — with the program's invariants checked
// after every one. Exit and closing the last window are tested on their own elsewhere.
//
//   QUINDLE_MONKEY_EVENTS   number of events (default 20000)
//   QUINDLE_MONKEY_SEED     seed of the event sequence (default: from the clock; printed)
//
// The seed fixes which events come in which order; how many trials a timer span holds depends
// on the machine's timing.

#include "widget_test_main.h"

#include "app/program.h"
#include "experiment/experiment_control.h"
#include "windows/picture.h"

#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <random>

using namespace quindle;

namespace {

// Start, Stop, Exit, Init, Graph display, Help as 0/1, then the two timers.
const QStringList kStates = {
    QStringLiteral("101111 00"), // Ready
    QStringLiteral("010000 11"), // Running (activation during a run changes nothing)
    QStringLiteral("001111 00"), // Finished
    QStringLiteral("101011 00"), // Cleared
    QStringLiteral("001011 00"), // Finished-cleared
};

void spin(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> m_program;
    std::mt19937_64 m_random;
    QString m_failure;
    long m_restarts = 0;
    long m_finished = 0;
    QString m_lastState;
    std::optional<std::array<int, 4>> m_overLimitAtStart;

    template<class T> T *child(QWidget *window, const char *name)
    {
        return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    // A fresh program. Its record starts near the run limit, as after a long session, so that
    // runs end by themselves within the monkey's short timer spans too.
    void restart()
    {
        m_program = std::make_unique<Program>(m_random());
        for (int n = 1; n <= 4; ++n)
            m_program->record().setCount(n, static_cast<Int16>(996 + pick(5)));
        m_program->showForm1();
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
        for (QWidget *w : {static_cast<QWidget *>(m_program->form1()),
                           static_cast<QWidget *>(m_program->form2()),
                           static_cast<QWidget *>(m_program->form4())})
            if (w && w->isVisible())
                windows << w;
        return windows;
    }

    QString act()
    {
        const int roll = pick(100);
        if (roll < 40) {
            QList<QPushButton *> enabled;
            const char *form1Buttons[] = {"Command1", "Command3", "Command5", "Command6",
                                          "Command7"};
            for (const char *name : form1Buttons)
                if (auto *b = child<QPushButton>(m_program->form1(), name); b && b->isEnabled())
                    enabled << b;
            for (QWidget *w : {static_cast<QWidget *>(m_program->form2()),
                               static_cast<QWidget *>(m_program->form4())})
                if (auto *b = child<QPushButton>(w, "Command1"); b && w->isVisible())
                    enabled << b;
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
            // window keeps the program going (closing the last window is tested elsewhere).
            if (m_program->form4() && m_program->form2() && pick(2) == 0) {
                m_program->form4()->close();
                return QStringLiteral("close Form4 by frame");
            }
            if (m_program->form2()) {
                m_program->form2()->close();
                return QStringLiteral("close Form2 by frame");
            }
            return QStringLiteral("nothing to close");
        }
        const int ms = pick(8);
        spin(ms);
        return QStringLiteral("run timers %1 ms").arg(ms);
    }

    // The first broken invariant, or an empty string.
    QString broken()
    {
        int graphs = 0, helps = 0;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible())
                continue;
            graphs += qobject_cast<Form2 *>(top) ? 1 : 0;
            helps += qobject_cast<Form4 *>(top) ? 1 : 0;
        }
        if (graphs > 1 || helps > 1)
            return QStringLiteral("%1 graph and %2 help windows").arg(graphs).arg(helps);
        Form1 *form = m_program->form1();
        if (form && form->isVisible() && helps > 0)
            return QStringLiteral("experiment and help windows both open");
        if (openWindows().isEmpty())
            return QStringLiteral("the program has no window left");
        if (!form)
            return {};

        for (int coin : {1, 2}) {
            int shown = 0;
            for (Picture *p : form->findChildren<Picture *>(QStringLiteral("coin%1").arg(coin)))
                shown += p->isShown() ? 1 : 0;
            if (shown != 1)
                return QStringLiteral("coin%1 shows %2 faces").arg(coin).arg(shown);
        }

        QString state;
        for (const char *name :
             {"Command1", "Command3", "Command4", "Command5", "Command6", "Command7"})
            state +=
                child<QPushButton>(form, name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        const bool running = form->timer(Timer::Timer2)->isActive();
        state += QLatin1Char(' ');
        state += form->timer(Timer::Timer1)->isActive() ? QLatin1Char('1') : QLatin1Char('0');
        state += running ? QLatin1Char('1') : QLatin1Char('0');
        if (!kStates.contains(state))
            return QStringLiteral("buttons and timers in no state of the table: ") + state;
        if (state == kStates[2] && m_lastState != state)
            ++m_finished;
        m_lastState = state;

        // A count past the limit ends the run in the trial that raises it. A run started with
        // such a count (after the handover, or Graph display after a finished run) ends in its
        // first trial: it may be seen running only until then, with the record unchanged.
        const Module1 &record = m_program->record();
        std::array<int, 4> counts{};
        bool overLimit = false;
        for (int n = 1; n <= 4; ++n) {
            counts[static_cast<std::size_t>(n - 1)] = record.count(n);
            overLimit = overLimit || record.count(n) > kRunLimit;
        }
        if (running && overLimit) {
            if (m_overLimitAtStart && *m_overLimitAtStart != counts)
                return QStringLiteral("a trial with a count past the limit left the run going");
            if (!m_overLimitAtStart)
                m_overLimitAtStart = counts;
        } else {
            m_overLimitAtStart.reset();
        }

        bool numbers = false;
        const int total = child<QLabel>(form, "Label17")->text().toInt(&numbers);
        if (!numbers)
            return {};
        int sum = 0;
        for (int n = 1; n <= 4; ++n) {
            bool isNumber = false;
            const QString countName = QStringLiteral("dosuu%1").arg(n);
            const int count = form->findChild<QLabel *>(countName)->text().toInt(&isNumber);
            if (!isNumber)
                return {}; // cleared by Init: the total is the previous run's
            sum += count;
            const QString ratio =
                form->findChild<QLabel *>(QStringLiteral("kaku%1").arg(n))->text();
            const QString expected = QString::fromStdString(
                ratioText(static_cast<double>(count) / static_cast<double>(total)));
            if (ratio != expected)
                return QStringLiteral("kaku%1 shows %2 for %3 of %4")
                    .arg(n)
                    .arg(ratio)
                    .arg(count)
                    .arg(total);
        }
        if (sum != total)
            return QStringLiteral("counts add up to %1, Label17 shows %2").arg(sum).arg(total);
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
            if ((!m_program->form1() && !m_program->form4()) || (i > 0 && i % 1000 == 0)) {
                // Only the graph window is left, and nothing can bring the experiment back;
                // or a thousand events have passed: start the program afresh.
                m_program.reset();
                restart();
            }
            const QString event = act();
            settle();
            recent << event;
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
