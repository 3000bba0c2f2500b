// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Preloaded into a program by startup_bench (LD_PRELOAD), so that the program itself stays as
// it is: once the program's first window has been painted, prints "drawn RSS_KB CPU_US" (the
// peak resident memory so far, and the processor time spent so far, user and system) on
// standard output and ends the process. With QUINDLE_PROBE=idle it
// then counts, for three seconds after a settling half second, how often the event loop wakes
// up, prints "wakeups PER_SECOND" and ends.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

namespace {

void finish()
{
    std::fflush(stdout);
    _exit(0); // what the program would do next is not measured
}

class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()) {
            m_seen = true;
            // Once the paint under way, and the rest of the window with it, is done.
            QMetaObject::invokeMethod(this, &FirstPaint::painted, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void painted()
    {
        if (qgetenv("QUINDLE_PROBE") != "idle") {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            const auto microseconds = [](const timeval &t) {
                return t.tv_sec * 1000000 + t.tv_usec;
            };
            std::printf("drawn %ld %ld\n", usage.ru_maxrss,
                        microseconds(usage.ru_utime) + microseconds(usage.ru_stime));
            finish();
            return;
        }
        QTimer::singleShot(500, this, [this] {
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, this,
                    [this] { ++m_wakeups; });
            QTimer::singleShot(3000, this, [this] {
                std::printf("wakeups %.1f\n", double(m_wakeups - 1) / 3.0); // minus our own
                finish();
            });
        });
    }

    bool m_seen = false;
    long m_wakeups = 0;
};

void watchForFirstPaint()
{
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaint(application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
