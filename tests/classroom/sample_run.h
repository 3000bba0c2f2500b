// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Runs counted as the experiment counts them, and the edits a spreadsheet makes to their files.

#include "classroom/results_file.h"
#include "experiment/experiment_control.h"

#include <array>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace quindle::testing {

// Counts one more trial: its outcome, then each outcome's history element at its count set to
// its share of the trials.
inline void addTrial(RunResults &run, Face coin1, Face coin2)
{
    const int outcome = outcomeOf(coin1, coin2);
    const auto thrown = static_cast<std::size_t>(outcome - 1);
    run.log.push_back(static_cast<std::uint8_t>(outcome));
    ++run.counts[thrown];
    ++run.trials;
    run.history[thrown].push_back(0);
    for (std::size_t n = 0; n < kOutcomes; ++n) {
        const auto count = static_cast<Int16>(run.counts[n]);
        if (count > 0)
            run.history[n].back() = percentage(count, static_cast<Int16>(run.trials));
    }
}

// `trials` trials of the coins drawn from `seed`, or fewer where the run ends first: as in the
// experiment, the trial in which an outcome comes up for the (kRunLimit + 1)th time ends it
// unshown, so the run holds the trials before that one.
inline RunResults sampleRun(int trials, std::uint32_t seed = 7,
                            std::string saved = "2026-12-06T21:30:05Z")
{
    RunResults run{.saved = std::move(saved), .seed = seed, .pace = "as designed"};
    std::minstd_rand random(seed);
    const auto coin = [&random] { return (random() >> 16) % 2 == 0 ? Face::Head : Face::Tail; };
    for (int trial = 1; trial <= trials; ++trial) {
        const Face coin1 = coin(), coin2 = coin();
        if (run.counts[static_cast<std::size_t>(outcomeOf(coin1, coin2) - 1)] == kRunLimit)
            break;
        addTrial(run, coin1, coin2);
    }
    return run;
}

// The run as a pupil saved it who predicted `prediction` (none: no row) and typed `pupil`.
inline RunResults predictedBy(RunResults run, std::string pupil,
                              std::optional<std::array<int, kOutcomes>> prediction = {
                                  {33, 17, 17, 33}})
{
    run.formatVersion = 2;
    run.pupil = std::move(pupil);
    run.prediction = prediction;
    return run;
}

// text with every `from` replaced by `to`, into a new string: GCC 12 at -O3 wrongly warns that
// std::string::replace in place may overlap (-Wrestrict).
inline std::string replaced(std::string_view text, std::string_view from, std::string_view to)
{
    std::string result;
    std::size_t at = 0;
    for (std::size_t found = text.find(from); found != std::string_view::npos;
         found = text.find(from, at)) {
        result.append(text.substr(at, found - at)).append(to);
        at = found + from.size();
    }
    return result.append(text.substr(at));
}

// As a spreadsheet with decimal commas saves it: byte-order mark, semicolons, CRLF line ends.
inline std::string spreadsheetResave(const std::string &text)
{
    return "\xEF\xBB\xBF" + replaced(replaced(replaced(text, ",", ";"), ".", ","), "\n", "\r\n");
}

// The file's blocks, which blank lines separate.
enum Block { kHeader, kTable, kHistory, kTrialLog };

// Replaces the start of the first line in `block` that starts with `start`, or removes the line.
inline std::string withLine(std::string text, Block block, std::string_view start,
                            std::optional<std::string_view> replacement)
{
    std::size_t at = 0;
    for (int skipped = 0; skipped < block; ++skipped)
        at = text.find("\n\n", at) + 1;
    at = text.find("\n" + std::string(start), at) + 1;
    if (replacement)
        return text.substr(0, at).append(*replacement).append(text, at + start.size());
    return text.erase(at, text.find('\n', at) + 1 - at);
}

} // namespace quindle::testing
