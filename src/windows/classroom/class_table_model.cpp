// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/classroom/class_table_model.h"

#include "windows/support/numbers.h"
#include "windows/support/outcome_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>

namespace quindle {

QString displayName(const std::string &name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}

ClassTableModel::ClassTableModel(QObject *parent)
    : KeyedRowsModel(parent)
    , m_pool(std::make_shared<const ClassPool>())
{}

void ClassTableModel::setPool(std::shared_ptr<const ClassPool> pool)
{
    m_pool = std::move(pool);
    std::vector<RunRow> next;
    next.reserve(m_pool->runs.size());
    for (const PooledRun &pooled : m_pool->runs)
        next.push_back({pooled.name, pooled.run});
    replaceRows(next);
    // The class's row follows every change.
    const int last = static_cast<int>(rows().size());
    emit dataChanged(index(last, 0), index(last, kColumns - 1));
}

int ClassTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows().size()) + 1;
}

int ClassTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QString ClassTableModel::text(int row, int column) const
{
    const bool isClass = row == static_cast<int>(rows().size());
    const RunRow *run = isClass ? nullptr : &rows()[static_cast<std::size_t>(row)];
    if (column == 0)
        //: The class table's last row, which pools every run.
        return run ? displayName(run->name)
                   : QCoreApplication::translate("quindle::ClassWindow", "Class");
    const long long trials = run ? run->run->trials : m_pool->trials;
    if (column == 1)
        return QString::number(trials);
    const std::size_t outcome = outcomeIndex((column - 2) % kOutcomes + 1);
    const long long count = run ? run->run->counts[outcome] : m_pool->counts[outcome];
    if (column < kRatioColumn)
        return QString::number(count);
    // No ratio without trials; the class's with enough decimals to show how close it came.
    if (trials == 0)
        return {};
    return QString::number(ratioOf(count, trials), 'f', run ? 3 : 4);
}

QVariant ClassTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // The numbers in the pupil's language ("0,257" where a comma is the decimal sign).
        return index.column() == 0 ? text(index.row(), 0)
                                   : shownNumber(text(index.row(), index.column()).toStdString());
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (index.row() == static_cast<int>(rows().size())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        break;
    default:
        break;
    }
    return {};
}

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        //: The class table's first column header, over each run's file name.
        return QCoreApplication::translate("quindle::ClassWindow", "File");
    if (section == 1)
        //: A header of the class table over each run's number of trials. Each number column is
        //: as wide as its header or its numbers, and the ten columns share 740 pixels: a word of
        //: about 8 letters.
        return QCoreApplication::translate("quindle::ClassWindow", "Trials");
    if (section < kRatioColumn)
        //: A column header of the class table over each run's count of an outcome: %1 is coin
        //: 1's face, %2 coin 2's ("Head Tail"). The ten columns share 740 pixels: where two
        //: faces side by side make the columns too wide, put a line break between them.
        return QCoreApplication::translate("quindle::ClassWindow", "%1 %2")
            .arg(shownFaceWord(section - 1, 1), shownFaceWord(section - 1, 2));
    //: A column header of the class table, on two lines: %1 is an outcome ("Head Tail"),
    //: the second line says these are its ratios. The ten columns share 740 pixels: keep
    //: the second line to about 10 letters, a school's usual abbreviation if need be.
    return QCoreApplication::translate("quindle::ClassWindow", "%1\nratio")
        .arg(outcomeWords(section - kRatioColumn + 1));
}

int UnpooledModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows().size());
}

int UnpooledModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant UnpooledModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return rows()[static_cast<std::size_t>(index.row())].line;
}

} // namespace quindle
