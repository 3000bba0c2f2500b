#pragma once

// The experiment's results as text for other programs: the table as a spreadsheet pastes it,
// and the whole run as a results file that a class pools (see classroom/results_file.h).

#include "classroom/results_file.h"

#include <QString>
#include <QStringList>

class QDateTime;

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

// The current run as its results file records it: the table, the history and every trial the
// window showed, with when it was saved, the seed (none: the clock) and the pace.
[[nodiscard]] RunResults runResults(const ExperimentRecord &record,
                                    std::optional<std::uint64_t> seed, const std::string &pace,
                                    const QDateTime &saved);

} // namespace quindle
