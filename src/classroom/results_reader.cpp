#include "classroom/results_file.h"

#include "classroom/results_fields.h"
#include "classroom/results_words.h"
#include "classroom/utf8_text.h"
#include "experiment/outcome.h"

#include <csv.h>

#include <algorithm>
#include <cmath>
#include <new>

namespace quindle {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// No row is read beyond its first four columns (the trial log's); later ones are ignored.
constexpr std::size_t kReadColumns = 4;
// The table: a row per outcome, then the trials row.
constexpr int kTableRows = kOutcomes + 1;
constexpr int kMaxPercent = 100;
// A ratio written with three decimals is off count / trials by at most half a thousandth; the
// small extra keeps an exact half from failing on the binary fraction's last bit.
constexpr double kRatioTolerance = 0.0005 + 1e-9;

// ---- The bytes

bool onlyBlanks(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return isBlank(c) || c == '\r' || c == '\n'; });
}

// The separator is ';' when the first non-blank line has a semicolon before any comma: so a
// spreadsheet saves CSV in languages that write decimal commas.
char separatorOf(std::string_view text)
{
    bool lineHasText = false;
    for (const char c : text) {
        if (c == ',' || c == ';')
            return c;
        if (c == '\r' || c == '\n') {
            if (lineHasText)
                break;
        } else if (!isBlank(c)) {
            lineHasText = true;
        }
    }
    return ',';
}

// Where the line that starts at `begin` ends, after its line end (LF, CRLF or a lone CR).
std::size_t lineEnd(std::string_view text, std::size_t begin)
{
    const std::size_t feed = text.find('\n', begin);
    const std::size_t last = feed == std::string_view::npos ? text.size() : feed;
    // A carriage return before it ends the line there, unless it is the CR of a CRLF.
    const std::size_t cr = text.substr(0, last).find('\r', begin);
    if (cr != std::string_view::npos && cr + 1 < last)
        return cr + 1;
    return feed == std::string_view::npos ? text.size() : feed + 1;
}

// ---- The rows

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

    void addField(std::string_view text, bool lasting);
    void endRow(bool terminated);
    void readRow();
    void readFirstRow();
    void readHeaderRow();
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
    int m_tableRows = 0;
    std::array<std::optional<double>, kOutcomes> m_ratios;
    std::array<int, kOutcomes> m_tableLines{};
    int m_historyOutcome = 1; // the outcome whose history rows come now
    int m_historyElements = 0;
    std::array<std::vector<int>, kOutcomes> m_historyLines; // each element's line
    Tally m_tally;                                          // the log's trials so far
    std::optional<ReadProblem> m_problem;
};

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
    return std::move(m_run);
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

// Frees libcsv's buffer however reading ends.
class CsvParser
{
public:
    CsvParser()
    {
        if (csv_init(&m_parser, 0) != 0)
            throw std::bad_alloc();
    }
    ~CsvParser() { csv_free(&m_parser); }
    CsvParser(const CsvParser &) = delete;
    CsvParser &operator=(const CsvParser &) = delete;

    csv_parser *operator->() { return &m_parser; }
    csv_parser *get() { return &m_parser; }

private:
    csv_parser m_parser{};
};

ReadResult readText(std::string_view text)
{
    CsvParser parser;
    csv_set_delim(parser.get(), static_cast<unsigned char>(separatorOf(text)));
    // libcsv grows its field buffer by a fixed block at a time. A block as large as the text
    // means it never grows twice; the default 128 bytes would have it reallocate a long field
    // thousands of times, copying it each time where the allocator cannot grow it in place.
    csv_set_blk_size(parser.get(), text.size() + 1);
    ResultsReader reader;
    const char separator = separatorOf(text);
    // Line by line, so that the reader knows each row's line and can stop at a problem.
    for (std::size_t begin = 0; begin < text.size() && !reader.failed();) {
        const std::size_t end = lineEnd(text, begin);
        std::string_view line = text.substr(begin, end - begin);
        reader.startLine();
        // libcsv between rows (pstate 0: no row begun, so not inside a quoted field that
        // spans lines), and a whole line without quotes: split here.
        const bool terminated = line.ends_with('\n') || line.ends_with('\r');
        if (parser->pstate == 0 && terminated && line.find('"') == std::string_view::npos) {
            while (line.ends_with('\n') || line.ends_with('\r'))
                line.remove_suffix(1);
            reader.readPlainLine(line, separator);
        } else if (csv_parse(parser.get(), line.data(), line.size(), &ResultsReader::fieldRead,
                             &ResultsReader::rowRead, &reader) != line.size()) {
            throw std::bad_alloc(); // libcsv fails only when it runs out of memory
        }
        begin = end;
    }
    if (!reader.failed())
        csv_fini(parser.get(), &ResultsReader::fieldRead, &ResultsReader::rowRead, &reader);
    return reader.finish();
}

ReadResult readBytes(std::string_view bytes)
{
    std::string_view text = bytes;
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    if (onlyBlanks(text))
        return ReadProblem{.problem = Problem::Empty};
    if (bytes.size() > kMaxFileBytes)
        return ReadProblem{.problem = Problem::TooLarge,
                           .found = static_cast<long long>(bytes.size()),
                           .expected = static_cast<long long>(kMaxFileBytes)};
    if (const std::size_t bad = firstNonTextByte(bytes); bad != std::string_view::npos) {
        switch (encodingOf(bytes)) {
        case Encoding::Utf16:
            return ReadProblem{.problem = Problem::Utf16};
        case Encoding::OneByte:
            return ReadProblem{.problem = Problem::OneByte, .found = static_cast<long long>(bad)};
        case Encoding::Utf8:
        case Encoding::Binary:
            break;
        }
        return ReadProblem{.problem = Problem::Binary, .found = static_cast<long long>(bad)};
    }
    return readText(text);
}

} // namespace

ReadResult readResults(std::string_view bytes)
{
    try {
        return readBytes(bytes);
    } catch (const std::bad_alloc &) {
        return ReadProblem{.problem = Problem::OutOfMemory,
                           .found = static_cast<long long>(bytes.size())};
    } catch (...) {
        return ReadProblem{.problem = Problem::NotResults};
    }
}

} // namespace quindle
