#include "classroom/sample_run.h"
#include "shared/csv_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quindle::testing {
namespace {

// Each line through `edit`, line ends kept.
std::string eachLine(const std::string &text, const std::function<std::string(std::string)> &edit)
{
    std::string result;
    for (std::size_t begin = 0, end = 0; begin < text.size(); begin = end + 1) {
        end = text.find('\n', begin);
        result += edit(text.substr(begin, end - begin)) + '\n';
    }
    return result;
}

std::string quoted(const std::string &line)
{
    return line.empty() ? line : '"' + replaced(line, ",", "\",\"") + '"';
}

// "0.250" as a spreadsheet shows it: "0.25"; "1.000": "1".
std::string shortRatio(std::string line)
{
    if (line.find('.') == std::string::npos)
        return line;
    line.erase(line.find_last_not_of('0') + 1);
    if (line.back() == '.')
        line.pop_back();
    return line;
}

TEST(ResultsFile, AWrittenRunReadsBackEqual)
{
    RunResults clockRun = sampleRun(30, 3);
    clockRun.seed.reset();
    clockRun.pace = "one trial";
    const RunResults oddTexts{.saved = " 6 Dec, \"late\" ", .pace = "classroom;\nfast"};
    for (const RunResults &run : {sampleRun(40), clockRun, oddTexts, RunResults{}}) {
        const ReadResult read = readResults(writeResults(run));
        ASSERT_TRUE(read.ok()) << writeResults(run);
        EXPECT_EQ(*read.run(), run) << writeResults(run);
    }
}

TEST(ResultsFile, WhatASpreadsheetWritesBackReadsAsTheOriginal)
{
    const RunResults run = sampleRun(60, 11);
    const std::string text = writeResults(run);
    const std::string variants[] = {
        "\xEF\xBB\xBF" + text,
        replaced(text, "\n", "\r\n"),
        replaced(text, "\n", "\r"),
        replaced(replaced(text, ",", ";"), ".", ","),
        spreadsheetResave(text),
        eachLine(text, quoted),
        "\n \n" + replaced(text, "\n", "\n\n"),
        eachLine(text, [](std::string line) { return line.empty() ? line : line + ",note,"; }),
        eachLine(text, [](std::string line) { return line + ",,,"; }),
        eachLine(text, shortRatio),
    };
    for (const std::string &variant : variants) {
        const ReadResult read = readResults(variant);
        ASSERT_TRUE(read.ok()) << variant;
        EXPECT_EQ(*read.run(), run) << variant;
    }
}

TEST(ResultsFile, AVersionZeroFileReadsAsFarAsItGoes)
{
    const RunResults run = sampleRun(50);
    const std::string text = writeResults(run);
    const std::size_t table = text.find("outcome,count,ratio");
    const std::string old = text.substr(table, text.find("\ntrial,") - table);
    const ReadResult read = readResults(old);
    ASSERT_TRUE(read.ok()) << old;
    const RunResults expected{
        .formatVersion = 0, .counts = run.counts, .trials = run.trials, .history = run.history};
    EXPECT_EQ(*read.run(), expected);
    EXPECT_EQ(writeResults(expected), old) << "written back as it was";
}

TEST(ResultsFile, TheFileOfAFullLengthRunIsReadWithinTheLimits)
{
    // Runs to their end, of 3,700 to 4,000 trials and about 160 KB, and the longest a run can
    // show: every outcome 1000 times, 4000 trials.
    std::vector<RunResults> runs;
    for (const std::uint32_t seed : {1U, 2U, 3U, 4U})
        runs.push_back(fullRun(seed));
    RunResults longest{.saved = "2026-12-06T21:30:05Z", .pace = "classroom"};
    for (int trial = 0; trial < 1000; ++trial) {
        for (const auto &[coin1, coin2] : {std::pair{Face::Head, Face::Head},
                                           {Face::Head, Face::Tail},
                                           {Face::Tail, Face::Head},
                                           {Face::Tail, Face::Tail}})
            addTrial(longest, coin1, coin2);
    }
    runs.push_back(longest);
    for (const RunResults &run : runs) {
        const std::string text = writeResults(run);
        ASSERT_GT(run.trials, 3600);
        const ReadResult read = readResults(text);
        ASSERT_TRUE(read.ok()) << run.trials << " trials in " << text.size() << " bytes";
        EXPECT_EQ(*read.run(), run);
    }
}

TEST(ResultsFile, EachKindOfBadFileGetsItsProblem)
{
    const std::string text = writeResults(sampleRun(40));
    const struct
    {
        std::string bytes;
        Problem problem;
    } cases[] = {
        {"", Problem::Empty},
        {"\xEF\xBB\xBF \r\n\t\n", Problem::Empty},
        {text + std::string(kMaxFileBytes, ' '), Problem::TooLarge},
        {"\x89PNG\r\n\x1A\n", Problem::NotUtf8},
        {"\xFF\xD8\xFF\xE0", Problem::NotUtf8},
        {"Kopf/Zahl,1,0\xE4\n", Problem::Latin1},
        {std::string("o\0u\0t\0c\0o\0m\0e\0", 14), Problem::Utf16},
        {std::string("\0o\0u\0t\0c\0o\0m\0e", 14), Problem::Utf16},
        {std::string("\xFF\xFEo\0u\0t\0", 8), Problem::Utf16},
        {std::string("\xFE\xFF\0o\0u\0t", 8), Problem::Utf16},
        {"\xED\xA0\x80,surrogate\n", Problem::Latin1},
        {"name;mark\nAnna;2\n", Problem::NotResults},
        {replaced(text, "Quindle results,1", "Quindle results,2"), Problem::NewerVersion},
        {text.substr(0, text.size() / 2), Problem::CutShort},
        {withLine(text, kTable, "trials,40,", "trials,41,"), Problem::Inconsistent},
    };
    for (const auto &bad : cases) {
        const ReadResult read = readResults(bad.bytes);
        ASSERT_FALSE(read.ok()) << bad.bytes;
        EXPECT_EQ(read.problem()->problem, bad.problem) << bad.bytes;
    }
}

TEST(ResultsFile, ACutShortFileSaysHowFarItGot)
{
    const std::string text = writeResults(sampleRun(40));
    const auto upTo = [&text](std::string_view line) { return text.substr(0, text.find(line)); };
    const struct
    {
        std::string bytes;
        Section section;
        long long found;
    } cases[] = {
        {upTo("Head/Tail,"), Section::Table, 1},
        {upTo("outcome,count at"), Section::History, 0},
        {upTo("\ntrial,"), Section::TrialLog, 0},
        {upTo("\n8,"), Section::TrialLog, 7},
        {upTo("\n8,") + "\n8,He", Section::TrialLog, 7},
    };
    for (const auto &cut : cases) {
        const ReadResult read = readResults(cut.bytes);
        ASSERT_FALSE(read.ok()) << cut.bytes;
        const ReadProblem expected{.problem = Problem::CutShort,
                                   .section = cut.section,
                                   .line = read.problem()->line,
                                   .found = cut.found,
                                   .expected = cut.section == Section::Table ? 5 : 40};
        EXPECT_EQ(*read.problem(), expected) << cut.bytes;
    }
}

TEST(ResultsFile, AnInconsistentFileNamesTheCheckItFails)
{
    const RunResults run = sampleRun(40);
    const std::string text = writeResults(run);
    const auto count = [&run](std::size_t outcome) {
        return std::to_string(run.counts.at(outcome - 1));
    };
    const std::string otherThird =
        faceOf(run.log[2], 1) == Face::Head ? "3,Tail,Tail,Tail/Tail," : "3,Head,Head,Head/Head,";
    const struct
    {
        std::string bytes;
        Inconsistency check;
    } cases[] = {
        {withLine(text, kTable, "trials,", "trials,41,"), Inconsistency::CountsNotAddingUp},
        {withLine(text, kTable, "Tail/Tail,", "Tail/Tail,1001,"), Inconsistency::CountOutOfRange},
        {withLine(text, kTable, "Head/Tail,", "Head/Tail,-1,"), Inconsistency::CountOutOfRange},
        {withLine(text, kTable, "trials,", "trials,4001,"), Inconsistency::TrialsOutOfRange},
        {withLine(text, kTable, "Head/Head," + count(1) + ",", "Head/Head," + count(1) + ",0.9,"),
         Inconsistency::RatioMismatch},
        {withLine(text, kTable, "Head/Tail,", "Heads,"), Inconsistency::UnreadableRow},
        {withLine(text, kHistory, "Head/Head,1,", "Head/Head,1,101,"), Inconsistency::HistoryValue},
        {withLine(text, kHistory, "Tail/Tail," + count(4) + ",", "Tail/Tail," + count(4) + ",0,"),
         Inconsistency::HistoryFinalValue},
        {withLine(text, kHistory, "Head/Tail,2,", std::nullopt), Inconsistency::HistoryNumbering},
        {withLine(text, kHistory, "Head/Tail," + count(2) + ",", std::nullopt),
         Inconsistency::HistoryLength},
        {withLine(text, kTrialLog, "5,", "6,"), Inconsistency::LogNumbering},
        {withLine(text, kTrialLog, "3,", "3,Head,Head,Tail/Tail,"), Inconsistency::LogOutcome},
        {withLine(text, kTrialLog, "3,", otherThird), Inconsistency::LogTally},
        {text + "41,Head,Head,Head/Head\n", Inconsistency::LogTrials},
    };
    for (const auto &bad : cases) {
        const ReadResult read = readResults(bad.bytes);
        ASSERT_FALSE(read.ok()) << bad.bytes;
        EXPECT_EQ(read.problem()->problem, Problem::Inconsistent) << bad.bytes;
        EXPECT_EQ(read.problem()->inconsistency, bad.check) << bad.bytes;
    }
}

// The 1-based line of the file on which the first line that starts with `start` in `block` is.
int lineOf(const std::string &text, Block block, std::string_view start)
{
    const std::string marked = withLine(text, block, start, "\x01");
    const std::string before = marked.substr(0, marked.find('\x01'));
    return 1 + static_cast<int>(std::ranges::count(before, '\n'));
}

TEST(ResultsFile, AProblemNamesTheLineItIsOnAndWhatWasFound)
{
    const RunResults run = sampleRun(40);
    const std::string text = writeResults(run);
    const int headHead = run.counts[0];
    // The first trial that is not Head/Head, made one: the log then counts one Head/Head more.
    const auto other = std::to_string(std::ranges::find_if(run.log, [](int o) { return o != 1; }) -
                                      run.log.begin() + 1) +
                       ",";
    // Head/Head's history element at count 2: its share after the trial before its third.
    const std::string second = "Head/Head,2,";
    const std::size_t at = text.find("\n" + second) + 1 + second.size();
    const int written = std::stoi(text.substr(at, text.find('\n', at) - at));
    const int edited = written == 0 ? 1 : written - 1;
    const struct
    {
        std::string bytes;
        ReadProblem expected;
    } cases[] = {
        {withLine(text, kTable, "Head/Tail,", "Head/Tail,-1,"),
         {.problem = Problem::Inconsistent,
          .inconsistency = Inconsistency::CountOutOfRange,
          .section = Section::Table,
          .line = lineOf(text, kTable, "Head/Tail,"),
          .outcome = 2,
          .found = -1,
          .expected = kRunLimit}},
        {withLine(text, kTrialLog, other, other + "Head,Head,Head/Head,"),
         {.problem = Problem::Inconsistent,
          .inconsistency = Inconsistency::LogTally,
          .section = Section::TrialLog,
          .line = lineOf(text, kTable, "Head/Head,"),
          .outcome = 1,
          .found = headHead + 1,
          .expected = headHead}},
        {withLine(text, kHistory, second, second + std::to_string(edited) + ","),
         {.problem = Problem::Inconsistent,
          .inconsistency = Inconsistency::HistoryAgainstLog,
          .section = Section::TrialLog,
          .line = lineOf(text, kHistory, second),
          .outcome = 1,
          .found = edited,
          .expected = written}},
        {replaced(text, "Quindle results,1", "Quindle results,2"),
         {.problem = Problem::NewerVersion, .line = 1, .found = 2, .expected = 1}},
        {replaced(text, "Quindle results,1", "Quindle results,123456789012345678901234567890"),
         {.problem = Problem::NewerVersion, .line = 1, .found = 0, .expected = 1}},
    };
    for (const auto &bad : cases) {
        const ReadResult read = readResults(bad.bytes);
        ASSERT_FALSE(read.ok()) << bad.bytes;
        EXPECT_EQ(*read.problem(), bad.expected) << bad.bytes;
    }
}

TEST(CsvText, NamesFromElsewhereReadBackAsTheyAreAndNeverAsFormulas)
{
    const std::vector<std::string> names{
        "Smith, Anna.csv", "Ben; Carl.csv", "say \"hi\".csv",    "two\nlines.csv", "cr\rhere.csv",
        " blank .csv",     "plain.csv",     "=HYPERLINK(1).csv", "+1.csv",         "-x.csv",
        "@a.csv",          "\tlead.csv",    "\rlead.csv"};
    for (const char separator : {',', '\t', ';'}) {
        std::string text;
        for (const std::string &name : names) {
            const std::string field = spreadsheetText(name, separator);
            const std::string_view row[] = {field, "3500", "0.250"};
            appendCsvRow(text, row, separator);
        }
        const CsvRows rows = csvRows(text, separator);
        ASSERT_EQ(rows.size(), names.size()) << text;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const bool formula =
                std::string_view("=+-@\t\r").find(names[i][0]) != std::string::npos;
            EXPECT_EQ(rows[i], (std::vector<std::string>{formula ? "'" + names[i] : names[i],
                                                         "3500", "0.250"}))
                << text;
        }
    }
    EXPECT_EQ(spreadsheetText("=HYPERLINK(1).csv", ','), "\"'=HYPERLINK(1).csv\"");
    // A decimal comma is quoted between commas, and left a number between tabs.
    EXPECT_EQ(csvField("0,143", ','), "\"0,143\"");
    EXPECT_EQ(csvField("0,143", '\t'), "0,143");
}

} // namespace
} // namespace quindle::testing
