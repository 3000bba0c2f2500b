// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The reader's way through a file's sections, row by row: the first row's version, the header, the
// table, each outcome's history and the trial log, each row checked as it comes.

#include "classroom/results_reader.h"

#include "classroom/results_fields.h"
#include "classroom/results_words.h"

namespace quindle::results_reading {

void ResultsReader::addField(std::string_view text, bool lasting)
{
    if (failed())
        return;
    if (m_row.empty())
        m_rowLine = m_line;
    try {
        m_row.add(text, lasting);
    } catch (const std::bad_alloc &) {
        failFile(Problem::OutOfMemory);
    }
}

void ResultsReader::readPlainLine(std::string_view line, char separator)
{
    // libcsv drops blanks around a field that is not quoted, and gives no row for a line of
    // blanks.
    const auto trimmed = [](std::string_view field) {
        while (!field.empty() && isBlank(field.front()))
            field.remove_prefix(1);
        while (!field.empty() && isBlank(field.back()))
            field.remove_suffix(1);
        return field;
    };
    if (trimmed(line).empty())
        return;
    for (std::size_t begin = 0;;) {
        const std::size_t end = line.find(separator, begin);
        addField(trimmed(line.substr(begin, end - begin)), true);
        if (end == std::string_view::npos)
            break;
        begin = end + 1;
    }
    endRow(true);
}

void ResultsReader::endRow(bool terminated)
{
    if (failed() || m_row.blank()) {
        m_row.clear();
        return;
    }
    try {
        readRow();
    } catch (const std::bad_alloc &) {
        failFile(Problem::OutOfMemory);
    } catch (...) {
        failFile(Problem::NotResults);
    }
    m_row.clear();
    // A last row without a line end that fails a check is most likely the end of a copy that
    // was cut off in the middle of the row.
    if (!terminated && failed() && m_problem->problem == Problem::Inconsistent) {
        const auto [found, needed] = progress();
        if (found < needed)
            m_problem = cutShort();
    }
}

void ResultsReader::readRow()
{
    switch (m_stage) {
    case Stage::First:
        readFirstRow();
        break;
    case Stage::Header:
        readHeaderRow();
        break;
    case Stage::Table:
        readTableRow();
        break;
    case Stage::HistoryHeading:
        if (m_row.is(kHistoryHeading))
            m_stage = Stage::History;
        else
            fail(Inconsistency::UnreadableRow);
        break;
    case Stage::History:
        readHistoryRow();
        break;
    case Stage::TrialLog:
        readTrialRow();
        break;
    }
}

void ResultsReader::readFirstRow()
{
    if (m_row.is(kTableHeading)) {
        m_stage = Stage::Table;
        return;
    }
    const std::string_view versionText = m_row[1];
    const bool digits = !versionText.empty() && std::ranges::all_of(versionText, [](char c) {
        return c >= '0' && c <= '9';
    });
    // Digits too many to hold are a version far newer than this one.
    const std::optional<int> version = wholeNumber(versionText);
    if (m_row[0] != kFormatName || !digits || (version && *version < 1)) {
        fail(Problem::NotResults);
    } else if (!version || *version > kResultsFormatVersion) {
        fail(Problem::NewerVersion, version.value_or(0), kResultsFormatVersion);
    } else {
        m_run.formatVersion = *version;
        m_stage = Stage::Header;
    }
}

void ResultsReader::readHeaderRow()
{
    const std::string_view key = m_row[0];
    const std::string_view value = m_row[1];
    if (m_row.is(kTableHeading)) {
        m_stage = Stage::Table;
    } else if (key == kPredictionKey || key == kPupilKey) {
        readPupilRow();
    } else if (m_pupilRow != PupilRow::None) {
        fail(Inconsistency::UnreadableRow); // a row of version 1 comes before them
    } else if (key == kSavedKey) {
        m_run.saved = value;
    } else if (key == kPaceKey) {
        m_run.pace = value;
    } else if (key == kSeedKey) {
        m_run.seed = seedField(value);
        if (!value.empty() && !m_run.seed)
            fail(Inconsistency::UnreadableRow);
    } else {
        fail(Inconsistency::UnreadableRow);
    }
}

// A prediction or a pupil row: in a version-2 file only, each at most once, the prediction
// before the pupil.
void ResultsReader::readPupilRow()
{
    const PupilRow row = m_row[0] == kPredictionKey ? PupilRow::Prediction : PupilRow::Pupil;
    if (m_run.formatVersion < kPupilVersion || row <= m_pupilRow) {
        fail(Inconsistency::UnreadableRow);
        return;
    }
    m_pupilRow = row;
    if (row == PupilRow::Pupil) {
        if (isPupilName(m_row[1]))
            m_run.pupil = m_row[1];
        else
            fail(Inconsistency::UnreadableRow);
        return;
    }
    std::array<int, kOutcomes> shares{};
    for (int n = 1; n <= kOutcomes; ++n) {
        const std::optional<int> share = wholeNumber(m_row[static_cast<std::size_t>(n)]);
        if (!share) {
            fail(Inconsistency::UnreadableRow);
            return;
        }
        shares[outcomeIndex(n)] = *share;
    }
    if (isPrediction(shares))
        m_run.prediction = shares;
    else
        fail(Inconsistency::UnreadableRow);
}

void ResultsReader::readTableRow()
{
    if (m_tableRows < kOutcomes) {
        const int outcome = m_tableRows + 1;
        const std::optional<int> count = countField(m_row[1]);
        const std::string_view ratio = m_row[2];
        m_ratios[outcomeIndex(outcome)] = ratioField(ratio);
        if (m_row[0] != outcomeFileWord(outcome) || !count ||
            (!ratio.empty() && !m_ratios[outcomeIndex(outcome)])) {
            fail(Inconsistency::UnreadableRow);
            return;
        }
        m_run.counts[outcomeIndex(outcome)] = *count;
        m_tableLines[outcomeIndex(outcome)] = m_rowLine;
        ++m_tableRows;
        return;
    }
    const std::optional<int> trials = countField(m_row[1]);
    if (m_row[0] != kTrialsLabel || !trials) {
        fail(Inconsistency::UnreadableRow);
        return;
    }
    m_run.trials = *trials;
    if (checkTable()) {
        ++m_tableRows;
        m_stage = Stage::HistoryHeading;
    }
}

// The history rows of every outcome before `outcome` are over: each must have all its elements.
bool ResultsReader::closeHistoriesBefore(int outcome)
{
    for (; m_historyOutcome < outcome && m_historyOutcome <= kOutcomes; ++m_historyOutcome) {
        const int n = m_historyOutcome;
        const auto elements = static_cast<long long>(m_run.history[outcomeIndex(n)].size());
        if (elements != m_run.counts[outcomeIndex(n)]) {
            fail(Inconsistency::HistoryLength, n, elements, m_run.counts[outcomeIndex(n)]);
            return false;
        }
    }
    return true;
}

void ResultsReader::readHistoryRow()
{
    if (m_run.formatVersion >= 1 && m_row.is(kLogHeading)) {
        if (closeHistoriesBefore(kOutcomes + 1))
            m_stage = Stage::TrialLog;
        return;
    }
    const int outcome = outcomeField(m_row[0]);
    const std::optional<int> count = wholeNumber(m_row[1]);
    const std::optional<int> value = wholeNumber(m_row[2]);
    if (outcome == 0 || !count || !value) {
        fail(Inconsistency::UnreadableRow);
        return;
    }
    if (outcome < m_historyOutcome) {
        fail(Inconsistency::HistoryNumbering, outcome, *count, 0);
        return;
    }
    if (!closeHistoriesBefore(outcome))
        return;
    std::vector<int> &elements = m_run.history[outcomeIndex(outcome)];
    const int finalCount = m_run.counts[outcomeIndex(outcome)];
    const int next = static_cast<int>(elements.size()) + 1;
    if (*count != next) {
        fail(Inconsistency::HistoryNumbering, outcome, *count, next);
    } else if (next > finalCount) {
        fail(Inconsistency::HistoryLength, outcome, next, finalCount);
    } else if (*value < 0 || *value > kMaxPercent) {
        fail(Inconsistency::HistoryValue, outcome, *value);
    } else if (next == finalCount &&
               *value != percentage(static_cast<Int16>(next), static_cast<Int16>(m_run.trials))) {
        fail(Inconsistency::HistoryFinalValue, outcome, *value,
             percentage(static_cast<Int16>(next), static_cast<Int16>(m_run.trials)));
    } else {
        elements.push_back(*value);
        m_historyLines[outcomeIndex(outcome)].push_back(m_rowLine);
        ++m_historyElements;
    }
}

void ResultsReader::readTrialRow()
{
    const std::optional<int> trial = wholeNumber(m_row[0]);
    const std::optional<Face> coin1 = faceField(m_row[1]);
    const std::optional<Face> coin2 = faceField(m_row[2]);
    const int outcome = coin1 && coin2 ? outcomeOf(*coin1, *coin2) : 0;
    // The outcome the coins give, as nearly always written; else the one that is.
    const int written =
        outcome > 0 && m_row[3] == outcomeFileWord(outcome) ? outcome : outcomeField(m_row[3]);
    if (!trial || outcome == 0 || written == 0) {
        fail(Inconsistency::UnreadableRow);
        return;
    }
    const int next = static_cast<int>(m_run.log.size()) + 1;
    if (*trial != next) {
        fail(Inconsistency::LogNumbering, 0, *trial, next);
    } else if (next > m_run.trials) {
        fail(Inconsistency::LogTrials, 0, next, m_run.trials);
    } else if (outcome != written) {
        fail(Inconsistency::LogOutcome, written, *trial);
    } else {
        m_run.log.push_back(static_cast<std::uint8_t>(outcome));
        m_tally.add(outcome);
    }
}

ReadResult ResultsReader::finish()
{
    if (m_problem)
        return *m_problem;
    const auto [found, needed] = progress();
    switch (m_stage) {
    case Stage::First:
        return ReadProblem{.problem = Problem::NotResults};
    case Stage::Header:
    case Stage::Table:
    case Stage::HistoryHeading:
        return cutShort();
    case Stage::History:
        if (found < needed)
            return cutShort();
        if (m_run.formatVersion >= 1)
            return ReadProblem{.problem = Problem::CutShort,
                               .section = Section::TrialLog,
                               .line = m_line,
                               .expected = m_run.trials};
        break;
    case Stage::TrialLog:
        if (found < needed)
            return cutShort();
        if (!checkLogAgainstTable() || !checkHistoryAgainstLog())
            return *m_problem;
        break;
    }
    // As it would be written.
    if (m_run.formatVersion == kPupilVersion && !m_run.prediction && m_run.pupil.empty())
        m_run.formatVersion = 1;
    return std::move(m_run);
}

void ResultsReader::fail(Problem problem, long long found, long long expected)
{
    m_problem = ReadProblem{.problem = problem,
                            .section = section(),
                            .line = m_rowLine,
                            .found = found,
                            .expected = expected};
}

void ResultsReader::fail(Inconsistency which, int outcome, long long found, long long expected)
{
    m_problem = ReadProblem{.problem = Problem::Inconsistent,
                            .inconsistency = which,
                            .section = section(),
                            .line = m_rowLine,
                            .outcome = outcome,
                            .found = found,
                            .expected = expected};
}

Section ResultsReader::section() const
{
    switch (m_stage) {
    case Stage::First:
    case Stage::Header:
        return Section::Header;
    case Stage::Table:
        return Section::Table;
    case Stage::HistoryHeading:
    case Stage::History:
        return Section::History;
    case Stage::TrialLog:
        return Section::TrialLog;
    }
    return Section::Header;
}

std::pair<long long, long long> ResultsReader::progress() const
{
    switch (section()) {
    case Section::Header:
    case Section::Table:
        return {m_tableRows, kTableRows};
    case Section::History:
        return {m_historyElements, m_run.trials};
    case Section::TrialLog:
        return {static_cast<long long>(m_run.log.size()), m_run.trials};
    }
    return {0, 0};
}

ReadProblem ResultsReader::cutShort() const
{
    const auto [found, needed] = progress();
    return ReadProblem{.problem = Problem::CutShort,
                       .section = section() == Section::Header ? Section::Table : section(),
                       .line = m_line,
                       .found = found,
                       .expected = needed};
}

} // namespace quindle::results_reading
