// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/results_file.h"

#include "classroom/results_fields.h"
#include "classroom/results_words.h"
#include "experiment/experiment_control.h"
#include "experiment/outcome.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>

namespace quindle {

namespace {

void appendRow(std::string &text, std::initializer_list<std::string_view> fields,
               char separator = ',')
{
    appendCsvRow(text, std::span(fields.begin(), fields.size()), separator);
}

// The version of the file that holds the run.
int versionFor(const RunResults &run)
{
    if (run.formatVersion == 0)
        return 0;
    return run.prediction || !run.pupil.empty() ? kResultsFormatVersion : 1;
}

void appendHeader(std::string &text, const RunResults &run, int version)
{
    using std::to_string;
    appendRow(text, {kFormatName, to_string(version)});
    appendRow(text, {kSavedKey, csvField(run.saved, ',')});
    appendRow(text, {kSeedKey, run.seed ? to_string(*run.seed) : std::string()});
    appendRow(text, {kPaceKey, csvField(run.pace, ',')});
    if (run.prediction) {
        std::array<std::string, kOutcomes> shares;
        std::ranges::transform(*run.prediction, shares.begin(),
                               [](int share) { return to_string(share); });
        std::array<std::string_view, kOutcomes + 1> fields{kPredictionKey};
        std::ranges::copy(shares, fields.begin() + 1);
        appendCsvRow(text, fields, ',');
    }
    if (!run.pupil.empty())
        appendRow(text, {kPupilKey, csvField(run.pupil, ',')});
    text += '\n';
}

} // namespace

std::string csvField(std::string_view text, char separator)
{
    const bool commaOrSemicolon = separator == ',' || separator == ';';
    const std::string special =
        commaOrSemicolon ? std::string(",;\"\r\n") : std::string{separator, '"', '\r', '\n'};
    const bool plain = text.find_first_of(special) == std::string_view::npos &&
                       (text.empty() || (!isBlank(text.front()) && !isBlank(text.back())));
    if (plain)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string spreadsheetText(std::string_view text, char separator)
{
    constexpr std::string_view kFormulaStarts = "=+-@\t\r";
    if (text.empty() || kFormulaStarts.find(text.front()) == std::string_view::npos)
        return csvField(text, separator);
    // Quoted whatever else it holds: an apostrophe outside quotes is a text of its own.
    std::string marked;
    marked.reserve(text.size() + 1);
    marked += '\'';
    marked += text;
    std::string quoted = csvField(marked, separator);
    return quoted.front() == '"' ? quoted : '"' + quoted + '"';
}

void appendCsvRow(std::string &text, std::span<const std::string_view> fields, char separator)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += separator;
        text += fields[i];
    }
    text += '\n';
}

TableTexts tableTexts(const RunResults &run)
{
    TableTexts table;
    for (int n = 1; n <= kOutcomes; ++n) {
        const int count = run.counts[outcomeIndex(n)];
        table.counts[outcomeIndex(n)] = std::to_string(count);
        // Without trials the window shows no ratio.
        if (run.trials > 0)
            table.ratios[outcomeIndex(n)] = ratioText(ratioOf(count, run.trials));
    }
    table.trials = std::to_string(run.trials);
    return table;
}

std::string writeTable(const TableTexts &table, char separator)
{
    std::string text;
    appendCsvRow(text, kTableHeading, separator);
    for (int n = 1; n <= kOutcomes; ++n)
        appendRow(
            text,
            {outcomeFileWord(n), table.counts[outcomeIndex(n)], table.ratios[outcomeIndex(n)]},
            separator);
    appendRow(text, {kTrialsLabel, table.trials, ""}, separator);
    return text;
}

std::string writeResults(const RunResults &run)
{
    using std::to_string;
    const int version = versionFor(run);
    const bool withLog = version != 0;
    std::string text;
    // About 16 bytes a history element and 25 a logged trial.
    text.reserve(512 + 48 * static_cast<std::size_t>(std::max(run.trials, 0)));
    if (withLog)
        appendHeader(text, run, version);

    text += writeTable(tableTexts(run), ',');
    text += '\n';

    appendCsvRow(text, kHistoryHeading, ',');
    for (int n = 1; n <= kOutcomes; ++n) {
        const std::vector<int> &elements = run.history[outcomeIndex(n)];
        for (std::size_t c = 1; c <= elements.size(); ++c)
            appendRow(text, {outcomeFileWord(n), to_string(c), to_string(elements[c - 1])});
    }

    if (withLog) {
        text += '\n';
        appendCsvRow(text, kLogHeading, ',');
        std::size_t trial = 0;
        for (const LoggedTrial logged : run.log)
            appendRow(text, {to_string(++trial), faceFileWord(logged.face(1)),
                             faceFileWord(logged.face(2)), outcomeFileWord(logged)});
    }
    return text;
}

} // namespace quindle
