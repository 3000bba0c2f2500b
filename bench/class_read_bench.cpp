// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// A school's results read and drawn: a folder of full runs (3,500 trials or so), opened in the
// class window as a teacher opens it from the experiment window. For each size, in a process of
// its own so that its peak memory is its own:
//   read_and_drawn_ms     from opening the window until the table and both pictures show the
//                         whole class on the screen (the first paint after the window took it)
//   ui_longest_stall_ms   the longest the user-interface thread left a 1 ms timer waiting
//                         meanwhile, the window's own handling of the pool included
//   ui_longest_busy_ms    the most processor time the user-interface thread spent between two
//                         ticks of that timer: the stall as an idle machine would see it, where
//                         other programs on a busy one make the waiting longer
//   save_shown_ms, save_ui_longest_stall_ms, save_ui_longest_busy_ms
//                         the same when one more run is saved into the folder (written under
//                         a hidden name and renamed into place, as a hand-in does)
//   read_cpu_ms           the processor time of all the program's threads meanwhile: what the
//                         reading costs, however busy the machine is with other programs
//   gap_view_ms           the time Ctrl+D takes to show the class's gaps from a quarter (drawn
//                         on the user-interface thread from every pooled trial)
//   peak_rss_mb           the whole program's peak resident memory (getrusage ru_maxrss)
//
//   class_read_bench [FILES...]        (default: 1000 10000; offscreen unless DISPLAY is set)

#include "app/program.h"
#include "classroom/sample_run.h" // the tests' runs, counted the way the experiment counts them
#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_window.h"
#include "windows/layout/layout.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr qint64 kGiveUpMs = 600'000;

std::string runFile(int i)
{
    return quindle::writeResults(
        quindle::testing::sampleRun(3500 + i % 100, static_cast<std::uint32_t>(i + 1),
                                    QStringLiteral("2026-12-06T08:%1:%2Z")
                                        .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                                        .arg(i % 60, 2, 10, QLatin1Char('0'))
                                        .toStdString()));
}

// The run's file written under a hidden name and renamed into place, so that the folder never
// holds half of it.
bool saveRun(const QString &folder, int i)
{
    const std::string text = runFile(i);
    const QString name = QStringLiteral("pupil-%1.csv").arg(i, 5, 10, QLatin1Char('0'));
    const QString hidden = QDir(folder).filePath(QLatin1Char('.') + name);
    QFile file(hidden);
    return file.open(QIODevice::WriteOnly) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size()) &&
           file.flush() && QFile::rename(hidden, QDir(folder).filePath(name));
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Measures how long the user-interface thread keeps a 1 ms timer waiting, and when the class
// window has shown a pool of a given size on the screen.
class Watch : public QObject
{
public:
    explicit Watch(QObject *parent)
        : QObject(parent)
    {
        m_ticks.setTimerType(Qt::PreciseTimer);
        m_ticks.setInterval(1);
        connect(&m_ticks, &QTimer::timeout, this, [this] {
            m_longest = std::max(m_longest, m_sinceTick.restart());
            const double cpu = threadCpuMs();
            m_busiest = std::max(m_busiest, cpu - m_cpuAtTick);
            m_cpuAtTick = cpu;
        });
    }

    // From now until the window shows `runs` runs and has painted them.
    void start(std::size_t runs)
    {
        m_runs = runs;
        m_longest = 0;
        m_busiest = 0;
        m_cpuAtTick = threadCpuMs();
        m_shown = -1;
        m_painted = false;
        m_clock.start();
        m_sinceTick.start();
        m_ticks.start();
    }

    // After the window's own handler (connected first, so it runs first): the pool is in the
    // table and the pictures; the screen shows it after the next paint of both pictures.
    void pooled(const quindle::ClassWindow &window)
    {
        if (window.folder().pool().runs.size() >= m_runs)
            m_painted = true;
    }

    // The first paint once the pool is in: the time is taken when the paint is over.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_painted && m_shown < 0) {
            m_painted = false;
            QTimer::singleShot(0, this, [this] {
                m_shown = m_clock.elapsed();
                if (m_loop)
                    m_loop->quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

    // Waits for the window to show the pool, and a moment beyond so that the stall of the
    // window's handling, if it is the longest, has been seen by the next tick. The thread sleeps
    // in its event loop meanwhile, as the program's does: processEvents() returns at once when
    // nothing is pending, so a loop of it would spin a core that the reading needs and count that
    // core's time as the reading's, and QTest::qWait() sleeps in steps that would hold up a tick.
    bool wait()
    {
        QEventLoop loop;
        m_loop = &loop;
        QTimer::singleShot(kGiveUpMs, &loop, &QEventLoop::quit);
        if (m_shown < 0)
            loop.exec();
        m_loop = nullptr;
        QEventLoop moment;
        QTimer::singleShot(50, &moment, &QEventLoop::quit);
        moment.exec();
        m_ticks.stop();
        return m_shown >= 0;
    }

    [[nodiscard]] qint64 shownMs() const { return m_shown; }
    [[nodiscard]] qint64 longestStallMs() const { return m_longest; }
    [[nodiscard]] double busiestMs() const { return m_busiest; }

private:
    QTimer m_ticks;
    QElapsedTimer m_clock, m_sinceTick;
    qint64 m_longest = 0, m_shown = -1;
    double m_busiest = 0, m_cpuAtTick = 0;
    std::size_t m_runs = 0;
    bool m_painted = false;
    QEventLoop *m_loop = nullptr; // the wait, while it lasts
};

int measure(int files)
{
    QTemporaryDir folder;
    for (int i = 0; i < files; ++i) {
        if (!saveRun(folder.path(), i)) {
            std::fprintf(stderr, "class_read_bench: cannot write %s\n", qPrintable(folder.path()));
            return 1;
        }
    }
    // As main() starts the program, with the experiment window on the screen.
    quindle::keepLargeBlocksOutOfTheHeap();
    quindle::installFontSubstitutions();
    quindle::Program program(1);
    if (!QTest::qWaitForWindowExposed(program.openNewExperimentWindow()))
        return 1;

    auto *watch = new Watch(&program);
    const auto runs = static_cast<std::size_t>(files);
    const double cpuBefore = processCpuMs();
    watch->start(runs);
    quindle::ClassWindow *window = program.openClassWindow(folder.path());
    QObject::connect(&window->folder(), &quindle::ClassFolder::pooled, watch,
                     [watch, window] { watch->pooled(*window); });
    for (QWidget *picture : {window->findChild<QWidget *>(QStringLiteral("Funnel")),
                             window->findChild<QWidget *>(QStringLiteral("ClassCurve"))})
        picture->installEventFilter(watch);
    if (!watch->wait()) {
        std::fprintf(stderr, "class_read_bench: the class never showed\n");
        return 1;
    }
    const double readCpu = processCpuMs() - cpuBefore;
    std::printf("files=%d\npooled_runs=%zu\nclass_trials=%lld\nread_and_drawn_ms=%lld\n"
                "read_cpu_ms=%.0f\nui_longest_stall_ms=%lld\nui_longest_busy_ms=%.1f\n",
                files, window->folder().pool().runs.size(), window->folder().pool().trials,
                watch->shownMs(), readCpu, watch->longestStallMs(), watch->busiestMs());
    std::fflush(stdout);

    // The class curve turned into the class's gaps (Ctrl+D), and back.
    const auto toggleGapView = [window] {
        for (QAction *action : window->actions())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_D))
                action->trigger();
    };
    QElapsedTimer gapView;
    gapView.start();
    toggleGapView();
    std::printf("gap_view_ms=%lld\n", gapView.elapsed());
    std::fflush(stdout);
    toggleGapView();

    // One more pupil saves, from another process as it were: the write is not on this thread.
    QTest::qWait(1500);
    watch->start(runs + 1);
    bool saved = false;
    std::thread pupil([&] { saved = saveRun(folder.path(), files); });
    const bool shown = watch->wait();
    pupil.join();
    if (!saved || !shown) {
        std::fprintf(stderr, "class_read_bench: the saved run never showed\n");
        return 1;
    }
    std::printf("save_shown_ms=%lld\nsave_ui_longest_stall_ms=%lld\nsave_ui_longest_busy_ms=%.1f\n"
                "peak_rss_mb=%.1f\n",
                watch->shownMs(), watch->longestStallMs(), watch->busiestMs(), peakRssMb());
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Each size in a child process of its own, so that each peak memory figure is its own.
    if (argc != 2) {
        std::vector<std::string> sizes(argv + 1, argv + argc);
        if (sizes.empty())
            sizes = {"1000", "10000"};
        int failed = 0;
        for (const std::string &size : sizes) {
            std::fflush(stdout);
            const pid_t child = fork();
            if (child == 0) {
                execl("/proc/self/exe", argv[0], size.c_str(), static_cast<char *>(nullptr));
                _exit(127);
            }
            int status = 0;
            if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
                WEXITSTATUS(status) != 0)
                failed = 1;
        }
        return failed;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = QString::fromLocal8Bit(argv[1]).toInt();
    return files > 0 ? measure(files) : 2;
}
