// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The class table and the list of files not pooled, as models over the class's pool that follow
// it by what changed (keyed_rows_model.h): a row per pooled run (its file, trials, counts and
// ratios to three decimals) and a last row for the class (its ratios to four); a line per file
// left out, with its reason.

#include "classroom/class_pool.h"
#include "windows/classroom/keyed_rows_model.h"

#include <QString>

#include <memory>

namespace quindle {

struct RunRow
{
    std::string name;
    std::shared_ptr<const RunResults> run;
    bool operator==(const RunRow &) const = default; // a new run under the name is a change
};

class ClassTableModel : public KeyedRowsModel<RunRow>
{
public:
    static constexpr int kColumns = 2 + 2 * kOutcomes; // file, trials, counts, ratios
    static constexpr int kRatioColumn = 2 + kOutcomes; // the first ratio's

    explicit ClassTableModel(QObject *parent);

    void setPool(std::shared_ptr<const ClassPool> pool);
    [[nodiscard]] const ClassPool &pool() const { return *m_pool; }

    // The row's text in a column as the table shows it: the file's name as the file system's
    // bytes decode (a name that is not UTF-8 with replacement characters), the class's row
    // named in the pupil's language, and the numbers in the plain form files keep (the view
    // shows them in the pupil's language).
    [[nodiscard]] QString text(int row, int column) const;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

private:
    std::shared_ptr<const ClassPool> m_pool;
};

struct UnpooledRow
{
    std::string name;
    QString line; // the file's name and why it is left out
    bool operator==(const UnpooledRow &) const = default;
};

class UnpooledModel : public KeyedRowsModel<UnpooledRow>
{
public:
    using KeyedRowsModel::KeyedRowsModel;

    void setFiles(const std::vector<UnpooledRow> &files) { replaceRows(files); }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
};

// A name of the class's folder, in the file system's bytes, as a person reads it.
[[nodiscard]] QString displayName(const std::string &name);

} // namespace quindle
