// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "experiment/experiment_record.h"
#include "experiment/experiment_view.h"

#include <array>

class QLabel;
class QWidget;

namespace quindle {

class Announcer;
class RunTableModel;

// The labels that show the run's table: the count and ratio cells and the trial total, each
// with its number in the pupil's language's form. Between runs a number shows as soon as it is
// written. During a run the table is written a thousand times a second and a screen shows
// sixty frames: a number shows with the window's next frame, which is asked for once, and the
// language's form is made only for the numbers a frame shows.
class ShownCells
{
public:
    ShownCells(QWidget *window, const RunTableModel &run,
               const std::array<std::array<QLabel *, kOutcomes>, 2> &cells, QLabel *trialTotal,
               Announcer &announcer);

    // The run's table has a new cell or trial total; during a run it shows with the next frame.
    void cellWritten(CellKind kind, int outcome, bool running);
    void trialTotalWritten(bool running);
    // Every label shows the run's table now: the window's frame, or the end of a run.
    void show();

private:
    void written(unsigned bit, bool running);

    QWidget *m_window;
    const RunTableModel &m_run;
    std::array<std::array<QLabel *, kOutcomes>, 2> m_cells; // [count, ratio][outcome - 1]
    QLabel *m_trialTotal;
    Announcer &m_announcer;
    unsigned m_unshown = 0; // bit kind * kOutcomes + outcome - 1, and one for the trial total
    bool m_frameAsked = false;
};

} // namespace quindle
