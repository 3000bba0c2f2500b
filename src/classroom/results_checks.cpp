// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The reader's checks of one section against another: the table's counts, trials and ratios
// against each other, the trial log against the table, the history against the log.

#include "classroom/results_reader.h"

#include <cmath>

namespace quindle::results_reading {

bool ResultsReader::checkTable()
{
    for (int n = 1; n <= kOutcomes; ++n) {
        const int count = m_run.counts[outcomeIndex(n)];
        if (count < 0 || count > kRunLimit) {
            m_rowLine = m_tableLines[outcomeIndex(n)];
            fail(Inconsistency::CountOutOfRange, n, count, kRunLimit);
            return false;
        }
    }
    const int trials = m_run.trials;
    if (trials < 0 || trials > kMaxShownTrials) {
        fail(Inconsistency::TrialsOutOfRange, 0, trials, kMaxShownTrials);
        return false;
    }
    int sum = 0;
    for (const int count : m_run.counts)
        sum += count;
    if (sum != trials) {
        fail(Inconsistency::CountsNotAddingUp, 0, sum, trials);
        return false;
    }
    // Without trials the window shows no ratio, and there is none to compare.
    for (int n = 1; n <= kOutcomes && trials > 0; ++n) {
        const double ratio = ratioOf(m_run.counts[outcomeIndex(n)], trials);
        const std::optional<double> written = m_ratios[outcomeIndex(n)];
        if (!written || !(std::abs(*written - ratio) <= kRatioTolerance)) {
            m_rowLine = m_tableLines[outcomeIndex(n)];
            fail(Inconsistency::RatioMismatch, n);
            return false;
        }
    }
    // The counts are known to be small now: room for the history and the log, reserved once.
    for (int n = 1; n <= kOutcomes; ++n)
        m_run.history[outcomeIndex(n)].reserve(
            static_cast<std::size_t>(m_run.counts[outcomeIndex(n)]));
    for (int n = 1; n <= kOutcomes; ++n)
        m_historyLines[outcomeIndex(n)].reserve(
            static_cast<std::size_t>(m_run.counts[outcomeIndex(n)]));
    if (m_run.formatVersion >= 1)
        m_run.log.reserve(static_cast<std::size_t>(trials));
    return true;
}

// Each outcome comes up in the log as often as the table counts it. A count that does not is
// named at its row of the table.
bool ResultsReader::checkLogAgainstTable()
{
    for (int n = 1; n <= kOutcomes; ++n) {
        if (m_tally.count(n) != m_run.counts[outcomeIndex(n)]) {
            m_rowLine = m_tableLines[outcomeIndex(n)];
            fail(Inconsistency::LogTally, n, m_tally.count(n), m_run.counts[outcomeIndex(n)]);
            return false;
        }
    }
    return true;
}

// The history follows from the log, as the experiment writes it: after every trial, each
// outcome's element at its count is set to its share of the trials so far. So the element for
// count c holds the share as it stood after the last trial in which the count was c, the trial
// before the outcome's next one. (The last element, at the final count, is checked against the
// table already.) The first element that says otherwise is named at its line.
bool ResultsReader::checkHistoryAgainstLog()
{
    std::array<std::vector<int>, kOutcomes> derived;
    for (int n = 1; n <= kOutcomes; ++n)
        derived[outcomeIndex(n)].reserve(static_cast<std::size_t>(m_run.counts[outcomeIndex(n)]));
    Tally tally;
    countAlong(m_run.log, tally, [&derived](LoggedTrial trial, const Tally &counted) {
        std::vector<int> &elements = derived[outcomeIndex(trial)];
        // The outcome comes up again: its element at the count it had before is final.
        if (!elements.empty())
            elements.back() = percentage(static_cast<Int16>(elements.size()),
                                         static_cast<Int16>(counted.trials - 1));
        elements.push_back(0);
    });
    for (int n = 1; n <= kOutcomes; ++n) {
        const std::vector<int> &written = m_run.history[outcomeIndex(n)];
        for (std::size_t c = 1; c < written.size(); ++c) {
            if (written[c - 1] != derived[outcomeIndex(n)][c - 1]) {
                m_rowLine = m_historyLines[outcomeIndex(n)][c - 1];
                fail(Inconsistency::HistoryAgainstLog, n, written[c - 1],
                     derived[outcomeIndex(n)][c - 1]);
                return false;
            }
        }
    }
    return true;
}

} // namespace quindle::results_reading
