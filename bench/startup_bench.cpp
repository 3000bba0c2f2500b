// Start-up and footprint of the program against a bare Qt window with as many labels.
//
//   startup_bench [RUNS]       runs itself as a child RUNS times (default 10) for each of the
//                              two windows, and prints the median time from starting the
//                              process to the first shown window, the peak resident memory,
//                              and the timer wake-ups per second while the program sits idle,
//                              as key=value lines
//
// The children run on the platform the parent was given (offscreen unless DISPLAY is set).

#include "app/program.h"
#include "app/settings.h"
#include "app/startup.h"
#include "windows/accessibility/accessibility.h"
#include "windows/experiment/experiment_window_layout.h"
#include "windows/layout/layout.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Child: show the window, then report and quit at once.
int child(const QString &which)
{
    if (which == QLatin1String("quindle")) { // what main() does
        quindle::keepLargeBlocksOutOfTheHeap();
        quindle::installFontSubstitutions();
        quindle::installAccessibility();
        auto *settings = new quindle::Settings;
        auto *program = new quindle::Program(1);
        quindle::useSettings(*program, *settings);
        QWidget *form = program->openNewExperimentWindow();
        if (!QTest::qWaitForWindowExposed(form))
            return 1;
    } else if (which == QLatin1String("bare")) {
        auto *window = new QWidget;
        window->setGeometry(263, 177, 434, 374);
        const auto rows = static_cast<int>(quindle::experimentWindowLayout().size());
        for (int i = 0; i < rows; ++i) {
            auto *label = new QLabel(QStringLiteral("Label %1").arg(i), window);
            label->setGeometry((i % 5) * 80, (i / 5) * 25, 80, 25);
        }
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return 1;
    } else { // idle: the program after start-up, doing nothing
        quindle::installFontSubstitutions();
        auto *settings = new quindle::Settings;
        auto *program = new quindle::Program(1);
        quindle::useSettings(*program, *settings);
        QWidget *form = program->openNewExperimentWindow();
        if (!QTest::qWaitForWindowExposed(form))
            return 1;
        QTest::qWait(500);
        long wakeups = 0;
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                         form, [&wakeups] { ++wakeups; });
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        std::printf("wakeups %.1f\n", static_cast<double>(wakeups - 1) / 3.0); // minus our own
        return 0;
    }
    std::printf("rss %ld\n", peakRssKb());
    return 0;
}

struct Sample
{
    double milliseconds;
    long rssKb;
};

Sample runChild(const QString &self, const QString &which)
{
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(self, {QStringLiteral("--child"), which});
    process.waitForFinished(30000);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
    return {ms, out.section(QLatin1Char(' '), 1).trimmed().toLong()};
}

template<class T> T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 3 && args[1] == QLatin1String("--child"))
        return child(args[2]);

    const int runs = args.size() > 1 ? args[1].toInt() : 10;
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> quindleMs, bareMs;
    std::vector<long> quindleRss, bareRss;
    for (int i = 0; i < runs; ++i) {
        const Sample q = runChild(self, QStringLiteral("quindle"));
        const Sample b = runChild(self, QStringLiteral("bare"));
        quindleMs.push_back(q.milliseconds);
        quindleRss.push_back(q.rssKb);
        bareMs.push_back(b.milliseconds);
        bareRss.push_back(b.rssKb);
    }
    QProcess idle;
    idle.start(self, {QStringLiteral("--child"), QStringLiteral("idle")});
    idle.waitForFinished(30000);
    const double wakeups = QString::fromLocal8Bit(idle.readAllStandardOutput())
                               .section(QLatin1Char(' '), 1)
                               .toDouble();

    const double qMs = median(quindleMs), bMs = median(bareMs);
    const double qRss = static_cast<double>(median(quindleRss)) / 1024.0;
    const double bRss = static_cast<double>(median(bareRss)) / 1024.0;
    std::printf("platform=%s\nruns=%d\n", qPrintable(QGuiApplication::platformName()), runs);
    std::printf("startup_ms=%.1f\nbare_startup_ms=%.1f\n", qMs, bMs);
    std::printf("startup_ratio=%.2f\n", qMs / bMs); // target <= 1.2
    std::printf("peak_rss_mb=%.1f\nbare_peak_rss_mb=%.1f\n", qRss, bRss);
    std::printf("peak_rss_ratio=%.2f\n", qRss / bRss);      // target <= 1.2
    std::printf("idle_wakeups_per_second=%.1f\n", wakeups); // target 0
    return 0;
}
