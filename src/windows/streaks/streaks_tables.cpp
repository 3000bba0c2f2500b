// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The streaks window's tables filled in: from the runs' streak tables, and from the sequence the
// pupil typed. A cell is written only when its text changes, so that a screen reader's place in a
// table stays put while the run goes on.

#include "windows/streaks/streaks_window.h"

#include "windows/streaks/streaks_words.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_names.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStandardItemModel>
#include <QTableView>

namespace quindle {

namespace {

void setCell(QStandardItemModel *model, int row, int column, const QString &text)
{
    QStandardItem *item = model->item(row, column);
    if (!item) {
        item = new QStandardItem;
        item->setEditable(false);
        if (column > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model->setItem(row, column, item);
    }
    if (item->text() != text)
        item->setText(text);
}

std::vector<Result> facesOf(const std::vector<Face> &faces)
{
    std::vector<Result> results;
    results.reserve(faces.size());
    for (const Face face : faces)
        results.push_back(static_cast<Result>(face));
    return results;
}

} // namespace

void StreaksWindow::showLongest()
{
    m_longest->setHorizontalHeaderLabels({
        //: The first column of the longest streaks' table: an outcome, or Coin1.
        tr("Result"),
        //: A column: the longest streak of the result in the trials.
        tr("Longest streak"),
        //: A column: the longest streak that chance gives as often above as below.
        tr("Usual (median)"),
        //: A column: the range that chance keeps the longest streak in, 95 % of the time.
        tr("95 % of the time"),
    });
    const auto showRow = [this](int row, const QString &name, const LongestStreakRow &streak) {
        const bool none = m_tables.trials == 0;
        setCell(m_longest, row, 0, name);
        setCell(m_longest, row, 1, none ? QStringLiteral("–") : countWords(streak.longest));
        setCell(m_longest, row, 2, none ? QStringLiteral("–") : countWords(streak.chance.median));
        setCell(m_longest, row, 3, none ? QStringLiteral("–") : rangeWords(streak.chance));
    };
    for (int n = 1; n <= kOutcomes; ++n)
        showRow(n - 1, outcomeWords(n), m_tables.outcomes[static_cast<std::size_t>(n - 1)]);
    //: A row of the longest streaks' table: the longest streak of whichever outcome, against
    //: what chance gives the longest of any of the four.
    showRow(kOutcomes, tr("Any outcome"), m_tables.anyOutcome);
    //: A row of the longest streaks' table: Coin1 alone, a streak of either face.
    showRow(kOutcomes + 1, tr("Coin1, either face"), m_tables.coin1);
}

void StreaksWindow::showAfter()
{
    m_after->setHorizontalHeaderLabels({
        //: The first column of the after-a-streak table.
        tr("After"),
        //: A column: how many trials followed k of the same in a row.
        tr("Times"),
        //: A column: how many of those trials were the same again.
        tr("Next the same"),
        //: A column: the share of those trials that were the same again.
        tr("Share the same"),
        //: A column: the share that chance gives: a quarter for an outcome, a half for a face.
        tr("Expected"),
        //: A column: the range chance keeps that share in, 95 % of the time, for so many times.
        tr("95 % of the time"),
    });
    const int rows = static_cast<int>(m_tables.afterOutcome.size() + m_tables.afterCoin1.size());
    m_after->setRowCount(rows);
    int row = 0;
    for (const bool coin1 : {false, true}) {
        for (const AfterStreakRow &after : coin1 ? m_tables.afterCoin1 : m_tables.afterOutcome) {
            const long long cases = after.counted.cases;
            setCell(m_after, row, 0, afterRowWords(after.k, coin1));
            setCell(m_after, row, 1, countWords(cases));
            setCell(m_after, row, 2, countWords(after.counted.repeats));
            setCell(m_after, row, 3, shareWords(after.counted.repeats, cases));
            setCell(m_after, row, 4, QLocale().toString(after.expected));
            setCell(m_after, row, 5, shareRangeWords(after.chance, cases));
            ++row;
        }
    }
}

std::optional<std::vector<Result>> StreaksWindow::coin1Faces(std::size_t length) const
{
    for (const LoggedTrials &log : m_logs) {
        if (log.size() < length)
            continue;
        std::vector<Result> faces;
        faces.reserve(length);
        for (std::size_t i = 0; i < length; ++i)
            faces.push_back(static_cast<Result>(log[i].face(1)));
        return faces;
    }
    return std::nullopt;
}

void StreaksWindow::checkTypedSequence()
{
    const TypedFaces typed =
        readTypedFaces(m_typed->text().toStdU32String(), headMark(), tailMark());
    QString state = typedFacesProblem(typed);
    const bool measured = state.isEmpty();
    if (measured) {
        const SequenceCheck check = checkSequence(facesOf(typed.faces));
        showSequence(check);
        state = sequenceVerdict(check);
    }
    if (m_typed->text().size() >= kMostTypedCharacters)
        state += QLatin1Char(' ') + cutShortWords();
    m_sequenceView->setVisible(measured);
    m_typedState->setText(state);
    m_typed->setAccessibleDescription(state);
    fitTables();
}

void StreaksWindow::showSequence(const SequenceCheck &check)
{
    const int length = countInWords(check.length);
    const std::optional<std::vector<Result>> coin1 =
        coin1Faces(static_cast<std::size_t>(check.length));
    m_sequence->setHorizontalHeaderLabels({
        //: The first column of the table that measures a typed sequence.
        tr("Sequence"),
        //: A column: the longest streak of the same face.
        tr("Longest streak"),
        //: A column: how often a face differs from the one before it.
        tr("Switches"),
    });
    //: A row: the typed sequence's measures, of %n faces.
    setCell(m_sequence, 0, 0, tr("Yours: %n faces", nullptr, length));
    setCell(m_sequence, 0, 1, countWords(check.longest));
    setCell(m_sequence, 0, 2, countWords(check.switches));
    if (m_scope == Scope::Run)
        //: A row: the same measures of Coin1's first %n faces in the run.
        setCell(m_sequence, 1, 0, tr("Coin1's first %n faces in this run", nullptr, length));
    else
        //: A row: the same of Coin1's first %n faces in the class's first run with as many
        //: trials.
        setCell(m_sequence, 1, 0, tr("Coin1's first %n faces in a run", nullptr, length));
    const QString none = QStringLiteral("–");
    const std::optional<SequenceCheck> real =
        coin1 ? std::optional(checkSequence(*coin1)) : std::nullopt;
    setCell(m_sequence, 1, 1, real ? countWords(real->longest) : none);
    setCell(m_sequence, 1, 2, real ? countWords(real->switches) : none);
    //: A row: the range real sequences of that length keep each measure in, 95 % of the time.
    setCell(m_sequence, 2, 0, tr("Real ones, 95 % of the time"));
    setCell(m_sequence, 2, 1, rangeWords(check.longestChance));
    setCell(m_sequence, 2, 2, rangeWords(check.switchChance));
}

} // namespace quindle
