// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/class_pool.h"
#include "classroom/sample_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ranges>

namespace quindle::testing {
namespace {

RunFile fileOf(std::string name, std::string_view bytes)
{
    return {std::move(name), std::make_shared<const ReadResult>(readResults(bytes))};
}

RunFile fileOf(std::string name, const RunResults &run)
{
    return fileOf(std::move(name), writeResults(run));
}

// The run as the program saved it before: no header, no trial log.
RunResults versionZero(const RunResults &run)
{
    return {.formatVersion = 0, .counts = run.counts, .trials = run.trials, .history = run.history};
}

// An old file's run of these counts, read.
std::shared_ptr<const ReadResult> run(std::array<int, kOutcomes> counts)
{
    return std::make_shared<const ReadResult>(RunResults{
        .formatVersion = 0, .counts = counts, .trials = std::reduce(counts.begin(), counts.end())});
}

std::vector<std::string> pooledNames(const ClassPool &pool)
{
    const auto names = pool.runs | std::views::transform(&PooledRun::name);
    return {names.begin(), names.end()};
}

TEST(ClassPool, AddsUpRunsInTheOrderSavedThenAsGivenOldFilesLast)
{
    const ClassPool pool = poolRuns({fileOf("z-old.csv", versionZero(sampleRun(10, 1))),
                                     fileOf("a.csv", sampleRun(20, 2, "2026-12-06T11:00:00Z")),
                                     fileOf("c.csv", sampleRun(30, 3, "2026-12-06T10:00:00Z")),
                                     fileOf("b.csv", sampleRun(40, 4, "2026-12-06T10:00:00Z")),
                                     fileOf("y-old.csv", versionZero(sampleRun(50, 5)))});
    EXPECT_EQ(pooledNames(pool),
              (std::vector<std::string>{"c.csv", "b.csv", "a.csv", "z-old.csv", "y-old.csv"}));
    std::array<long long, kOutcomes> counts{};
    for (const PooledRun &pooled : pool.runs)
        for (std::size_t n = 0; n < kOutcomes; ++n)
            counts[n] += pooled.run->counts[n];
    EXPECT_EQ(pool.trials, 150);
    EXPECT_EQ(pool.counts, counts);
    for (std::size_t n = 0; n < kOutcomes; ++n)
        EXPECT_DOUBLE_EQ(pool.ratios[n], static_cast<double>(counts[n]) / 150.0);
}

// A run is known by what it is; copies are listed by name, in name order, and not pooled.
TEST(ClassPool, CopiesAndFilesWithAProblemAreListedByNameAndNotPooled)
{
    const RunResults run = sampleRun(40, 5, "2026-12-07T09:00:00Z");
    RunResults otherPace = run, otherSeed = run;
    otherPace.pace = "classroom"; // the same seed's draws, made at another pace
    otherSeed.seed = 6;           // the same draws by chance, from another seed
    const ClassPool pool = poolRuns({
        fileOf("first.csv", run),
        fileOf("pace.csv", otherPace),
        fileOf("seed.csv", otherSeed),
        fileOf("a copy of first.csv", spreadsheetResave(writeResults(run))),
        fileOf("first with a name.csv", predictedBy(run, "Anna")),
        // Old files without a trial log: their table and history say which run each is.
        fileOf("old.csv", versionZero(sampleRun(30, 9))),
        fileOf("old copy.csv", versionZero(sampleRun(30, 9))),
    });
    EXPECT_EQ(pooledNames(pool),
              (std::vector<std::string>{"first.csv", "pace.csv", "seed.csv", "old.csv"}));
    EXPECT_EQ(pool.trials, 150);
    std::vector<std::tuple<std::string, Problem, std::string>> unpooled;
    for (const UnpooledFile &file : pool.unpooled)
        unpooled.emplace_back(file.name, file.problem.problem, file.duplicateOf);
    EXPECT_EQ(unpooled,
              (decltype(unpooled){{"a copy of first.csv", Problem::Duplicate, "first.csv"},
                                  {"first with a name.csv", Problem::Duplicate, "first.csv"},
                                  {"old copy.csv", Problem::Duplicate, "old.csv"}}));
}

TEST(ClassPool, JudgesEachRunsRatiosByItsOwnNumberOfTrialsAndARunWithoutTrialsNotAtAll)
{
    // At 16 trials 0.375 and 0.125 lie inside 0.25 ± 0.217, not inside the class's 1,716 trials'
    // 0.25 ± 0.021; at 100 trials 0.40 lies outside 0.25 ± 0.087, 0.20 inside.
    const RatiosInRange counted = ratiosInRange(poolRuns({{"short.csv", run({6, 2, 4, 4})},
                                                          {"long.csv", run({400, 400, 400, 400})},
                                                          {"one out.csv", run({40, 20, 20, 20})},
                                                          {"none.csv", run({0, 0, 0, 0})}}));
    EXPECT_EQ(counted.ratios, 12);
    EXPECT_EQ(counted.inside, 11);
}

TEST(ClassPool, JudgesEachRunsShareOfOneHeadBothMixedOutcomesByItsOwnTrials)
{
    // At 100 trials 0.58 lies inside 0.5 ± 0.1 (Head/Tail's 0.29 alone would not), 0.70
    // outside; at 16 trials 0.6875 inside 0.5 ± 0.25, not inside the class's 216 trials' range.
    const OneHeadSharesInRange counted =
        oneHeadSharesInRange(poolRuns({{"inside.csv", run({20, 29, 29, 22})},
                                       {"outside.csv", run({10, 35, 35, 20})},
                                       {"short.csv", run({3, 5, 6, 2})},
                                       {"none.csv", run({0, 0, 0, 0})}}));
    EXPECT_EQ(counted.runs, 3);
    EXPECT_EQ(counted.inside, 2);
}

TEST(ClassCurve, SharesAndGapsFollowTheTrialsInPoolOrderAndAnOldRunStepsAtItsEnd)
{
    const RunResults first = sampleRun(30, 1, "1"), second = sampleRun(21, 2, "2");
    const ClassPool pool = poolRuns({fileOf("old.csv", versionZero(sampleRun(25, 3))),
                                     fileOf("second.csv", second), fileOf("first.csv", first)});
    // The counts after each trial of the two logs, one after the other: 51 trials.
    std::vector<std::array<long long, kOutcomes>> byTrial(1);
    for (const RunResults *each : {&first, &second})
        for (const int outcome : each->log) {
            byTrial.push_back(byTrial.back());
            ++byTrial.back()[static_cast<std::size_t>(outcome - 1)];
        }
    const std::vector<long long> positions{1, 2, 30, 31, 51, 52, 75, 76, 1000};
    const std::vector<Shares> curve = classCurve(pool, positions);
    const std::vector<Gaps> gaps = classGapCurve(pool, positions);
    ASSERT_TRUE(curve.size() == positions.size() && gaps.size() == positions.size());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        // Inside the old run, the counts from before it; from its end on, the pool's.
        const auto trials = std::min(positions[i], positions[i] < 76 ? 51LL : 76LL);
        const auto &counts =
            trials == 76 ? pool.counts : byTrial.at(static_cast<std::size_t>(trials));
        for (std::size_t n = 0; n < kOutcomes; ++n) {
            const auto count = static_cast<double>(counts[n]), k = static_cast<double>(trials);
            EXPECT_EQ(curve[i][n], count / k) << positions[i];
            EXPECT_EQ(gaps[i][n], count - k / 4) << positions[i];
        }
    }
}

} // namespace
} // namespace quindle::testing
