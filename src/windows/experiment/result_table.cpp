// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/experiment/result_table.h"

#include "windows/accessibility/accessibility.h"
#include "windows/controls/focus_frame.h"
#include "windows/experiment/run_table_model.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyledItemDelegate>

namespace quindle {

namespace {

// Draws only the focus frame of the current cell: the labels below show the values.
class FocusFrameOnly : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex & /*index*/) const override
    {
        if (option.state & QStyle::State_HasFocus)
            drawFocusFrame(*painter, option.widget, option.rect.adjusted(2, 2, -2, -2));
    }
};

} // namespace

ResultTable::ResultTable(RunTableModel *run, const std::array<std::array<QLabel *, 4>, 2> &values,
                         QWidget *parent)
    : QTableView(parent)
    , m_values(values)
{
    setObjectName(QStringLiteral("ResultTable"));
    //: Read by a screen reader before each count of the result table ("frequency 567").
    run->setRowWords(tr("frequency"),
                     //: Read before each ratio of the result table.
                     tr("ratio"));
    // The headers stay hidden: hidden before the model comes, they measure no text, which
    // would load a bold font the window shows nowhere.
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setModel(run);
    setItemDelegate(new FocusFrameOnly(this));
    //: What a screen reader calls the table of counts and ratios.
    setAccessibleName(tr("Results"));

    // Invisible but for the focus frame, and out of the mouse's way.
    setFrameShape(QFrame::NoFrame);
    setShowGrid(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setTabKeyNavigation(false); // Tab leaves the table; the arrows move in it
    setFocusPolicy(Qt::TabFocus);

    placeOverCells();
    setCurrentIndex(run->index(0, 0));
}

void ResultTable::placeOverCells()
{
    // Over the value cells, each cell of the table on its label.
    const QRect last = value(1, 3)->geometry();
    setGeometry(value(0, 0)->geometry().united(last));
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(0);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    for (int column = 0; column < 4; ++column)
        setColumnWidth(column, column < 3 ? value(0, column + 1)->x() - value(0, column)->x()
                                          : last.width());
    for (int row = 0; row < 2; ++row)
        setRowHeight(row, row == 0 ? value(1, 0)->y() - value(0, 0)->y() : last.height());
}

void ResultTable::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                              const QList<int> & /*roles*/)
{
    // The table draws nothing that a value changes (the labels below show the values), so a new
    // value asks no repaint: a repaint of the table, which lies over all the value labels and is
    // transparent, would draw the window and every label under it again, once a frame during
    // a run. A screen reader is told, as the view itself would tell it.
    if (!Announcer::screenReaderListens())
        return;
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::DataChanged);
    event.setFirstRow(topLeft.row());
    event.setFirstColumn(topLeft.column());
    event.setLastRow(bottomRight.row());
    event.setLastColumn(bottomRight.column());
    QAccessible::updateAccessibility(&event);
}

QLabel *ResultTable::value(int row, int column) const
{
    return m_values[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

} // namespace quindle
