// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/results_words.h"
#include "classroom/sample_run.h"
#include "shared/csv_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <sstream>
#include <tuple>
#include <vector>

namespace quindle::testing {
namespace {

// Each line through `edit`.
std::string eachLine(const std::string &text, const std::function<std::string(std::string)> &edit)
{
    std::string result, line;
    for (std::istringstream lines(text); std::getline(lines, line);)
        result += edit(line) + '\n';
    return result;
}

TEST(ResultsFile, AWrittenRunReadsBackEqual)
{
    RunResults clockRun = sampleRun(30, 3);
    clockRun.seed.reset();
    clockRun.pace = "one trial";
    const RunResults oddTexts{.saved = " 6 Dec, \"late\" ", .pace = "classroom;\nfast"};
    // A run to its end, of over 3,600 trials and about 160 KB, and the longest a run can show:
    // every outcome 1000 times, 4000 trials.
    RunResults longest{.saved = "2026-12-06T21:30:05Z", .pace = "classroom"};
    for (int trial = 0; trial < kMaxShownTrials; ++trial)
        addTrial(longest, static_cast<Face>(trial / 2 % 2), static_cast<Face>(trial % 2));
    for (const RunResults &run :
         {sampleRun(40), clockRun, oddTexts, RunResults{}, longest, sampleRun(4001, 1)}) {
        const ReadResult read = readResults(writeResults(run));
        ASSERT_TRUE(read.ok()) << run.trials << " trials: " << writeResults(run).substr(0, 999);
        EXPECT_EQ(*read.run(), run);
    }
    EXPECT_GT(sampleRun(4001, 1).trials, 3600);
}

// Files of version 1 and 2: a run, and the same with a prediction and a pupil.
class WhatASpreadsheetWritesBack : public ::testing::TestWithParam<int>
{};

TEST_P(WhatASpreadsheetWritesBack, ReadsAsTheOriginal)
{
    const RunResults run =
        GetParam() == 1 ? sampleRun(60, 11) : predictedBy(sampleRun(60, 11), "Zoë Brandt");
    const std::string text = writeResults(run);
    const auto quoted = [](std::string line) {
        return line.empty() ? line : '"' + replaced(line, ",", "\",\"") + '"';
    };
    const auto shortRatio = [](std::string line) { // "0.250" as a spreadsheet shows it: "0.25"
        if (line.find('.') != std::string::npos)
            line.erase(line.find_last_not_of('0') + 1);
        if (line.ends_with('.')) // "1.000": "1"
            line.pop_back();
        return line;
    };
    const std::string variants[] = {
        replaced(text, "\n", "\r\n"),
        replaced(text, "\n", "\r"),
        spreadsheetResave(text),
        eachLine(text, quoted),
        "\n \n" + replaced(text, "\n", "\n\n"),
        eachLine(text, [](std::string line) { return line.empty() ? line : line + ",note,"; }),
        eachLine(text, shortRatio),
    };
    for (const std::string &variant : variants) {
        const ReadResult read = readResults(variant);
        ASSERT_TRUE(read.ok()) << variant;
        EXPECT_EQ(*read.run(), run) << variant;
    }
}

INSTANTIATE_TEST_SUITE_P(ResultsFile, WhatASpreadsheetWritesBack, ::testing::Values(1, 2),
                         [](const auto &tested) {
                             return "Version" + std::to_string(tested.param);
                         });

TEST(ResultsFile, ARunWithoutPredictionOrPupilIsWrittenAsVersionOneByteForByte)
{
    std::ifstream in(QUINDLE_FUZZ_CORPUS "/version-1-run.csv", std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(in), {}};
    ASSERT_TRUE(saved.starts_with("Quindle results,1\n")) << saved;
    const ReadResult read = readResults(saved);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(writeResults(*read.run()), saved);
}

struct PupilCase
{
    std::string name;
    std::string pupil;
    std::optional<std::array<int, kOutcomes>> prediction;
};

void PrintTo(const PupilCase &tested, std::ostream *out)
{
    *out << tested.name;
}

std::string repeated(std::string_view text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

class WithAPupil : public ::testing::TestWithParam<PupilCase>
{};

TEST_P(WithAPupil, IsWrittenAsVersionTwoAndReadsBackByteIdentical)
{
    const RunResults run = predictedBy(sampleRun(40), GetParam().pupil, GetParam().prediction);
    const std::string text = writeResults(run);
    EXPECT_TRUE(text.starts_with("Quindle results,2\n")) << text;
    const ReadResult read = readResults(text);
    ASSERT_TRUE(read.ok()) << text;
    EXPECT_EQ(read.run()->pupil, GetParam().pupil);
    EXPECT_EQ(read.run()->prediction, GetParam().prediction);
    EXPECT_EQ(*read.run(), run);
}

INSTANTIATE_TEST_SUITE_P(
    ResultsFile, WithAPupil,
    ::testing::Values(PupilCase{"CommaAndQuotes", "Smith, \"Nan\" Anna", {{33, 17, 17, 33}}},
                      PupilCase{"Markup", "<b>Ben</b> & co", {{25, 25, 25, 25}}},
                      PupilCase{"NonLatinScriptsWithoutPrediction", "李小龍 Ольга سارا",
                                std::nullopt},
                      PupilCase{"LineSeparator", "Zoë\u2028Brandt", {{0, 50, 50, 0}}},
                      PupilCase{"SemicolonAndBlanksAtItsEnds", " Ann; Lee ", {{10, 20, 30, 40}}},
                      PupilCase{"SixtyTwoByteCodePoints", repeated("ë", 60), {{100, 0, 0, 0}}},
                      PupilCase{"SixtyFourByteCodePoints", repeated("𝄞", 60), {{0, 0, 0, 100}}},
                      PupilCase{"PredictionWithoutPupil", "", {{1, 2, 3, 94}}}),
    [](const auto &tested) { return tested.param.name; });

// A version-2 file whose prediction or pupil row is not what its place needs: each the row's
// line. The header's lines: the version, saved, seed, pace, prediction, pupil.
struct BadPupilRow
{
    std::string name;
    std::string bytes;
    int line = 0;
};

std::vector<BadPupilRow> badPupilRows()
{
    const std::string text = writeResults(predictedBy(sampleRun(40), "Zoë"));
    const std::string prediction = "prediction,33,17,17,33\n", pupil = "pupil,Zoë\n";
    const auto predicting = [&](std::string_view row) { return replaced(text, prediction, row); };
    const auto named = [&](std::string_view row) { return replaced(text, pupil, row); };
    const std::string version1 = replaced(text, "Quindle results,2", "Quindle results,1");
    return {
        {"AddingUpTo101", predicting("prediction,33,17,17,34\n"), 5},
        {"OutOfRange", predicting("prediction,101,-1,0,0\n"), 5},
        {"ThreeShares", predicting("prediction,50,50,0\n"), 5},
        {"NotWhole", predicting("prediction,25.0,25,25,25\n"), 5},
        {"TwoPredictions", predicting(prediction + prediction), 6},
        {"NameOf61CodePoints", named("pupil," + repeated("ë", 61) + "\n"), 6},
        {"EmptyName", named("pupil,\n"), 6},
        {"BlankName", named("pupil,\"\u3000\u00A0 \"\n"), 6},
        {"NameWithC0", named("pupil,Ann\x01Lee\n"), 6},
        {"NameWithTab", named("pupil,\"Ann\tLee\"\n"), 6},
        {"NameWithC1", named("pupil,Ann\u0085Lee\n"), 6},
        {"NameWithLineFeed", writeResults(predictedBy(sampleRun(40), "Ann\nLee")), 6},
        {"TwoPupils", named(pupil + pupil), 7},
        {"PupilBeforePrediction", replaced(text, prediction + pupil, pupil + prediction), 6},
        {"PaceAfterPupil", named(pupil + "pace,classroom\n"), 7},
        {"PredictionInVersion1", version1, 5},
        {"PupilInVersion1", replaced(version1, prediction, ""), 5},
    };
}

void PrintTo(const BadPupilRow &tested, std::ostream *out)
{
    *out << tested.name;
}

class ABadPupilRow : public ::testing::TestWithParam<BadPupilRow>
{};

TEST_P(ABadPupilRow, MakesTheFileInconsistentAtItsLine)
{
    const ReadResult read = readResults(GetParam().bytes);
    ASSERT_FALSE(read.ok()) << GetParam().bytes;
    EXPECT_EQ(*read.problem(), (ReadProblem{.problem = Problem::Inconsistent,
                                            .inconsistency = Inconsistency::UnreadableRow,
                                            .section = Section::Header,
                                            .line = GetParam().line}))
        << GetParam().bytes;
}

INSTANTIATE_TEST_SUITE_P(ResultsFile, ABadPupilRow, ::testing::ValuesIn(badPupilRows()),
                         [](const auto &tested) { return tested.param.name; });

// The 1-based line of the file on which the first line that starts with `start` in `block` is.
int lineOf(const std::string &text, Block block, std::string_view start)
{
    const std::string marked = withLine(text, block, start, "\x01");
    return 1 + static_cast<int>(std::ranges::count(marked.substr(0, marked.find('\x01')), '\n'));
}

// Files that a check of the reader refuses, each with the problem and the check it fails.
std::vector<std::tuple<std::string, Problem, Inconsistency>> badFiles(const RunResults &run,
                                                                      const std::string &text)
{
    using enum Problem;
    using enum Inconsistency;
    const auto count = [&run](std::size_t n) { return std::to_string(run.counts.at(n - 1)); };
    return {
        {"\xEF\xBB\xBF \r\n\t\n", Empty, None},
        {text + std::string(kMaxFileBytes, ' '), TooLarge, None},
        {"\x89PNG\r\n\x1A\n", Binary, None},
        {std::string("o\0u\0t\0c\0o\0m\0e\0", 14), Utf16, None},
        {"\xED\xA0\x80,surrogate\n", OneByte, None},
        {"name;mark\nAnna;2\n", NotResults, None},
        {withLine(text, kTable, "Tail/Tail,", "Tail/Tail,1001,"), Inconsistent, CountOutOfRange},
        {withLine(text, kTable, "trials,", "trials,4001,"), Inconsistent, TrialsOutOfRange},
        {withLine(text, kTable, "Head/Head," + count(1) + ",", "Head/Head," + count(1) + ",,"),
         Inconsistent, RatioMismatch},
        {withLine(text, kTable, "Head/Tail,", "Heads,"), Inconsistent, UnreadableRow},
        {withLine(text, kHeader, "seed,", "seed,x"), Inconsistent, UnreadableRow},
        {withLine(text, kHeader, "seed,", "seed,-"), Inconsistent, UnreadableRow},
        {withLine(text, kHistory, "Head/Head,1,", "Head/Head,1,101,"), Inconsistent, HistoryValue},
        {withLine(text, kHistory, "Tail/Tail," + count(4) + ",", "Tail/Tail," + count(4) + ",0,"),
         Inconsistent, HistoryFinalValue},
        {withLine(text, kHistory, "Head/Tail,2,", std::nullopt), Inconsistent, HistoryNumbering},
        {withLine(text, kHistory, "Head/Tail," + count(2) + ",", std::nullopt), Inconsistent,
         HistoryLength},
        {withLine(text, kTrialLog, "5,", "6,"), Inconsistent, LogNumbering},
        {withLine(text, kTrialLog, "3,", "3,Head,Head,Tail/Tail,"), Inconsistent, LogOutcome},
        {text + "41,Head,Head,Head/Head\n", Inconsistent, LogTrials},
    };
}

TEST(ResultsFile, ABadFileGetsItsProblemAndTheCheckItFails)
{
    const RunResults run = sampleRun(40);
    for (const auto &[bytes, problem, check] : badFiles(run, writeResults(run))) {
        const ReadResult read = readResults(bytes);
        ASSERT_FALSE(read.ok()) << bytes;
        EXPECT_EQ(std::pair(read.problem()->problem, read.problem()->inconsistency),
                  std::pair(problem, check))
            << bytes;
    }
}

// Bad files made from run, each with where its problem lies and what was found there.
std::vector<std::pair<std::string, ReadProblem>> badFilesAndWhere(const RunResults &run)
{
    using enum Problem;
    using enum Inconsistency;
    using enum Section;
    const std::string text = writeResults(run);
    // The first trial that is not Head/Head, made one: the log then counts one Head/Head more.
    const auto other = std::to_string(std::ranges::find_if(run.log, [](int o) { return o != 1; }) -
                                      run.log.begin() + 1) +
                       ",";
    // Head/Head's history element at count 2: its share after the trial before its third.
    const std::string second = "Head/Head,2,";
    const int written = run.history[0][1];
    const int edited = written == 0 ? 1 : written - 1;
    const auto upTo = [&text](std::string_view line) { return text.substr(0, text.find(line)); };
    const auto lines = [](const std::string &bytes) {
        return static_cast<int>(std::ranges::count(bytes, '\n')) + (bytes.ends_with('\n') ? 0 : 1);
    };
    const std::string cut = upTo("\n8,") + "\n8,He";
    // Each: problem, check, section, line, outcome, found, expected.
    std::vector<std::pair<std::string, ReadProblem>> where = {
        {withLine(text, kTable, "Head/Tail,", "Head/Tail,-1,"),
         {Inconsistent, CountOutOfRange, Table, lineOf(text, kTable, "Head/Tail,"), 2, -1,
          kRunLimit}},
        {withLine(text, kTrialLog, other, other + "Head,Head,Head/Head,"),
         {Inconsistent, LogTally, TrialLog, lineOf(text, kTable, "Head/Head,"), 1,
          run.counts[0] + 1, run.counts[0]}},
        {withLine(text, kHistory, second, second + std::to_string(edited) + ","),
         {Inconsistent, HistoryAgainstLog, TrialLog, lineOf(text, kHistory, second), 1, edited,
          written}},
        {replaced(text, "Quindle results,1", "Quindle results,3"),
         {NewerVersion, None, Header, 1, 0, 3, kResultsFormatVersion}},
        // Cut short: how far it got of what its section needs.
        {upTo("Head/Tail,"), {CutShort, None, Table, lines(upTo("Head/Tail,")), 0, 1, 5}},
        {upTo("outcome,count at"),
         {CutShort, None, History, lines(upTo("outcome,count at")), 0, 0, 40}},
        {cut, {CutShort, None, TrialLog, lines(cut), 0, 7, 40}},
    };
    // Each outcome's first history element too, which no element before it checks.
    for (int n = 1; n <= kOutcomes; ++n) {
        const std::string first = std::string(outcomeFileWord(n)) + ",1,";
        const int was = run.history[outcomeIndex(n)][0];
        const int wrong = was == 0 ? 1 : was - 1;
        where.push_back({withLine(text, kHistory, first, first + std::to_string(wrong) + ","),
                         {Inconsistent, HistoryAgainstLog, TrialLog, lineOf(text, kHistory, first),
                          n, wrong, was}});
    }
    return where;
}

TEST(ResultsFile, ABadFileSaysWhereItsProblemLiesAndWhatWasFoundThere)
{
    const RunResults run = sampleRun(40);
    for (const auto &[bytes, expected] : badFilesAndWhere(run)) {
        const ReadResult read = readResults(bytes);
        ASSERT_FALSE(read.ok()) << bytes;
        EXPECT_EQ(*read.problem(), expected) << bytes;
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
        CsvRows expected;
        for (const std::string &name : names) {
            const std::string field = spreadsheetText(name, separator);
            const std::string_view row[] = {field, "3500", "0.250"};
            appendCsvRow(text, row, separator);
            const bool formula = std::string_view("=+-@\t\r").find(name[0]) != std::string::npos;
            expected.push_back({formula ? "'" + name : name, "3500", "0.250"});
        }
        EXPECT_EQ(csvRows(text, separator), expected) << text;
    }
    EXPECT_EQ(spreadsheetText("=HYPERLINK(1).csv", ','), "\"'=HYPERLINK(1).csv\"");
    // A decimal comma is quoted between commas, and left a number between tabs.
    EXPECT_EQ(csvField("0,143", ','), "\"0,143\"");
    EXPECT_EQ(csvField("0,143", '\t'), "0,143");
}

} // namespace
} // namespace quindle::testing
