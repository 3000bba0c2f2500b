#pragma once

#include <QTableView>

#include <array>

class QLabel;
class QStandardItemModel;

namespace quindle {

// The result grid as a table for the keyboard and for screen readers: reached with Tab after
// the buttons, the arrow keys move from cell to cell, nothing can be edited. It reports the
// table role with a column header per outcome ("Head Tail") and a row header per value
// ("frequency", "ratio") through Qt's accessible table interface. It lies over the grid's value
// cells and draws nothing but a focus frame around the current cell: the labels under it stay
// what the pupil sees, and it copies their texts, after its row's word ("frequency 567", as
// Orca reads a whole row without its header), when told they changed.
class ResultTable : public QTableView
{
    Q_OBJECT
public:
    // values: [count, ratio][outcome - 1], the labels the table lies over.
    ResultTable(const std::array<std::array<QLabel *, 4>, 2> &values, QWidget *parent);

    // Copies the labels' texts; cheap when nothing changed.
    void refresh();
    // Lies over the value cells where they are now, each cell of the table on its label.
    void placeOverCells();

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    [[nodiscard]] QLabel *value(int row, int column) const;

    std::array<std::array<QLabel *, 4>, 2> m_values;
    QStandardItemModel *m_model;
};

} // namespace quindle
