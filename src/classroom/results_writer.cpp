#include "classroom/results_file.h"

#include "classroom/results_fields.h"
#include "classroom/results_words.h"
#include "experiment/experiment_control.h"

#include <algorithm>
#include <initializer_list>
#include <span>

namespace quindle {

namespace {

std::size_t slot(int outcome)
{
    return static_cast<std::size_t>(outcome - 1);
}

// A free text (the saved time, the pace) as one field: quoted where a reader would otherwise
// split it or drop blanks at its ends.
std::string textField(std::string_view value)
{
    const bool plain = value.find_first_of(",;\"\r\n") == std::string_view::npos &&
                       (value.empty() || (!isBlank(value.front()) && !isBlank(value.back())));
    if (plain)
        return std::string(value);
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void appendRow(std::string &text, std::span<const std::string_view> fields, char separator = ',')
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            text += separator;
        text += fields[i];
    }
    text += '\n';
}

void appendRow(std::string &text, std::initializer_list<std::string_view> fields,
               char separator = ',')
{
    appendRow(text, std::span(fields.begin(), fields.size()), separator);
}

} // namespace

TableTexts tableTexts(const RunResults &run)
{
    TableTexts table;
    for (int n = 1; n <= kOutcomes; ++n) {
        const int count = run.counts[slot(n)];
        table.counts[slot(n)] = std::to_string(count);
        // Without trials the window shows no ratio.
        if (run.trials > 0)
            table.ratios[slot(n)] = ratioText(static_cast<double>(count) / run.trials);
    }
    table.trials = std::to_string(run.trials);
    return table;
}

std::string writeTable(const TableTexts &table, char separator)
{
    std::string text;
    appendRow(text, kTableHeading, separator);
    for (int n = 1; n <= kOutcomes; ++n)
        appendRow(text, {outcomeWord(n), table.counts[slot(n)], table.ratios[slot(n)]}, separator);
    appendRow(text, {kTrialsLabel, table.trials, ""}, separator);
    return text;
}

std::string writeResults(const RunResults &run)
{
    using std::to_string;
    const bool withLog = run.formatVersion != 0;
    std::string text;
    // About 16 bytes a history element and 25 a logged trial.
    text.reserve(256 + 48 * static_cast<std::size_t>(std::max(run.trials, 0)));
    if (withLog) {
        appendRow(text, {kFormatName, to_string(kResultsFormatVersion)});
        appendRow(text, {kSavedKey, textField(run.saved)});
        appendRow(text, {kSeedKey, run.seed ? to_string(*run.seed) : std::string()});
        appendRow(text, {kPaceKey, textField(run.pace)});
        text += '\n';
    }

    text += writeTable(tableTexts(run), ',');
    text += '\n';

    appendRow(text, kHistoryHeading);
    for (int n = 1; n <= kOutcomes; ++n) {
        const std::vector<int> &elements = run.history[slot(n)];
        for (std::size_t c = 1; c <= elements.size(); ++c)
            appendRow(text, {outcomeWord(n), to_string(c), to_string(elements[c - 1])});
    }

    if (withLog) {
        text += '\n';
        appendRow(text, kLogHeading);
        std::size_t trial = 0;
        for (const auto &[coin1, coin2] : run.log)
            appendRow(text, {to_string(++trial), faceWord(coin1), faceWord(coin2),
                             outcomeWord(outcomeOf(coin1, coin2))});
    }
    return text;
}

} // namespace quindle
