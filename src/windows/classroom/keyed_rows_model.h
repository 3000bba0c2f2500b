// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A table model whose rows each stand for something with a name (a file of the class's folder),
// brought up to date by what changed rather than rebuilt: rows that went are removed, rows that
// came inserted, rows that moved moved and rows that changed told of, so that a view keeps its
// current cell, its selection and its scrolling on the same file, and a keyboard user or a
// screen reader keeps their place while pupils save into the folder.

#include <QAbstractTableModel>

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace quindle {

// Row: has a std::string name, unique among the rows, and == that tells a changed row.
template<class Row> class KeyedRowsModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    [[nodiscard]] const std::vector<Row> &rows() const { return m_rows; }

protected:
    // More rows moving than this at once (the whole folder re-sorted) resets the model instead.
    static constexpr std::size_t kMostMoves = 256;

    // Makes the rows next, in next's order, telling the views every step.
    void replaceRows(const std::vector<Row> &next)
    {
        std::unordered_map<std::string_view, std::size_t> inNext;
        inNext.reserve(next.size());
        for (std::size_t i = 0; i < next.size(); ++i)
            inNext.emplace(next[i].name, i);
        removeRowsNotIn(inNext);

        // The rows that stay, in their new order, and which of them move: all but a longest
        // run of rows that are already in that order.
        std::vector<std::string_view> staying; // in next's order
        std::unordered_map<std::string_view, std::size_t> placeAmongStaying;
        {
            std::unordered_set<std::string_view> present;
            for (const Row &row : m_rows)
                present.insert(row.name);
            for (const Row &row : next) {
                if (present.contains(row.name)) {
                    placeAmongStaying.emplace(row.name, staying.size());
                    staying.push_back(row.name);
                }
            }
        }
        std::vector<std::size_t> places;
        places.reserve(m_rows.size());
        for (const Row &row : m_rows)
            places.push_back(placeAmongStaying.at(row.name));
        const std::vector<bool> keeps = longestIncreasing(places);
        std::unordered_set<std::string_view> moving;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            if (!keeps[i])
                moving.insert(m_rows[i].name);
        }
        if (moving.size() > kMostMoves) {
            beginResetModel();
            m_rows = next;
            endResetModel();
            return;
        }
        moveIntoOrder(staying, placeAmongStaying, moving);
        insertNewRows(next);
        tellChanged(next);
    }

private:
    void removeRowsNotIn(const std::unordered_map<std::string_view, std::size_t> &inNext)
    {
        for (std::size_t end = m_rows.size(); end > 0;) {
            if (inNext.contains(m_rows[end - 1].name)) {
                --end;
                continue;
            }
            std::size_t begin = end - 1;
            while (begin > 0 && !inNext.contains(m_rows[begin - 1].name))
                --begin;
            beginRemoveRows({}, static_cast<int>(begin), static_cast<int>(end - 1));
            m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(begin),
                         m_rows.begin() + static_cast<std::ptrdiff_t>(end));
            endRemoveRows();
            end = begin;
        }
    }

    // Which elements of a longest increasing subsequence of values (all different) to keep.
    static std::vector<bool> longestIncreasing(const std::vector<std::size_t> &values)
    {
        std::vector<std::size_t> tails; // index of the smallest tail of each length
        std::vector<std::ptrdiff_t> before(values.size(), -1);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const auto at = std::ranges::lower_bound(
                tails, values[i], {}, [&values](std::size_t k) { return values[k]; });
            if (at != tails.begin())
                before[i] = static_cast<std::ptrdiff_t>(*(at - 1));
            if (at == tails.end())
                tails.push_back(i);
            else
                *at = i;
        }
        std::vector<bool> keeps(values.size(), false);
        for (auto i = tails.empty() ? -1 : static_cast<std::ptrdiff_t>(tails.back()); i >= 0;
             i = before[static_cast<std::size_t>(i)])
            keeps[static_cast<std::size_t>(i)] = true;
        return keeps;
    }

    std::size_t indexOf(std::string_view name, std::size_t from) const
    {
        for (std::size_t j = from; j < m_rows.size(); ++j) {
            if (m_rows[j].name == name)
                return j;
        }
        return m_rows.size();
    }

    void moveRow(std::size_t from, std::size_t to) // to: the row it comes before, as Qt counts
    {
        beginMoveRows({}, static_cast<int>(from), static_cast<int>(from), {}, static_cast<int>(to));
        if (from < to)
            std::rotate(m_rows.begin() + static_cast<std::ptrdiff_t>(from),
                        m_rows.begin() + static_cast<std::ptrdiff_t>(from) + 1,
                        m_rows.begin() + static_cast<std::ptrdiff_t>(to));
        else
            std::rotate(m_rows.begin() + static_cast<std::ptrdiff_t>(to),
                        m_rows.begin() + static_cast<std::ptrdiff_t>(from),
                        m_rows.begin() + static_cast<std::ptrdiff_t>(from) + 1);
        endMoveRows();
    }

    // Puts the rows into the order of `staying`, moving only the moving ones where it can: a
    // moving row in the way goes down to just after the row it follows; a moving row wanted
    // here comes up.
    void moveIntoOrder(const std::vector<std::string_view> &staying,
                       const std::unordered_map<std::string_view, std::size_t> &placeAmongStaying,
                       const std::unordered_set<std::string_view> &moving)
    {
        for (std::size_t i = 0; i < m_rows.size();) {
            if (m_rows[i].name == staying[i]) {
                ++i;
                continue;
            }
            if (moving.contains(m_rows[i].name)) {
                const std::size_t place = placeAmongStaying.at(m_rows[i].name);
                const std::size_t after = indexOf(staying[place - 1], i + 1);
                moveRow(i, after + 1);
                continue;
            }
            moveRow(indexOf(staying[i], i + 1), i);
            ++i;
        }
    }

    // The rows are next's without its new ones, in order: inserts those, a run at a time.
    void insertNewRows(const std::vector<Row> &next)
    {
        for (std::size_t i = 0; i < next.size(); ++i) {
            if (i < m_rows.size() && m_rows[i].name == next[i].name)
                continue;
            std::size_t end = next.size();
            if (i < m_rows.size()) {
                end = i + 1;
                while (end < next.size() && next[end].name != m_rows[i].name)
                    ++end;
            }
            beginInsertRows({}, static_cast<int>(i), static_cast<int>(end - 1));
            m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(i),
                          next.begin() + static_cast<std::ptrdiff_t>(i),
                          next.begin() + static_cast<std::ptrdiff_t>(end));
            endInsertRows();
            i = end - 1;
        }
    }

    void tellChanged(const std::vector<Row> &next)
    {
        std::size_t first = next.size(), last = 0;
        for (std::size_t i = 0; i < next.size(); ++i) {
            if (!(m_rows[i] == next[i])) {
                m_rows[i] = next[i];
                first = std::min(first, i);
                last = i;
            }
        }
        if (first <= last)
            emit dataChanged(index(static_cast<int>(first), 0),
                             index(static_cast<int>(last), columnCount() - 1));
    }

    std::vector<Row> m_rows;
};

} // namespace quindle
