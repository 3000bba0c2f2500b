// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "classroom/results_file.h"
#include "experiment/experiment_record.h"
#include "experiment/experiment_view.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <string>
#include <string_view>

namespace quindle {

// The run's table as the experiment writes it: per outcome its count and its ratio, and the
// number of trials, each in the experiment's plain form ("567", "0.257"; empty where a cell was
// cleared or never written). It is the one place the experiment window keeps them: the cells the
// pupil sees, the accessible result table, Copy and the spoken sentence all read it, in the
// pupil's language's form of each number ("0,257" in German).
//
// As an item model it is the result table: a row per kind of value (counts, ratios), a column
// per outcome headed by its words ("Head Tail"), each cell read as its row's word and its value
// ("frequency 567", as Orca reads a whole row without its header). Nothing can be edited. Its
// views hear of changes in one dataChanged per announceChanges(), however many cells changed
// since: a run changes them a thousand times a second, and a screen reader needs no more than
// the window shows.
class RunTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit RunTableModel(QObject *parent);

    // The cell of an outcome (1..4) in the count or the ratio row, and the number of trials, in
    // the plain form. Returns whether the text changed.
    bool setCell(CellKind kind, int outcome, std::string_view plain);
    bool setTrialTotal(std::string_view plain);

    [[nodiscard]] const std::string &cell(CellKind kind, int outcome) const;
    [[nodiscard]] const std::string &trialTotal() const { return m_trials; }
    // The trial total as a number; 0 where none is written.
    [[nodiscard]] int trials() const;
    // As the pupil's language writes them.
    [[nodiscard]] QString shownCell(CellKind kind, int outcome) const;
    [[nodiscard]] QString shownTrialTotal() const;
    // The whole table as the pupil's language writes it, for the clipboard.
    [[nodiscard]] TableTexts shownTable() const;

    // The words read before each value of the count row and of the ratio row.
    void setRowWords(const QString &counts, const QString &ratios);
    // Tells the views, in one dataChanged, of every cell changed since the last call.
    void announceChanges();

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    [[nodiscard]] std::string &slot(CellKind kind, int outcome);

    std::array<std::array<std::string, kOutcomes>, 2> m_cells{}; // [count, ratio][outcome - 1]
    std::string m_trials;
    std::array<QString, 2> m_rowWords{};
    // The rows and columns changed since the views last heard; empty when first > last.
    int m_firstRow = 2, m_lastRow = -1, m_firstColumn = kOutcomes, m_lastColumn = -1;
};

} // namespace quindle
