#pragma once

// The experiment's results as text for other programs: the table as a spreadsheet pastes it, and
// as a CSV file with every recorded history element of the current run.

#include <QString>
#include <QStringList>

namespace quindle {

class ExperimentRecord;

// What the window's table shows: per outcome (1..4) its count and ratio texts, and the number
// of trials (empty before the first trial).
struct TableTexts
{
    QStringList counts;
    QStringList ratios;
    QString trials;
};

// Tab-separated, a header row (outcome, count, ratio), a row per outcome and the number of
// trials.
[[nodiscard]] QString resultsAsTabText(const TableTexts &table);

// The same table as CSV, then each outcome's recorded history elements of the current run
// (outcome, count at that point, percentage).
[[nodiscard]] QString resultsAsCsv(const TableTexts &table, const ExperimentRecord &record);

} // namespace quindle
