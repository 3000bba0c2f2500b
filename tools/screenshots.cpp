// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Takes the README's screenshots: starts the program's windows, plays a short run, and saves
// what the pupil sees as PNG files.
//
//   screenshots OUTPUT_DIR class [LANGUAGE [ZOOM]] (a class of thirty runs and its window, as
//       class-window.png, in the gap view as class-gap.png, or class-gap-LANGUAGE.png, ...,
//       and in the number-of-heads view as class-heads.png, ...; its context menu as
//       class-menu.png, ...)
//   screenshots OUTPUT_DIR [LANGUAGE [ZOOM]]   (run it under Xvfb, or offscreen; with a
//       language, in that language, as experiment-window-LANGUAGE.png, ...; "" for English;
//       ZOOM: every window at that percentage; each window's context menu as
//       experiment-menu-LANGUAGE.png, ...)

#include "app/program.h"
#include "windows/classroom/class_folder.h"
#include "windows/experiment/experiment_window_layout.h"
#include "windows/layout/layout.h"
#include "windows/support/saving.h"
#include "windows/support/translation.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

void spin(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window's picture as NAME.png, or NAME-SUFFIX.png (a language, a zoom).
bool save(QWidget *window, const QDir &dir, const char *name, const QString &suffix)
{
    const QString path = dir.filePath(QString::fromLatin1(name) +
                                      (suffix.isEmpty() ? QString() : QLatin1Char('-') + suffix) +
                                      QStringLiteral(".png"));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The window's context menu, its actions as a right click shows them, as NAME-SUFFIX.png.
bool saveMenu(QWidget *window, const QDir &dir, const char *name, const QString &suffix)
{
    QMenu menu;
    menu.addActions(window->actions());
    menu.adjustSize();
    return save(&menu, dir, name, suffix);
}

// Opens the streaks window from a window's context menu (Ctrl+K) and types an invented sequence
// into it, one that switches too often, as invented ones do.
bool showStreaks(QWidget *window)
{
    for (QAction *action : window->actions()) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_K))
            action->trigger();
    }
    spin(300);
    QLineEdit *typed = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("StreaksWindow") && top->isVisible())
            typed = top->findChild<QLineEdit *>(QStringLiteral("typedSequence"));
    }
    if (!typed)
        return false;
    typed->setText(QStringLiteral("HTHHTHTTHTHTHHTHTTHT HTHHTTHTHTHTTHTHHTHT"));
    spin(200);
    return true;
}

// A class's folder: thirty runs of different lengths, each saved as a pupil saves it, then the
// class window on it, as class-window.png, its context menu, and the window in the gap view and
// in the number-of-heads view.
bool classScreenshot(const QDir &dir, const QString &suffix, int zoom)
{
    const QString folder = dir.filePath(QStringLiteral("class-folder"));
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (int pupil = 1; pupil <= 30; ++pupil) {
        quindle::Program run{std::uint64_t(pupil), std::uint64_t(pupil)};
        quindle::ExperimentWindow *window = run.openNewExperimentWindow();
        auto *oneTrial = quindle::findControl<QPushButton>(
            window, quindle::experimentWindowLayout(), quindle::experiment_roles::trialButton);
        const int trials = pupil % 3 == 0 ? 4000 : 40 * pupil; // every third one a full run
        for (int trial = 0; trial < trials && run.record().recordedTrials() == trial; ++trial)
            oneTrial->click();
        if (!window
                 ->saveResults(QStringLiteral("%1/pupil-%2.csv")
                                   .arg(folder)
                                   .arg(pupil, 2, 10, QLatin1Char('0')))
                 .isEmpty())
            return false;
    }
    // What else pupils leave in a folder: a copy of a run, and a note.
    QFile::copy(QStringLiteral("%1/pupil-07.csv").arg(folder),
                QStringLiteral("%1/pupil-07 - Copy.csv").arg(folder));
    QFile note(QStringLiteral("%1/notes.txt").arg(folder));
    if (!note.open(QIODevice::WriteOnly) || note.write("Tuesday: coins again\n") < 0)
        return false;
    note.close();
    // And what a download can carry: a named pipe behind a link, a link to nowhere, a pupil's
    // run in a folder of its own.
    const QByteArray raw = QFile::encodeName(folder);
    if (::mkfifo(raw + "/.pipe", 0600) != 0 || ::symlink(".pipe", raw + "/evil.csv") != 0 ||
        ::symlink("gone.csv", raw + "/link.csv") != 0 ||
        !QDir(folder).mkpath(QStringLiteral("Ben")) ||
        !QFile::copy(QStringLiteral("%1/pupil-05.csv").arg(folder),
                     QStringLiteral("%1/Ben/results.csv").arg(folder)))
        return false;
    quindle::Program program(1);
    program.preferences().setZoom(zoom);
    program.openNewExperimentWindow();
    quindle::ClassWindow *window = program.openClassWindow(folder);
    for (int wait = 0; wait < 100 && window->folder().pool().unpooled.size() < 5; ++wait)
        spin(100);
    spin(300);
    if (!save(window, dir, "class-window", suffix) || !saveMenu(window, dir, "class-menu", suffix))
        return false;
    // The class curve turned into the class's gaps from a quarter (Ctrl+D).
    for (QAction *action : window->actions())
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_D))
            action->trigger();
    spin(300);
    if (!save(window, dir, "class-gap", suffix))
        return false;
    // Both pictures turned into the number of heads (Ctrl+H), which turns the gap view off.
    for (QAction *action : window->actions())
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_H))
            action->trigger();
    spin(300);
    if (!save(window, dir, "class-heads", suffix))
        return false;
    // The class's streaks, each run on its own (Ctrl+K in the class window).
    if (!showStreaks(window))
        return false;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("StreaksWindow") && top->isVisible())
            return save(top, dir, "class-streaks", suffix);
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool classWindow = argc >= 3 && QLatin1String(argv[2]) == QLatin1String("class");
    const int first = classWindow ? 3 : 2; // the language's argument, the zoom's after it
    if (argc < 2 || argc > first + 2) {
        std::fputs("usage: screenshots OUTPUT_DIR [class] [LANGUAGE [ZOOM]]\n", stderr);
        return 2;
    }
    const QString language = argc > first ? QString::fromLocal8Bit(argv[first]) : QString();
    const int zoom = argc > first + 1 ? std::atoi(argv[first + 1]) : quindle::kDesignZoom;
    const QString suffix =
        language + (zoom != quindle::kDesignZoom ? QString::number(zoom) : QString());
    quindle::installTranslation(QLocale(language.isEmpty() ? QStringLiteral("C") : language));
    quindle::installFontSubstitutions(QLocale(language));
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "screenshots: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    if (classWindow)
        return classScreenshot(dir, suffix, zoom) ? 0 : 1;
    // A fixed seed, and a short run made trial by trial: the same pictures on every run.
    quindle::Program program(2026, 2026);
    program.preferences().setZoom(zoom);
    using quindle::Button;
    quindle::ExperimentWindow *experiment = program.openNewExperimentWindow();
    auto button = [experiment](Button which) { return quindle::findButton(experiment, which); };
    spin(300);
    auto *oneTrial = quindle::findControl<QPushButton>(
        experiment, quindle::experimentWindowLayout(), quindle::experiment_roles::trialButton);
    for (int trial = 0; trial < 1200; ++trial)
        oneTrial->click();
    spin(200);
    bool ok = save(experiment, dir, "experiment-window", suffix) &&
              saveMenu(experiment, dir, "experiment-menu", suffix);
    // The same run handed in to a class folder: what the pupil sees for a few seconds.
    const QString classFolder = dir.filePath(QStringLiteral("hand-in-folder"));
    QDir(classFolder).removeRecursively();
    QDir().mkpath(classFolder);
    program.preferences().setClassFolder(classFolder);
    ok = !experiment->handIn(QDateTime(QDate(2026, 12, 7), QTime(9, 14, 5))).isEmpty() &&
         save(experiment, dir, "experiment-window-handed-in", suffix) && ok;
    program.preferences().setClassFolder({});

    // A full run, to the trial that lifts one outcome past 1000, then the graph.
    button(Button::Start)->click();
    while (button(Button::Stop)->isEnabled())
        spin(100);
    button(Button::GraphDisplay)->click();
    spin(500);
    ok = program.graphWindow() && save(program.graphWindow(), dir, "graph-window", suffix) &&
         saveMenu(program.graphWindow(), dir, "graph-menu", suffix) && ok;
    // The same graph on paper, as a PDF page and an SVG picture.
    ok = program.graphWindow()
             ->saveGraphAsPdf(dir.filePath(QStringLiteral("graph.pdf")))
             .isEmpty() &&
         program.graphWindow()
             ->saveGraphAsSvg(dir.filePath(QStringLiteral("graph.svg")))
             .isEmpty() &&
         ok;

    // The same run the other way round: each count's gap from a quarter, in the band chance
    // keeps it in.
    program.graphWindow()->setExpectedRangeShown(true);
    program.graphWindow()->setView(quindle::GraphView::GapsFromQuarter);
    spin(200);
    ok = save(program.graphWindow(), dir, "graph-gap", suffix) && ok;
    // And the number of heads: one head settles at a half, not a third; on paper as well.
    program.graphWindow()->setView(quindle::GraphView::NumberOfHeads);
    spin(200);
    ok = save(program.graphWindow(), dir, "graph-heads", suffix) &&
         program.graphWindow()
             ->saveGraphAsPdf(dir.filePath(QStringLiteral("graph-heads.pdf")))
             .isEmpty() &&
         ok;

    // The run's streaks, opened from the graph window (Ctrl+K), with a sequence a pupil invented.
    ok = showStreaks(program.graphWindow()) &&
         save(program.streaksWindow(quindle::StreaksWindow::Scope::Run), dir, "streaks-window",
              suffix) &&
         ok;
    program.streaksWindow(quindle::StreaksWindow::Scope::Run)->close();

    program.graphWindow()->close();
    spin(200);
    button(Button::Help)->click();
    spin(500);
    ok = program.helpWindow() && save(program.helpWindow(), dir, "help-window", suffix) && ok;
    return ok ? 0 : 1;
}
