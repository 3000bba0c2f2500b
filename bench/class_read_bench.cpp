// A school's results read and drawn: a folder of full runs (3,500 trials or so), opened in
// the class window as a teacher opens it; the time until the table and both pictures show the
// pooled class, and the longest the user-interface thread went without handling events
// meanwhile (the files are read off it); then the time Ctrl+D takes to show the class's gaps
// from a quarter (drawn on the user-interface thread from every pooled trial).
//   class_read_bench [FILES...]        (default: 1000 10000; offscreen unless DISPLAY is set)

#include "classroom/sample_run.h" // the tests' runs, counted the way the experiment counts them
#include "windows/classroom/class_folder.h"
#include "windows/classroom/class_window.h"
#include "windows/layout/layout.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

bool writeFolder(const QString &folder, int files)
{
    for (int i = 0; i < files; ++i) {
        const std::string text = quindle::writeResults(
            quindle::testing::sampleRun(3500 + i % 100, static_cast<std::uint32_t>(i + 1),
                                        QStringLiteral("2026-12-06T08:%1:%2Z")
                                            .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                                            .arg(i % 60, 2, 10, QLatin1Char('0'))
                                            .toStdString()));
        QFile file(QStringLiteral("%1/pupil-%2.csv").arg(folder).arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), static_cast<qint64>(text.size())) !=
                static_cast<qint64>(text.size()))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quindle::installFontSubstitutions();
    QList<int> counts;
    for (int i = 1; i < argc; ++i)
        counts << QString::fromLocal8Bit(argv[i]).toInt();
    if (counts.isEmpty())
        counts = {1000, 10000};
    for (int files : counts) {
        QTemporaryDir folder;
        if (!writeFolder(folder.path(), files)) {
            std::fprintf(stderr, "class_read_bench: cannot write %s\n", qPrintable(folder.path()));
            return 1;
        }
        QElapsedTimer clock, sinceTick;
        qint64 longestStall = 0, drawn = -1;
        QTimer ticks; // how promptly the user-interface thread handles its events
        ticks.setInterval(5);
        QObject::connect(&ticks, &QTimer::timeout, &app,
                         [&] { longestStall = std::max(longestStall, sinceTick.restart()); });
        clock.start();
        quindle::ClassWindow window(folder.path());
        window.show();
        sinceTick.start();
        ticks.start();
        // After the window's own handler: the table and both pictures are drawn by then.
        QObject::connect(&window.folder(), &quindle::ClassFolder::pooled, &app,
                         [&] { drawn = clock.elapsed(); });
        while (drawn < 0 && clock.elapsed() < 600'000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        const std::size_t pooled = window.folder().pool().runs.size();
        QElapsedTimer gapView;
        gapView.start();
        for (QAction *action : window.actions())
            if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_D))
                action->trigger();
        const qint64 gapViewMs = gapView.elapsed();
        std::printf("files=%d\npooled_runs=%zu\nclass_trials=%lld\nread_and_drawn_ms=%lld\n"
                    "ui_longest_stall_ms=%lld\ngap_view_ms=%lld\n",
                    files, pooled, window.folder().pool().trials, drawn, longestStall, gapViewMs);
        std::fflush(stdout);
    }
    return 0;
}
