#include "classroom/class_pool.h"
#include "classroom/sample_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quindle::testing {
namespace {

RunFile fileOf(std::string name, const RunResults &run)
{
    return {std::move(name), readResults(writeResults(run))};
}

// The run as the program saved it before: no header, no trial log.
RunResults versionZero(const RunResults &run)
{
    return {.formatVersion = 0, .counts = run.counts, .trials = run.trials, .history = run.history};
}

std::vector<std::string> pooledNames(const ClassPool &pool)
{
    std::vector<std::string> names;
    for (const PooledRun &pooled : pool.runs)
        names.push_back(pooled.name);
    return names;
}

TEST(ClassPool, TotalsAndRatiosAddUpEveryPooledRun)
{
    const RunResults runs[] = {sampleRun(40, 1), sampleRun(25, 2), versionZero(sampleRun(30, 3))};
    std::vector<RunFile> files;
    std::array<long long, kOutcomes> counts{};
    for (const RunResults &run : runs) {
        files.push_back(fileOf("run" + std::to_string(files.size()), run));
        for (std::size_t n = 0; n < kOutcomes; ++n)
            counts[n] += run.counts[n];
    }
    const ClassPool pool = poolRuns(std::move(files));
    EXPECT_EQ(pool.trials, 95);
    EXPECT_EQ(pool.counts, counts);
    for (std::size_t n = 0; n < kOutcomes; ++n)
        EXPECT_DOUBLE_EQ(pool.ratios[n], static_cast<double>(counts[n]) / 95.0);
}

TEST(ClassPool, RunsComeInTheOrderTheyWereSavedThenAsGivenAndOldFilesLast)
{
    std::vector<RunFile> files;
    files.push_back(fileOf("z-old.csv", versionZero(sampleRun(10, 1))));
    files.push_back(fileOf("a.csv", sampleRun(10, 2, "2026-12-06T11:00:00Z")));
    files.push_back(fileOf("c.csv", sampleRun(10, 3, "2026-12-06T10:00:00Z")));
    files.push_back(fileOf("b.csv", sampleRun(10, 4, "2026-12-06T10:00:00Z")));
    files.push_back(fileOf("y-old.csv", versionZero(sampleRun(10, 5))));
    const std::vector<std::string> order{"c.csv", "b.csv", "a.csv", "z-old.csv", "y-old.csv"};
    EXPECT_EQ(pooledNames(poolRuns(std::move(files))), order);
}

TEST(ClassPool, ACopyReSavedByASpreadsheetIsPooledOnceAndNamesTheOneGivenFirst)
{
    const std::string text = writeResults(sampleRun(40));
    std::vector<RunFile> files;
    files.push_back({"anna.csv", readResults(text)});
    files.push_back({"a copy of anna.csv", readResults(spreadsheetResave(text))});
    files.push_back(fileOf("ben.csv", sampleRun(40, 8)));
    const ClassPool pool = poolRuns(std::move(files));
    EXPECT_EQ(pooledNames(pool), (std::vector<std::string>{"anna.csv", "ben.csv"}));
    EXPECT_EQ(pool.trials, 80);
    ASSERT_EQ(pool.unpooled.size(), 1U);
    EXPECT_EQ(pool.unpooled[0].name, "a copy of anna.csv");
    EXPECT_EQ(pool.unpooled[0].problem.problem, Problem::Duplicate);
    EXPECT_EQ(pool.unpooled[0].duplicateOf, "anna.csv");
}

TEST(ClassPool, FilesWithAProblemAreListedByNameAndNotPooled)
{
    std::vector<RunFile> files;
    files.push_back({"photo.jpg", readResults("\xFF\xD8\xFF\xE0")});
    files.push_back(fileOf("anna.csv", sampleRun(20)));
    files.push_back({"empty.csv", readResults("")});
    const ClassPool pool = poolRuns(std::move(files));
    EXPECT_EQ(pooledNames(pool), std::vector<std::string>{"anna.csv"});
    ASSERT_EQ(pool.unpooled.size(), 2U);
    EXPECT_EQ(pool.unpooled[0].name, "empty.csv");
    EXPECT_EQ(pool.unpooled[0].problem.problem, Problem::Empty);
    EXPECT_EQ(pool.unpooled[1].name, "photo.jpg");
    EXPECT_EQ(pool.unpooled[1].problem.problem, Problem::NotUtf8);
}

TEST(ClassCurve, SharesFollowTheTrialsInPoolOrderAndAnOldRunStepsAtItsEnd)
{
    const RunResults first = sampleRun(30, 1, "1");
    const RunResults second = sampleRun(20, 2, "2");
    std::vector<RunFile> files;
    files.push_back(fileOf("old.csv", versionZero(sampleRun(25, 3))));
    files.push_back(fileOf("second.csv", second));
    files.push_back(fileOf("first.csv", first));
    const ClassPool pool = poolRuns(std::move(files));
    // The shares after each trial of the two logs, one after the other.
    std::vector<Shares> byTrial;
    std::array<long long, kOutcomes> counts{};
    for (const RunResults *run : {&first, &second}) {
        for (const auto &[coin1, coin2] : run->log) {
            ++counts[static_cast<std::size_t>(outcomeOf(coin1, coin2) - 1)];
            Shares &shares = byTrial.emplace_back();
            for (std::size_t n = 0; n < kOutcomes; ++n)
                shares[n] = static_cast<double>(counts[n]) / static_cast<double>(byTrial.size());
        }
    }
    const std::vector<long long> positions{1, 2, 30, 31, 50, 51, 74, 75, 1000};
    const std::vector<Shares> curve = classCurve(pool, positions);
    ASSERT_EQ(curve.size(), positions.size());
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(curve[i], byTrial.at(static_cast<std::size_t>(positions[i] - 1))) << i;
    EXPECT_EQ(curve[5], byTrial.back()) << "inside the old run";
    EXPECT_EQ(curve[6], byTrial.back()) << "inside the old run";
    EXPECT_EQ(curve[7], pool.ratios);
    EXPECT_EQ(curve[8], pool.ratios) << "beyond the last trial";
}

TEST(ClassCurve, HasNoSharesBeforeTheFirstTrialIsCounted)
{
    std::vector<RunFile> files;
    files.push_back(fileOf("old.csv", versionZero(sampleRun(10))));
    const ClassPool pool = poolRuns(std::move(files));
    const std::vector<long long> positions{1, 9, 10};
    const std::vector<Shares> curve = classCurve(pool, positions);
    ASSERT_EQ(curve.size(), 3U);
    EXPECT_TRUE(std::ranges::all_of(curve[0], [](double s) { return std::isnan(s); }));
    EXPECT_TRUE(std::ranges::all_of(curve[1], [](double s) { return std::isnan(s); }));
    EXPECT_EQ(curve[2], pool.ratios);
}

} // namespace
} // namespace quindle::testing
