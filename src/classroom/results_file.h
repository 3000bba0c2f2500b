// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A run's results as a file that a class pools: the format, writing it, and reading it back
// whatever a spreadsheet or a pupil did to it.
//
// The file is CSV in UTF-8 with "\n" line ends, its words always in English. Version 1:
//
//   Quindle results,1
//   saved,2026-12-06T21:30:05Z            UTC, ISO 8601; readers only order runs by it
//   seed,42                               empty when the run followed the clock
//   pace,as designed
//
//   outcome,count,ratio                   the table, as the window shows it
//   Head/Head,250,0.250                   ... one row per outcome 1..4
//   trials,1000,
//
//   outcome,count at that point,percentage
//   Head/Head,1,100                       per outcome 1..4 in order, counts 1..count
//
//   trial,coin1,coin2,outcome
//   1,Head,Tail,Head/Tail                 every trial of the run, numbered from 1
//
// Version 2 is version 1 with a pupil's prediction, a pupil's name or both, each a row of the
// header after pace (either left out when the run has none):
//
//   Quindle results,2
//   saved,2026-12-06T21:30:05Z
//   seed,42
//   pace,as designed
//   prediction,33,17,17,33                per 100 trials, outcomes 1..4; adding up to 100
//   pupil,"Smith, Anna"                   as the pupil typed it, quoted as CSV needs
//
// A run with neither is written as version 1, which a Quindle that reads no version 2 reads.
// Version 0, what the program saved before, starts at the table and ends after the history.

#include "experiment/experiment_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quindle {

// The newest version writeResults writes (for a run with a prediction or a pupil), and the
// newest readResults understands.
inline constexpr int kResultsFormatVersion = 2;
// A pupil's name is at most this many Unicode code points.
inline constexpr std::size_t kMaxPupilNameCharacters = 60;
// A run's file is far smaller: about 160 KB after a full run of some 3,900 trials, about 167 KB
// at most (4000 trials shown, each in the log and the history). Anything larger is not one.
inline constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;

// One run as its file records it. counts, trials and history are what the window showed when
// the run was saved: the trial that ends a run counts without showing, and is not in it.
struct RunResults
{
    // The version of the format that holds the run: 0 for a run of a version-0 file, which has
    // no trial log; 2 for one with a prediction or a pupil; else 1. writeResults writes version
    // 0 for 0, and otherwise the version the run needs.
    int formatVersion = 1;
    std::string saved{};                 // empty in version 0
    std::optional<std::uint64_t> seed{}; // none when the run followed the clock (and in version 0)
    std::string pace{};                  // "as designed", "classroom" or "one trial", kept as text
    // The pupil's prediction before the run, per 100 trials: outcome n at element n - 1, each
    // 0..100, adding up to 100 (isPrediction).
    std::optional<std::array<int, kOutcomes>> prediction{};
    std::string pupil{}; // the pupil's name in UTF-8 (isPupilName), empty for none
    std::array<int, kOutcomes> counts{};
    int trials = 0;
    // Per outcome, element c - 1 holds the history element for count c: the outcome's share
    // of all trials in whole percent, as it stood just before the outcome's next occurrence.
    std::array<std::vector<int>, kOutcomes> history{};
    // Every trial, in order; empty in version 0.
    LoggedTrials log{};

    bool operator==(const RunResults &) const = default;
};

// Whether each share is 0..100 and they add up to 100.
[[nodiscard]] bool isPrediction(const std::array<int, kOutcomes> &prediction);
// Whether text is a pupil's name: UTF-8 of 1 to kMaxPupilNameCharacters code points, no control
// character (C0, DEL, C1) among them, and not only blanks.
[[nodiscard]] bool isPupilName(std::string_view text);

// Why a file cannot be pooled. The window layer turns each into a sentence of its own.
enum class Problem {
    Empty = 1,        // no bytes, or only blanks and a byte-order mark
    TooLarge = 2,     // found: the file's size; expected: kMaxFileBytes
    Binary = 3,       // no text at all; found: the offset of the first byte that is not text
    NotResults = 4,   // text, but not a results file
    NewerVersion = 5, // found: the file's version, 0 when too large to hold; expected: the
                      // newest this program reads
    // line: the file's last line; section: the one it ends in (the table for a file that ends
    // in its header); found of expected: the table's rows, the history's elements of all
    // outcomes or the log's trials that it has, of those its run needs (found 0 for a file that
    // ends right after its history)
    CutShort = 6,
    Inconsistent = 7, // inconsistency: which check failed, with its numbers
    Duplicate = 8,    // the same run as another file (given by the pool, not the reader)
    Utf16 = 9,        // text in UTF-16 (a byte-order mark, or a NUL in every other byte)
    OneByte = 10,     // text in a one-byte encoding such as Latin-1 or Windows-1252
    // The folder's entries that cannot be read at all (given by whoever lists the folder).
    CannotOpen = 11, // found: the system's error number (errno)
    CannotRead = 12, // found: the system's error number (errno)
    NotAFile = 13,   // found: its EntryKind (class_pool.h)
    TooDeep = 14,    // a folder further down than kMaxFolderDepth (class_pool.h), not read
    // The memory ran out while the file was read, which says nothing of the file: reading it
    // again later may succeed. found: the file's size, or 0 when it ran out inside a row
    OutOfMemory = 15,
};

// Where in the file a problem lies.
enum class Section { Header, Table, History, TrialLog };

// Which check an inconsistent file fails. Each names the numbers it fills in.
enum class Inconsistency {
    None = 0,
    UnreadableRow = 1,    // line: a row that is not what its place needs (a word, a number,
                          // a prediction, a pupil's name), or a header row out of its place
    CountOutOfRange = 2,  // outcome, line; found: its count (perhaps negative); expected: kRunLimit
    TrialsOutOfRange = 3, // line; found: trials (perhaps negative); expected: kMaxShownTrials
    CountsNotAddingUp = 4, // found: the counts' sum; expected: trials
    RatioMismatch = 5,     // outcome, line: a ratio missing or off count / trials
    HistoryLength = 6,     // outcome; found: its elements; expected: its count
    HistoryNumbering = 7,  // outcome, line; found: the row's count; expected: the next count
    HistoryValue = 8,      // outcome, line; found: a percentage outside 0..100
    HistoryFinalValue = 9, // outcome; found: the final element; expected: percentage(count, trials)
    LogNumbering = 10,     // line; found: the row's trial number; expected: the next number
    LogOutcome = 11,       // line, outcome (the one written); found: the trial number
    LogTrials = 12,        // found: the log's trials so far; expected: trials
    LogTally = 13,         // outcome, line (its table row); found: its trials in the log;
                           // expected: its count
    HistoryAgainstLog = 14, // outcome, line (the history row); found: the row's percentage;
                            // expected: the one the trial log gives
};

struct ReadProblem
{
    Problem problem = Problem::NotResults;
    Inconsistency inconsistency = Inconsistency::None;
    Section section = Section::Header;
    int line = 0;    // 1-based line of the file where it was found, 0 for the whole file
    int outcome = 0; // 1..4 when the problem concerns one outcome, 0 otherwise
    long long found = 0;
    long long expected = 0;

    bool operator==(const ReadProblem &) const = default;
};

// A file's run, or why there is none. Made implicitly from either, so the reader returns either.
class ReadResult
{
public:
    ReadResult(RunResults run)
        : m_value(std::move(run))
    {}
    ReadResult(ReadProblem problem)
        : m_value(problem)
    {}

    [[nodiscard]] bool ok() const { return std::holds_alternative<RunResults>(m_value); }
    // Null when the file has a problem.
    [[nodiscard]] const RunResults *run() const { return std::get_if<RunResults>(&m_value); }
    [[nodiscard]] RunResults *run() { return std::get_if<RunResults>(&m_value); }
    // Null when the file was read.
    [[nodiscard]] const ReadProblem *problem() const { return std::get_if<ReadProblem>(&m_value); }

    bool operator==(const ReadResult &) const = default;

private:
    std::variant<RunResults, ReadProblem> m_value;
};

// One field of a CSV row (RFC 4180) whose fields are parted by separator: in quotes where a
// reader would otherwise split it or drop the blanks at its ends (the separator, a quote, a line
// end, a blank first or last; with a comma or a semicolon between the fields, either of them,
// since a spreadsheet may read the file with the other), with each quote inside doubled. A comma
// in a tab-separated field stays as it is ("0,143" pasted into a spreadsheet is a number). The
// results file and the class's table write every text through it.
[[nodiscard]] std::string csvField(std::string_view text, char separator);
// A text from elsewhere (a file's name) as a spreadsheet's cell: as csvField, and a text that a
// spreadsheet would run as a formula (one that starts with =, +, -, @, a tab or a CR) in quotes
// with an apostrophe before it, so that the spreadsheet shows it as the text it is.
[[nodiscard]] std::string spreadsheetText(std::string_view text, char separator);
// Fields as one CSV row ended by "\n", each already made a field (csvField, a number).
void appendCsvRow(std::string &text, std::span<const std::string_view> fields, char separator);

// The file of a run: version 2 when it has a prediction or a pupil, else version 1. A run read
// from a version-0 file (formatVersion 0, which has no trial log) is written as version 0, since
// a later version needs its trial log; version 0 has no header to hold a prediction or a pupil.
// The prediction and the name are written as they are: the reader refuses a file whose
// prediction fails isPrediction or whose name fails isPupilName.
[[nodiscard]] std::string writeResults(const RunResults &run);

// A run's table as the window shows it: per outcome its count and ratio, and the number of
// trials.
struct TableTexts
{
    std::array<std::string, kOutcomes> counts{};
    std::array<std::string, kOutcomes> ratios{};
    std::string trials{};
};
// The table of a run as its file records it: no ratios without trials.
[[nodiscard]] TableTexts tableTexts(const RunResults &run);
// The table as its file writes it, under its heading row: ',' between the fields in the file,
// a tab for pasting into a spreadsheet.
[[nodiscard]] std::string writeTable(const TableTexts &table, char separator);

// Reads a results file of any version up to kResultsFormatVersion, also as a spreadsheet
// saves it back: with a byte-order mark, CRLF line ends, quoted fields, blank lines, extra
// columns, or semicolons as separators with decimal commas. A version-2 file with neither a
// prediction nor a pupil gives a run of formatVersion 1, as it would be written. Never throws.
[[nodiscard]] ReadResult readResults(std::string_view bytes);

} // namespace quindle
