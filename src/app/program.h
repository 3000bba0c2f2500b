#pragma once

// The program: owns the experiment record for the program's whole life, the random source and
// the clock, and the lifetimes of its windows. The experiment window is the start-up window;
// the program ends on Exit, or when its last window closes.

#include "experiment/clock.h"
#include "experiment/experiment_record.h"
#include "experiment/random_source.h"
#include "windows/classroom/class_window.h"
#include "windows/controls/zoom.h"
#include "windows/experiment/experiment_window.h"
#include "windows/graph/graph_window.h"
#include "windows/help/help_window.h"

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
    [[nodiscard]] ClassWindow *classWindow() const { return m_class; }

    // All windows at zoom percent of their design size, now and when they open later.
    void setZoom(int zoom);
    [[nodiscard]] int zoom() const { return m_zoom; }

    [[nodiscard]] ExperimentRecord &record() { return m_record; }
    [[nodiscard]] ExperimentWindow *experimentWindow() const { return m_experiment; }
    [[nodiscard]] GraphWindow *graphWindow() const { return m_graph; }
    [[nodiscard]] HelpWindow *helpWindow() const { return m_help; }

signals:
    // The zoom of every window changed to zoom (after the start, only by the pupil's choice).
    void zoomChanged(int zoom);

private:
    // A window opened: it follows the program's zoom, and its zoom keys zoom every window.
    template<class Window> void followZoom(Window *window);
    void showGraphWindow();
    // Once the graph window has closed, the experiment window (or, during the help handover,
    // the help window) becomes active again, if the window manager has not made it so.
    void activateAfterGraph();
    void handOverToHelp();
    void closeHelp();
    void exitProgram();

    ExperimentRecord m_record;
    std::optional<std::uint64_t> m_seed;
    Pcg32Source m_random;
    std::unique_ptr<Clock> m_clock;
    Pace m_pace = Pace::AsDesigned; // as chosen last, for the program's lifetime
    bool m_expectedRange = false;   // likewise, in the graph window
    int m_zoom = kDesignZoom;       // likewise, for every window
    QPointer<ExperimentWindow> m_experiment;
    QPointer<GraphWindow> m_graph;
    QPointer<HelpWindow> m_help;
    QPointer<ClassWindow> m_class;
};

// Large blocks (a window's drawing, a decoded cue) go straight back to the system when freed.
// glibc otherwise raises its mmap threshold after the first such block is freed and serves the
// next ones from the heap, which then grows with every graph window opened and closed.
void keepLargeBlocksOutOfTheHeap();

// Shows a top-level window and asks for the focus, so that it becomes the active window even
// where no window manager activates new windows.
void showActive(QWidget *window);

} // namespace quindle
