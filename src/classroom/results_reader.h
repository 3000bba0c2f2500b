// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Inside the results reader: a file's rows as libcsv and the reader's own line splitter hand
// them over, and the reader that takes them one at a time through the sections of the format,
// checks what each section says against what came before, and stops at the first problem.
// readResults (results_file.h) is the one way in; nothing else includes this.

#include "classroom/results_file.h"
#include "experiment/outcome.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quindle::results_reading {

// No row is read beyond its first five columns (the prediction's); later ones are ignored.
inline constexpr std::size_t kReadColumns = 1 + kOutcomes;
// The first version whose header may have a prediction and a pupil row.
inline constexpr int kPupilVersion = 2;
// The table: a row per outcome, then the trials row.
inline constexpr int kTableRows = kOutcomes + 1;
inline constexpr int kMaxPercent = 100;
// A ratio written with three decimals is off count / trials by at most half a thousandth; the
// small extra keeps an exact half from failing on the binary fraction's last bit.
inline constexpr double kRatioTolerance = 0.0005 + 1e-9;

// Whether the text holds nothing but blanks and line ends.
[[nodiscard]] bool onlyBlanks(std::string_view text);
// The separator is ';' when the first non-blank line has a semicolon before any comma: so a
// spreadsheet saves CSV in languages that write decimal commas.
[[nodiscard]] char separatorOf(std::string_view text);
// Where the line that starts at `begin` ends, after its line end (LF, CRLF or a lone CR).
[[nodiscard]] std::size_t lineEnd(std::string_view text, std::size_t begin);

// The first columns of one row. A field that lies in the file's text as it is is kept where it
// lies; one that libcsv unquoted into a buffer of its own is copied into storage reused from row
// to row, so that reading allocates nothing once the longest field has been seen.
class Row
{
public:
    // `lasting`: the text stays where it is until the row has been read.
    void add(std::string_view text, bool lasting)
    {
        if (m_size < kReadColumns) {
            if (lasting) {
                m_fields[m_size] = text;
            } else {
                m_storage[m_size].assign(text);
                m_fields[m_size] = m_storage[m_size];
            }
        }
        ++m_size;
        m_blank = m_blank && text.empty();
    }
    void clear()
    {
        m_size = 0;
        m_blank = true;
    }
    [[nodiscard]] bool empty() const { return m_size == 0; }
    // Spreadsheets write a row of empty fields for a blank line.
    [[nodiscard]] bool blank() const { return m_blank; }
    // The field's text, empty beyond the row's end.
    [[nodiscard]] std::string_view operator[](std::size_t column) const
    {
        return column < std::min(m_size, kReadColumns) ? m_fields[column] : std::string_view();
    }
    template<std::size_t N>
    [[nodiscard]] bool is(const std::array<std::string_view, N> &heading) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            if ((*this)[i] != heading[i])
                return false;
        }
        return true;
    }

private:
    std::array<std::string_view, kReadColumns> m_fields;
    std::array<std::string, kReadColumns> m_storage;
    std::size_t m_size = 0;
    bool m_blank = true;
};

// Reads the rows libcsv hands over, one at a time, into a run, and stops at the first problem.
class ResultsReader
{
public:
    ResultsReader() { m_run.formatVersion = 0; }

    // libcsv's callbacks: a field, and the end of a row (terminator -1 when the text ended
    // without a line end).
    static void fieldRead(void *text, std::size_t length, void *reader) noexcept
    {
        static_cast<ResultsReader *>(reader)->addField(
            std::string_view(static_cast<const char *>(text), length), false);
    }
    static void rowRead(int terminator, void *reader) noexcept
    {
        static_cast<ResultsReader *>(reader)->endRow(terminator >= 0);
    }

    void startLine() { ++m_line; }
    // A whole line without quotes, split where libcsv would split it, without its help: nearly
    // every line of a file is one, and this is several times faster.
    void readPlainLine(std::string_view line, char separator);
    [[nodiscard]] bool failed() const { return m_problem.has_value(); }
    void failFile(Problem problem) { m_problem = ReadProblem{.problem = problem}; }

    // What the file holds, once every row has been read.
    [[nodiscard]] ReadResult finish();

private:
    enum class Stage { First, Header, Table, HistoryHeading, History, TrialLog };
    // The header's rows of version 2, in the order they come.
    enum class PupilRow { None, Prediction, Pupil };

    void addField(std::string_view text, bool lasting);
    void endRow(bool terminated);
    void readRow();
    void readFirstRow();
    void readHeaderRow();
    void readPupilRow();
    void readTableRow();
    void readHistoryRow();
    void readTrialRow();
    bool checkTable();
    bool closeHistoriesBefore(int outcome);
    bool checkLogAgainstTable();
    bool checkHistoryAgainstLog();

    void fail(Problem problem, long long found = 0, long long expected = 0);
    void fail(Inconsistency which, int outcome = 0, long long found = 0, long long expected = 0);
    [[nodiscard]] Section section() const;
    // How far the current section got: what it has and what it needs.
    [[nodiscard]] std::pair<long long, long long> progress() const;
    [[nodiscard]] ReadProblem cutShort() const;

    Row m_row;
    int m_line = 0;
    int m_rowLine = 0;
    Stage m_stage = Stage::First;
    RunResults m_run;
    PupilRow m_pupilRow = PupilRow::None; // the last read
    int m_tableRows = 0;
    std::array<std::optional<double>, kOutcomes> m_ratios;
    std::array<int, kOutcomes> m_tableLines{};
    int m_historyOutcome = 1; // the outcome whose history rows come now
    int m_historyElements = 0;
    std::array<std::vector<int>, kOutcomes> m_historyLines; // each element's line
    Tally m_tally;                                          // the log's trials so far
    std::optional<ReadProblem> m_problem;
};

} // namespace quindle::results_reading
