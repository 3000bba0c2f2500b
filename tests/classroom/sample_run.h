#pragma once

// Runs for the tests, counted the way the experiment counts them, and the edits a spreadsheet or
// a pupil makes to a results file.

#include "classroom/results_file.h"
#include "experiment/experiment_control.h"

#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace quindle::testing {

// `trials` trials of a fixed sequence of coins drawn from `seed`. Each trial's outcome is
// counted, then each outcome's history element at its count is set to its share of the trials.
inline RunResults sampleRun(int trials, std::uint32_t seed = 7,
                            std::string saved = "2026-12-06T21:30:05Z")
{
    RunResults run{.saved = std::move(saved), .seed = seed, .pace = "as designed"};
    std::minstd_rand random(seed);
    const auto coin = [&random] { return (random() >> 16) % 2 == 0 ? Face::Head : Face::Tail; };
    for (Int16 trial = 1; trial <= trials; ++trial) {
        const Face coin1 = coin();
        const Face coin2 = coin();
        const int outcome = outcomeOf(coin1, coin2);
        const auto thrown = static_cast<std::size_t>(outcome - 1);
        run.log.push_back(static_cast<std::uint8_t>(outcome));
        ++run.counts[thrown];
        run.history[thrown].push_back(0);
        for (std::size_t n = 0; n < kOutcomes; ++n) {
            const auto count = static_cast<Int16>(run.counts[n]);
            if (count > 0)
                run.history[n].back() = percentage(count, trial);
        }
    }
    run.trials = trials;
    return run;
}

inline std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// As a spreadsheet in a language with decimal commas saves it back: a byte-order mark,
// semicolons, decimal commas and CRLF line ends.
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
        return text.replace(at, start.size(), *replacement);
    return text.erase(at, text.find('\n', at) + 1 - at);
}

} // namespace quindle::testing
