// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The experiment record that outlives every window: how often each of the four outcomes has
// come up in the current run, and each outcome's history of relative frequencies for the graph.
// It lives as long as the program; windows are handed a reference to the one instance.

#include "experiment/int16.h"
#include "experiment/outcome.h"

#include <array>
#include <cstddef>

namespace quindle {

// A run ends in the trial that lifts any count past this.
inline constexpr Int16 kRunLimit = 1000;
// The most trials a run shows: the trial that lifts a count past the run limit is counted but
// never shown, so each outcome shows at most kRunLimit.
inline constexpr int kMaxShownTrials = kOutcomes * kRunLimit;

// One outcome's history: element c holds the outcome's share of all trials, in whole percent,
// as it stood after the latest trial in which the outcome's count was c. A fixed-size array
// with bounds 0..5000; every access is checked.
class History
{
public:
    // A run stops once a count passes kRunLimit, so only elements 0 to kRunLimit are written. The
    // bounds are the history's declared size all the same: an index is refused exactly where it
    // falls outside them, and the run limit could grow up to 5000 without a change here.
    static constexpr int kLower = 0;
    static constexpr int kUpper = 5000;

    [[nodiscard]] Int16 at(int index) const { return m_values[slot(index)]; }
    void set(int index, Int16 value) { m_values[slot(index)] = value; }

    static void checkIndex(int index)
    {
        if (index < kLower || index > kUpper)
            throw SubscriptError();
    }

private:
    static std::size_t slot(int index)
    {
        checkIndex(index);
        return static_cast<std::size_t>(index - kLower);
    }

    std::array<Int16, kUpper - kLower + 1> m_values{};
};

// The counts and histories of the four outcomes, reached by outcome number 1..4.
//
// Counts are 16-bit and never wrap. A run keeps them far inside that range (at most one past
// kRunLimit per outcome), so an overflow can only come from a record gone wrong, and it is
// raised as an error rather than counted on with a wrong number.
class ExperimentRecord
{
public:
    [[nodiscard]] Int16 count(int outcome) const { return m_counts[outcomeIndex(outcome)]; }
    void setCount(int outcome, Int16 value) { m_counts[outcomeIndex(outcome)] = value; }
    // count + 1, overflow-checked; nothing is stored when it overflows.
    void addToCount(int outcome) { setCount(outcome, checkedAdd(count(outcome), 1)); }

    // The number of trials: the four counts added up, overflow-checked at each step. They are
    // added in the order 2, 1, 3, 4, the order the trial step has always used: with counts out
    // of range it decides which partial sum overflows, so the error is the same everywhere.
    [[nodiscard]] Int16 trials() const
    {
        return checkedAdd(checkedAdd(checkedAdd(count(2), count(1)), count(3)), count(4));
    }

    [[nodiscard]] const History &history(int outcome) const
    {
        return m_history[outcomeIndex(outcome)];
    }
    [[nodiscard]] History &history(int outcome) { return m_history[outcomeIndex(outcome)]; }

    // Writes element `index` of the outcome's history and remembers it as the latest element
    // the current run has recorded. The index is checked before anything is written.
    void recordHistory(int outcome, int index, Int16 value)
    {
        history(outcome).set(index, value);
        m_recorded[outcomeIndex(outcome)] = static_cast<Int16>(index);
    }
    // The latest element recorded since the outcome's count was last cleared, 0 for none: the
    // outcome's count as of the last trial that the window showed, and where its curve ends. It
    // differs from count() after the trial that ends a run, which counts without showing.
    [[nodiscard]] Int16 lastRecorded(int outcome) const
    {
        return m_recorded[outcomeIndex(outcome)];
    }
    // Both coins' faces in every trial the window showed since the counts were last cleared,
    // in order: a run's full record, for its results file. The log keeps no more than the
    // trials a run can show, whatever happens to the counts.
    void logTrial(Face coin1, Face coin2)
    {
        if (m_log.size() < static_cast<std::size_t>(kMaxShownTrials))
            m_log.emplace_back(coin1, coin2);
    }
    [[nodiscard]] const LoggedTrials &trialLog() const { return m_log; }
    void clearTrialLog() { m_log.clear(); }

    // The number of trials the window showed last: the recorded counts added up.
    [[nodiscard]] int recordedTrials() const
    {
        int trials = 0;
        for (int n = 1; n <= kOutcomes; ++n)
            trials += lastRecorded(n);
        return trials;
    }
    // Init: the count back to 0. The history keeps its values, but none of them belongs to
    // the new run yet.
    void clearCount(int outcome)
    {
        setCount(outcome, 0);
        m_recorded[outcomeIndex(outcome)] = 0;
    }

private:
    std::array<Int16, kOutcomes> m_counts{};
    std::array<History, kOutcomes> m_history{};
    std::array<Int16, kOutcomes> m_recorded{};
    LoggedTrials m_log;
};

} // namespace quindle
