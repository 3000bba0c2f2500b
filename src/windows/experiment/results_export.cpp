// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/experiment/results_export.h"

#include "classroom/results_words.h"
#include "experiment/experiment_control.h"
#include "experiment/experiment_record.h"

#include <QDateTime>

namespace quindle {

RunResults runResults(const ExperimentRecord &record, std::optional<std::uint64_t> seed, Pace pace,
                      const QDateTime &saved)
{
    RunResults run;
    run.saved = saved.toUTC().toString(Qt::ISODate).toStdString();
    run.seed = seed;
    run.pace = paceWord(pace);
    // The run as the window showed it last: the trial that ends a run counts without showing.
    for (int n = 1; n <= kOutcomes; ++n) {
        const auto outcome = static_cast<std::size_t>(n - 1);
        run.counts[outcome] = record.lastRecorded(n);
        for (int count = 1; count <= record.lastRecorded(n); ++count)
            run.history[outcome].push_back(record.history(n).at(count));
    }
    run.trials = record.recordedTrials();
    run.log.reserve(record.trialLog().size());
    for (const auto &[coin1, coin2] : record.trialLog())
        run.log.push_back(static_cast<std::uint8_t>(outcomeOf(coin1, coin2)));
    return run;
}

} // namespace quindle
