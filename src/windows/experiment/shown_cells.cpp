// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/experiment/shown_cells.h"

#include "windows/accessibility/accessibility.h"
#include "windows/experiment/run_table_model.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include <utility>

namespace quindle {

namespace {
constexpr unsigned kTrialTotalBit = 1U << (2 * kOutcomes);

unsigned cellBit(CellKind kind, int outcome)
{
    return 1U << (static_cast<unsigned>(kind) * kOutcomes + static_cast<unsigned>(outcome - 1));
}
} // namespace

ShownCells::ShownCells(QWidget *window, const RunTableModel &run,
                       const std::array<std::array<QLabel *, kOutcomes>, 2> &cells,
                       QLabel *trialTotal, Announcer &announcer)
    : m_window(window)
    , m_run(run)
    , m_cells(cells)
    , m_trialTotal(trialTotal)
    , m_announcer(announcer)
{}

void ShownCells::cellWritten(CellKind kind, int outcome, bool running)
{
    written(cellBit(kind, outcome), running);
}

void ShownCells::trialTotalWritten(bool running)
{
    written(kTrialTotalBit, running);
}

void ShownCells::written(unsigned bit, bool running)
{
    m_unshown |= bit;
    if (!running)
        show();
    else if (!std::exchange(m_frameAsked, true))
        QCoreApplication::postEvent(m_window, new QEvent(QEvent::UpdateRequest),
                                    Qt::LowEventPriority);
}

void ShownCells::show()
{
    m_frameAsked = false;
    const unsigned unshown = std::exchange(m_unshown, 0U);
    const auto showText = [this](QLabel *label, const QString &text) {
        label->setText(text);
        m_announcer.changed(label);
    };
    for (CellKind kind : {CellKind::Count, CellKind::Ratio}) {
        for (int n = 1; n <= kOutcomes; ++n) {
            if (unshown & cellBit(kind, n))
                showText(m_cells[static_cast<std::size_t>(kind)][static_cast<std::size_t>(n - 1)],
                         m_run.shownCell(kind, n));
        }
    }
    if (unshown & kTrialTotalBit)
        showText(m_trialTotal, m_run.shownTrialTotal());
}

} // namespace quindle
