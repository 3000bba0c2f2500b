// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QTableView>

#include <array>

class QLabel;

namespace quindle {

class RunTableModel;

// The result grid as a table for the keyboard and for screen readers: reached with Tab after
// the buttons, the arrow keys move from cell to cell, nothing can be edited. It reports the
// table role with a column header per outcome ("Head Tail") and a row header per value
// ("frequency", "ratio") through Qt's accessible table interface. It lies over the grid's value
// cells and draws nothing but a focus frame around the current cell: the labels under it stay
// what the pupil sees. Its model is the run's table, which both show; each cell reads after its
// row's word ("frequency 567", as Orca reads a whole row without its header).
class ResultTable : public QTableView
{
    Q_OBJECT
public:
    // values: [count, ratio][outcome - 1], the labels the table lies over, which show run.
    ResultTable(RunTableModel *run, const std::array<std::array<QLabel *, 4>, 2> &values,
                QWidget *parent);

    // Lies over the value cells where they are now, each cell of the table on its label.
    void placeOverCells();

protected:
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles) override;

private:
    [[nodiscard]] QLabel *value(int row, int column) const;

    std::array<std::array<QLabel *, 4>, 2> m_values;
};

} // namespace quindle
