// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/program.h"

#include "windows/classroom/class_folder.h"

#include <QApplication>
#include <QEventLoopLocker>
#include <QTimer>

#include <malloc.h>

namespace quindle {

void keepLargeBlocksOutOfTheHeap()
{
    mallopt(M_MMAP_THRESHOLD, 128 * 1024); // the default, fixed instead of sliding
}

void showActive(QWidget *window)
{
    window->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) // it cannot raise
        window->raise();
    window->activateWindow();
}

template<class Window> void Program::followZoom(Window *window)
{
    connect(window, &Window::zoomChosen, &m_preferences,
            [this](int zoom) { m_preferences.setZoom(zoom, SetBy::Pupil); });
    if (m_preferences.zoom() != kDesignZoom)
        window->setZoom(m_preferences.zoom());
}

Program::Program(std::uint64_t randomState, std::optional<std::uint64_t> seed)
    : m_seed(seed)
    , m_random(seed.value_or(randomState))
    , m_clock(seed ? std::unique_ptr<Clock>(new StillClock) : std::make_unique<SystemClock>())
{
    connect(&m_preferences, &Preferences::zoomChanged, this, &Program::applyZoom);
}

Program::~Program()
{
    delete m_experiment;
    delete m_graph;
    delete m_help;
    delete m_class;
    delete m_runStreaks;
    delete m_classStreaks;
}

ExperimentWindow *Program::openNewExperimentWindow()
{
    m_experiment = new ExperimentWindow(m_record, m_random, *m_clock, m_preferences);
    m_experiment->setSeed(m_seed);
    m_experiment->setPace(m_preferences.pace());
    connect(m_experiment, &ExperimentWindow::paceChosen, &m_preferences, &Preferences::setPace);
    connect(m_experiment, &ExperimentWindow::graphRequested, this, &Program::showGraphWindow);
    connect(m_experiment, &ExperimentWindow::helpRequested, this, &Program::handOverToHelp);
    connect(m_experiment, &ExperimentWindow::exitRequested, this, &Program::exitProgram);
    connect(m_experiment, &ExperimentWindow::classResultsRequested, this,
            &Program::openClassWindow);
    connect(m_experiment, &ExperimentWindow::streaksRequested, this,
            [this] { showStreaksWindow(StreaksWindow::Scope::Run, m_experiment); });
    followZoom(m_experiment.data());
    showActive(m_experiment);
    return m_experiment;
}

void Program::showGraphWindow()
{
    // Modeless and without an owner: the experiment window stays usable beside it.
    // A closed window waits for deletion until control returns to the event loop; it does
    // not count as open.
    if (!m_graph || m_graph->isHidden()) {
        m_graph = new GraphWindow(m_record, m_preferences);
        m_graph->setExpectedRangeShown(m_preferences.expectedRangeShown());
        m_graph->setView(m_preferences.graphView());
        m_graph->setSeed(m_seed);
        connect(m_graph, &GraphWindow::expectedRangeToggled, &m_preferences,
                &Preferences::setExpectedRangeShown);
        connect(m_graph, &GraphWindow::viewChosen, &m_preferences, &Preferences::setGraphView);
        connect(m_graph, &GraphWindow::streaksRequested, this,
                [this] { showStreaksWindow(StreaksWindow::Scope::Run, m_graph); });
        followZoom(m_graph.data());
        connect(m_graph, &GraphWindow::closed, this, [this] {
            // Once the window system has taken the closed window away.
            QTimer::singleShot(0, this, &Program::activateAfterGraph);
        });
    }
    showActive(m_graph);
}

void Program::activateAfterGraph()
{
    // Some window managers (openbox among them) now and then leave no window focused when a
    // window closes, which leaves a keyboard or screen-reader pupil nowhere. Another program's
    // window counts as none of ours: the pupil was working in the graph window a moment ago.
    QWidget *active = QApplication::activeWindow();
    if (active && active->isVisible() && (active == m_experiment || active == m_help))
        return;
    if (m_experiment && m_experiment->isVisible())
        showActive(m_experiment);
    else if (m_help && m_help->isVisible())
        showActive(m_help);
}

void Program::handOverToHelp()
{
    // The experiment window closes a moment before the help window opens: the program must
    // not take that moment for its last window closing.
    const QEventLoopLocker keepRunning;
    m_experiment->close();
    if (!m_help || m_help->isHidden()) {
        m_help = new HelpWindow;
        connect(m_help, &HelpWindow::closeClicked, this, &Program::closeHelp);
        followZoom(m_help.data());
    }
    showActive(m_help);
}

void Program::closeHelp()
{
    const QEventLoopLocker keepRunning;
    m_help->close();
    openNewExperimentWindow();
}

ClassWindow *Program::openClassWindow(const QString &folder)
{
    if (m_class)
        m_class->close();
    m_class = new ClassWindow(folder, m_preferences, m_experiment);
    followZoom(m_class.data());
    connect(m_class, &ClassWindow::streaksRequested, this,
            [this] { showStreaksWindow(StreaksWindow::Scope::Class, m_class); });
    showActive(m_class);
    return m_class;
}

namespace {

// The runs of the class window's pool, as long as it is open: their logs, and how many runs were
// saved without one (their files keep only the counts).
StreaksWindow::Runs classRuns(const ClassWindow *window)
{
    StreaksWindow::Runs runs;
    if (!window)
        return runs;
    for (const PooledRun &run : window->folder().pool().runs) {
        if (run.run->log.empty() && run.run->trials > 0)
            ++runs.withoutOrder;
        else
            runs.logs.emplace_back(run.run->log);
    }
    return runs;
}

} // namespace

void Program::showStreaksWindow(StreaksWindow::Scope scope, const QWidget *beside)
{
    const bool run = scope == StreaksWindow::Scope::Run;
    QPointer<StreaksWindow> &window = run ? m_runStreaks : m_classStreaks;
    if (!window || window->isHidden()) {
        StreaksWindow::Source source;
        if (run)
            source = [this] { return StreaksWindow::Runs{{m_record.trialLog()}, 0}; };
        else
            source = [from = QPointer<ClassWindow>(m_class)] { return classRuns(from); };
        window = new StreaksWindow(scope, std::move(source), beside);
        if (!run)
            connect(m_class, &QObject::destroyed, window, &QWidget::close);
        followZoom(window.data());
    }
    showActive(window);
}

void Program::applyZoom(int zoom)
{
    // Only the windows that are open: one closed a moment ago waits for deletion.
    const auto apply = [zoom](auto *window) {
        if (window && window->isVisible())
            window->setZoom(zoom);
    };
    apply(m_experiment.data());
    apply(m_graph.data());
    apply(m_help.data());
    apply(m_class.data());
    apply(m_runStreaks.data());
    apply(m_classStreaks.data());
}

void Program::exitProgram()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    QCoreApplication::exit(0);
}

} // namespace quindle
