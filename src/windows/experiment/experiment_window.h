// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The experiment window. It owns the controls of experimentWindowLayout(), the flip and trial
// timers, the sound device and the timers that pace repaints and spoken progress, and hands
// every event to ExperimentControl, which holds the experiment's rules. What the window cannot
// do alone (open the graph and help windows, end the program) it asks the program for by a
// signal.

#include "classroom/results_file.h"
#include "experiment/experiment_control.h"
#include "experiment/experiment_view.h"
#include "experiment/pace.h"

#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include <array>
#include <iterator>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QByteArray;
class QDateTime;
class QLabel;
class QPushButton;
class QTimer;

namespace quindle {

class Announcer;
class Clock;
class CuePlayer;
class Picture;
class Preferences;
class RandomSource;
class ResultTable;
class RunTableModel;
class ShownCells;
class TransientMessage;
class ZoomControl;

// One frame of a 60 Hz screen: the Classroom pace's interval between trials, and the shortest
// time between two repaints during a run.
inline constexpr int kFrameMs = 16;

class ExperimentWindow : public QWidget, private ExperimentView
{
    Q_OBJECT
public:
    // The preferences give the class folder and the folders saved into, and note each save.
    ExperimentWindow(ExperimentRecord &record, RandomSource &random, Clock &clock,
                     Preferences &preferences);
    ~ExperimentWindow() override;

    // The seed the draws follow, for the context menu; none: they follow the clock.
    void setSeed(std::optional<std::uint64_t> seed);
    void setPace(Pace pace);
    [[nodiscard]] Pace pace() const { return m_pace; }
    // The table as the window shows it, in the pupil's language's form, and the results written to
    // path as CSV; an empty string, or why the file could not be written.
    [[nodiscard]] TableTexts tableTexts() const;
    QString saveResults(const QString &path) const;
    // Hands the run in: writes its results file into the class folder under the pupil's name
    // and moment, never over another file, and tells the pupil on screen and through the
    // screen reader; or says why it could not. Returns the path handed in, or an empty string.
    QString handIn(const QDateTime &moment);
    [[nodiscard]] QTimer *timer(Timer which) const;
    // Shows the window at zoom percent of its design size; a run goes on.
    void setZoom(int zoom);

signals:
    void graphRequested();
    // The pupil asked for the streaks window on the run.
    void streaksRequested();
    // The program closes this window and shows the help window in its place.
    void helpRequested();
    void exitRequested();
    // The pupil chose a pace in the context menu.
    void paceChosen(quindle::Pace pace);
    // The pupil asked for all windows at this zoom.
    void zoomChosen(int zoom);
    // The teacher chose a folder of results files to pool.
    void classResultsRequested(const QString &folder);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void findControls();
    void buildContextMenu();
    void copyResults() const;
    void chooseFileAndSaveResults();
    void openClassResults();
    // The run's results file, saved now.
    [[nodiscard]] QByteArray resultsFile() const;
    // Runs a handler of the experiment, then moves the focus where greyed buttons sent it.
    void handle(void (ExperimentControl::*handler)());
    [[nodiscard]] QWidget *nextFocusable(QWidget *from) const;
    void connectButtons();
    void connectTimers();

    // ExperimentView
    void setCellText(CellKind kind, int outcome, std::string_view text) override;
    void setTrialTotalText(std::string_view text) override;
    void setFaceVisible(int coin, Face face, bool visible) override;
    void setButtonEnabled(Button button, bool enabled) override;
    void setTimerEnabled(Timer timer, bool enabled) override;
    [[nodiscard]] bool isTimerEnabled(Timer timer) const override;
    void processPendingEvents() override;
    void showGraphWindow() override;
    void handOverToHelp() override;
    void showMessage(std::string_view text, std::string_view title) override;
    void endProgram() override;
    void report(Report what) override;

    [[nodiscard]] QPushButton *button(Button which) const
    {
        return m_buttons[static_cast<std::size_t>(which)];
    }

    CuePlayer *m_cuePlayer = nullptr;
    std::array<std::array<QLabel *, kOutcomes>, 2> m_cells{}; // [count, ratio][outcome - 1]
    QLabel *m_trialTotal = nullptr;
    std::array<std::array<Picture *, 2>, 2> m_faces{}; // [coin - 1][face]
    std::array<QPushButton *, std::size(kButtons)> m_buttons{};
    QTimer *m_flipTimer = nullptr;
    QTimer *m_trialTimer = nullptr;
    Announcer *m_announcer = nullptr;
    QTimer *m_nextFrame = nullptr;
    RunTableModel *m_run = nullptr;      // the table the cells show, the result table reads
    std::unique_ptr<ShownCells> m_shown; // the labels that show it
    ResultTable *m_table = nullptr;
    QWidget *m_focusTarget = nullptr; // where the focus goes once the running handler is done
    QString m_report;                 // and what is said then
    QAction *m_seedShown = nullptr;
    QAction *m_handIn = nullptr;
    TransientMessage *m_message = nullptr;
    int m_zoomPercent = 100;
    QActionGroup *m_paces = nullptr;
    ZoomControl *m_zoom = nullptr;
    Pace m_pace = Pace::AsDesigned;
    std::optional<std::uint64_t> m_seed;
    QTimer *m_progress = nullptr; // during a run, the number of trials every few seconds
    QElapsedTimer m_lastFrame;
    const ExperimentRecord &m_record;
    Preferences &m_preferences;
    ExperimentControl m_control;
};

} // namespace quindle
