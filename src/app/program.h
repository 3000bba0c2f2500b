// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The program: owns the experiment record and the preferences for the program's whole life, the
// random source and the clock, and the lifetimes of its windows. The experiment window is the
// start-up window; the program ends on Exit, or when its last window closes.

#include "experiment/clock.h"
#include "experiment/experiment_record.h"
#include "experiment/random_source.h"
#include "windows/classroom/class_window.h"
#include "windows/controls/zoom.h"
#include "windows/experiment/experiment_window.h"
#include "windows/graph/graph_window.h"
#include "windows/help/help_window.h"
#include "windows/streaks/streaks_window.h"
#include "windows/support/preferences.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

namespace quindle {

class Program final : public QObject
{
    Q_OBJECT
public:
    // The coins' draws come from randomState, re-seeded from the clock before every draw as
    // designed; or, given a seed, from a sequence fixed by the seed alone.
    explicit Program(std::uint64_t randomState, std::optional<std::uint64_t> seed = {});
    ~Program() override;

    // Creates a new experiment window in its state at creation, shows it and gives it the
    // focus. The record is the program's and carries over.
    ExperimentWindow *openNewExperimentWindow();

    // Opens the class window on a folder of results files, beside the experiment window, in
    // place of one open before.
    ClassWindow *openClassWindow(const QString &folder);

    // What the windows open with and change: the zoom of every window (applied to the open ones
    // as it changes), the pace, the graph window's views, the folders files go to.
    [[nodiscard]] Preferences &preferences() { return m_preferences; }
    [[nodiscard]] ExperimentRecord &record() { return m_record; }
    [[nodiscard]] ExperimentWindow *experimentWindow() const { return m_experiment; }
    [[nodiscard]] GraphWindow *graphWindow() const { return m_graph; }
    [[nodiscard]] HelpWindow *helpWindow() const { return m_help; }
    [[nodiscard]] StreaksWindow *streaksWindow(StreaksWindow::Scope scope) const
    {
        return scope == StreaksWindow::Scope::Run ? m_runStreaks : m_classStreaks;
    }

private:
    // A window opened: it follows the preferences' zoom, and its zoom keys zoom every window.
    template<class Window> void followZoom(Window *window);
    // Every open window at zoom percent of its design size.
    void applyZoom(int zoom);
    void showGraphWindow();
    // The streaks window on the run or on the class window's class, beside the window that
    // asked for it; the class's closes with the class window.
    void showStreaksWindow(StreaksWindow::Scope scope, const QWidget *beside);
    // Once the graph window has closed, the experiment window (or, during the help handover,
    // the help window) becomes active again, if the window manager has not made it so.
    void activateAfterGraph();
    void handOverToHelp();
    void closeHelp();
    void exitProgram();

    ExperimentRecord m_record;
    Preferences m_preferences;
    std::optional<std::uint64_t> m_seed;
    Pcg32Source m_random;
    std::unique_ptr<Clock> m_clock;
    QPointer<ExperimentWindow> m_experiment;
    QPointer<GraphWindow> m_graph;
    QPointer<HelpWindow> m_help;
    QPointer<ClassWindow> m_class;
    QPointer<StreaksWindow> m_runStreaks;
    QPointer<StreaksWindow> m_classStreaks;
};

// Large blocks (a window's drawing, a decoded cue) go straight back to the system when freed.
// glibc otherwise raises its mmap threshold after the first such block is freed and serves the
// next ones from the heap, which then grows with every graph window opened and closed.
void keepLargeBlocksOutOfTheHeap();

// Shows a top-level window and asks for the focus, so that it becomes the active window even
// where no window manager activates new windows.
void showActive(QWidget *window);

} // namespace quindle
