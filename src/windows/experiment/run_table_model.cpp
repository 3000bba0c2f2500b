// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/experiment/run_table_model.h"

#include "windows/support/numbers.h"
#include "windows/support/outcome_names.h"

#include <algorithm>
#include <charconv>

namespace quindle {

namespace {

std::size_t rowOf(CellKind kind)
{
    return static_cast<std::size_t>(kind);
}

std::size_t columnOf(int outcome)
{
    if (outcome < 1 || outcome > kOutcomes)
        throw SubscriptError();
    return static_cast<std::size_t>(outcome - 1);
}

} // namespace

RunTableModel::RunTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    setObjectName(QStringLiteral("RunTableModel"));
}

std::string &RunTableModel::slot(CellKind kind, int outcome)
{
    return m_cells[rowOf(kind)][columnOf(outcome)];
}

const std::string &RunTableModel::cell(CellKind kind, int outcome) const
{
    return m_cells[rowOf(kind)][columnOf(outcome)];
}

bool RunTableModel::setCell(CellKind kind, int outcome, std::string_view plain)
{
    std::string &text = slot(kind, outcome);
    if (text == plain)
        return false;
    text = plain;
    const int row = static_cast<int>(kind);
    m_firstRow = std::min(m_firstRow, row);
    m_lastRow = std::max(m_lastRow, row);
    m_firstColumn = std::min(m_firstColumn, outcome - 1);
    m_lastColumn = std::max(m_lastColumn, outcome - 1);
    return true;
}

bool RunTableModel::setTrialTotal(std::string_view plain)
{
    if (m_trials == plain)
        return false;
    m_trials = plain;
    return true;
}

int RunTableModel::trials() const
{
    int trials = 0;
    std::from_chars(m_trials.data(), m_trials.data() + m_trials.size(), trials);
    return trials;
}

QString RunTableModel::shownCell(CellKind kind, int outcome) const
{
    return shownNumber(cell(kind, outcome));
}

QString RunTableModel::shownTrialTotal() const
{
    return shownNumber(m_trials);
}

TableTexts RunTableModel::shownTable() const
{
    TableTexts table;
    for (int n = 1; n <= kOutcomes; ++n) {
        table.counts[columnOf(n)] = shownCell(CellKind::Count, n).toStdString();
        table.ratios[columnOf(n)] = shownCell(CellKind::Ratio, n).toStdString();
    }
    table.trials = shownTrialTotal().toStdString();
    return table;
}

void RunTableModel::setRowWords(const QString &counts, const QString &ratios)
{
    m_rowWords = {counts, ratios};
    emit headerDataChanged(Qt::Vertical, 0, 1);
    emit dataChanged(index(0, 0), index(1, kOutcomes - 1), {Qt::DisplayRole});
}

void RunTableModel::announceChanges()
{
    if (m_firstRow > m_lastRow)
        return;
    const QModelIndex first = index(m_firstRow, m_firstColumn);
    const QModelIndex last = index(m_lastRow, m_lastColumn);
    m_firstRow = 2;
    m_lastRow = -1;
    m_firstColumn = kOutcomes;
    m_lastColumn = -1;
    emit dataChanged(first, last, {Qt::DisplayRole});
}

int RunTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

int RunTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kOutcomes;
}

QVariant RunTableModel::data(const QModelIndex &at, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(at, CheckIndexOption::IndexIsValid))
        return {};
    // Read alone or in a row, each value says what it is.
    const auto kind = static_cast<CellKind>(at.row());
    return m_rowWords[rowOf(kind)] + QLatin1Char(' ') + shownCell(kind, at.column() + 1);
}

QVariant RunTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < kOutcomes ? QVariant(outcomeWords(section + 1))
                                                   : QVariant();
    return section == 0 || section == 1 ? QVariant(m_rowWords[static_cast<std::size_t>(section)])
                                        : QVariant();
}

} // namespace quindle
