// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Random clicks, focus moves and timer spans, the program's invariants checked after each.
//   QUINDLE_MONKEY_EVENTS (default 20000); QUINDLE_MONKEY_SEED (default: the clock; printed)
// The seed fixes the events; how many trials a timer span holds depends on the machine.

#include "windows/window_driver.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

#include <random>

using namespace quindle;
using namespace quindle::testing;

class MonkeyTest : public QObject, ProgramDriver
{
    Q_OBJECT

    std::mt19937_64 m_random;

    int pick(qsizetype n) { return std::uniform_int_distribution<int>(0, int(n) - 1)(m_random); }

    // A fresh program near the run limit, so that runs end within the short timer spans too.
    void restart()
    {
        m_program = std::make_unique<Program>(m_random());
        for (int n = 1; n <= kOutcomes; ++n)
            record().setCount(n, static_cast<Int16>(996 + pick(5)));
        m_program->openNewExperimentWindow();
        settle();
    }

    // Posted events (activation among them) and deferred deletes, as the program's own loop.
    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    [[nodiscard]] QList<QWidget *> openWindows() const
    {
        QList<QWidget *> windows{experiment(), graph(), help()};
        windows.removeIf([](QWidget *w) { return !w || !w->isVisible(); });
        return windows;
    }

    QString act()
    {
        const int roll = pick(100);
        if (roll < 40) { // Exit and closing the last window are tested elsewhere
            QList<QPushButton *> enabled;
            for (Button which : kButtons)
                if (experiment() && which != Button::Exit && button(which)->isEnabled())
                    enabled << button(which);
            for (QWidget *w : openWindows())
                if (w == graph() || w == help())
                    enabled << (w == graph() ? graphClose() : helpClose());
            if (enabled.isEmpty())
                return QStringLiteral("no button");
            QPushButton *b = enabled[pick(enabled.size())];
            b->click();
            return QStringLiteral("click ") + b->window()->objectName() + b->objectName();
        }
        if (roll < 60) {
            const QList<QWidget *> windows = openWindows();
            QWidget *w = windows[pick(windows.size())];
            w->activateWindow();
            return QStringLiteral("activate ") + w->objectName();
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
        if (graphs > 1 || helps > 1 || (experiment() && helps > 0) || openWindows().isEmpty())
            return QStringLiteral("windows open: %1 graph, %2 help").arg(graphs).arg(helps);
        for (int coin : {1, 2})
            if (experiment() &&
                face(coin, Face::Head)->isShown() == face(coin, Face::Tail)->isShown())
                return QStringLiteral("coin %1 shows both faces or none").arg(coin);
        const std::string now = experiment() ? state() : std::string(kReady);
        if (!QList{kReady, kRunning, kFinished, kCleared, kFinishedCleared}.contains(now))
            return QStringLiteral("no state of the table: ") + QString::fromStdString(now);
        return {};
    }

private slots:
    void randomEventsKeepEveryInvariant()
    {
        const int asked = qEnvironmentVariableIntValue("QUINDLE_MONKEY_EVENTS");
        const long events = asked > 0 ? asked : 20000;
        const quint64 seed = qEnvironmentVariableIsSet("QUINDLE_MONKEY_SEED")
                                 ? qEnvironmentVariable("QUINDLE_MONKEY_SEED").toULongLong()
                                 : quint64(QDateTime::currentMSecsSinceEpoch());
        qInfo("monkey: %ld events, QUINDLE_MONKEY_SEED=%llu", events, seed);
        m_random.seed(seed);
        restart();
        QString last;
        for (long i = 0; i < events; ++i) {
            if ((!experiment() && !help()) || (i > 0 && i % 1000 == 0)) {
                m_program.reset(); // only the graph is left, or it is time for a fresh start
                restart();
            }
            const QString event = act();
            settle();
            const QString problem = broken();
            QVERIFY2(problem.isEmpty(),
                     qPrintable(QStringLiteral("event %1 (seed %2): %3 after %4, %5")
                                    .arg(QString::number(i), QString::number(seed), problem, last,
                                         event)));
            last = event;
        }
        m_program.reset();
    }
};

QUINDLE_WIDGET_TEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
