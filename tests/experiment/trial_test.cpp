// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace quindle::testing {
namespace {

using Cells = std::array<std::array<std::string, 4>, 2>;

struct Trial : ::testing::Test, Harness
{
    Trial() { open(); }
};

TEST_F(Trial, ATrialWritesEveryCellAndShowsItsFacesHalfIsTailAndEachCoinIsSeededFromTheClock)
{
    control.start();
    view.log.clear();
    coins.step = 0.25;
    coins.draws = {0.5F, 0.0F}; // coin 1 Tail, coin 2 Head
    control.runTrial();
    EXPECT_EQ(view.total, "1");
    EXPECT_EQ(view.cells, (Cells{{{"0", "0", "1", "0"}, {"0.000", "0.000", "1.000", "0.000"}}}));
    EXPECT_EQ(record.history(3).at(1), 100);
    // Each coin's new face is shown before its other face is hidden; events come last.
    const std::vector<std::string> log{"show 1T", "hide 1H", "show 2H", "hide 2T", "events"};
    EXPECT_EQ(view.log, log);
    coins.draws = {std::nextafter(0.5F, 0.0F), 0.5F};
    control.runTrial();
    EXPECT_EQ(view.cells[0], (std::array<std::string, 4>{"0", "1", "1", "0"}));
    EXPECT_EQ(coins.seeds, (std::vector<float>{43200.0F, 43200.25F, 43200.5F, 43200.75F}));
}

TEST_F(Trial, HistoryKeepsEachRatioJustBeforeTheNextOccurrenceRoundedHalfToEven)
{
    trials({1, 2, 2});
    EXPECT_EQ(record.history(1).at(1), 33); // 1 of 3
    EXPECT_EQ(record.history(2).at(2), 67);
    view.onEvents = [this] { EXPECT_EQ(record.history(2).at(3), 75) << "recorded before"; };
    trials({2});
    trials({2, 2, 2, 2}); // 1 of 8: 12.5 % is stored as 12
    EXPECT_EQ(record.history(1).at(1), 12);
    trials({1, 1, 4, 4, 4, 4, 4, 4}); // 3 of 16: 18.75 %
    EXPECT_EQ(record.history(1).at(3), 19);
    EXPECT_EQ(record.history(1).at(2), 22); // 2 of 9, just before the third occurrence
}

TEST_F(Trial, ACountOfOneThousandGoesOnAndTheTrialToOneThousandAndOneEndsTheRun)
{
    using enum Face;
    record.setCount(1, kRunLimit - 1);
    record.setCount(2, 500);
    control.start();
    trials({3, 1});
    EXPECT_EQ(view.cells[0][0], "1000");
    EXPECT_EQ(record.history(1).at(1000), 67);
    EXPECT_EQ(view.state(), kRunning);
    EXPECT_EQ(record.trialLog(), (LoggedTrials{{Tail, Head}, {Head, Head}}));
    view.log.clear();
    const Cells cells = view.cells;
    trials({1}); // ends the run: counted, not shown, not logged
    EXPECT_EQ(record.count(1), kRunLimit + 1);
    EXPECT_EQ(view.cells, cells);
    EXPECT_EQ(view.total, "1501");
    EXPECT_EQ(record.history(1).at(1001), 0);
    EXPECT_EQ(record.history(1).at(1000), 67);
    EXPECT_EQ(record.trialLog().size(), 2U);
    EXPECT_EQ(std::ranges::count(view.log, "events"), 0);
    EXPECT_EQ(view.log.back(), "report finished"); // once the buttons are final
    EXPECT_TRUE(view.shows(1, Head) && view.shows(2, Head));
    control.clearCounts();
    EXPECT_TRUE(record.trialLog().empty());
}

TEST(TrialLog, KeepsTheFirstTrialsARunCanShowAndNoMore)
{
    // Counts set by hand can carry a record past anything a run shows; its log still ends at
    // the most trials a run shows: Head/Head up to it, Tail/Head at it, Tail/Tail after it.
    ExperimentRecord record;
    for (int trial = 1; trial <= kMaxShownTrials + 1; ++trial)
        record.logTrial(trial < kMaxShownTrials ? Face::Head : Face::Tail,
                        trial > kMaxShownTrials ? Face::Tail : Face::Head);
    ASSERT_EQ(record.trialLog().size(), static_cast<std::size_t>(kMaxShownTrials));
    EXPECT_EQ(record.trialLog().back(), LoggedTrial(Face::Tail, Face::Head));
}

TEST_F(Trial, ErrorsAreRaisedBeforeAnythingIsStored)
{
    record.setCount(1, 32767);
    EXPECT_THROW(trials({1}), OverflowError);
    EXPECT_EQ(record.count(1), 32767);
    // The total's own overflow: count 2 + count 1 fits, adding count 3 does not.
    for (const auto &[n, count] : {std::pair{1, -2000}, {2, -30000}, {3, -767}, {4, -3}})
        record.setCount(n, static_cast<Int16>(count));
    EXPECT_THROW(trials({4}), OverflowError);
    EXPECT_EQ(view.total, "");

    for (int n : {1, 2, 3, 4})
        record.setCount(n, n == 2 ? -2 : 0);
    record.history(3).set(0, 77);
    EXPECT_THROW(trials({1}), SubscriptError);
    EXPECT_EQ(record.history(3).at(0), 77) << "outcome 3 comes after the failing outcome 2";
    EXPECT_EQ(std::ranges::count(view.log, "events"), 0);
    EXPECT_NO_THROW((void)record.history(1).at(5000));
    EXPECT_THROW((void)checkedAdd(-32768, -1), OverflowError);
    EXPECT_THROW((void)roundToInt16(std::numeric_limits<double>::quiet_NaN()), OverflowError);
}

TEST_F(Trial, FlipTicksAlternateFromTheRestPoseAndPhaseSurvivesStopButNotInit)
{
    control.start();
    control.flipTick(); // phase 0: the rest pose, which is on show already
    EXPECT_TRUE(view.shows(1, Face::Head) && view.shows(2, Face::Tail));
    control.flipTick();
    EXPECT_EQ(view.faces, (decltype(view.faces){{{false, true}, {true, false}}}));
    control.flipTick();
    trials({4}); // both Tail
    control.stop();
    view.log.clear();
    control.activate(); // the rest pose, coin 1 first; phase stays 1
    EXPECT_EQ(view.log, (std::vector<std::string>{"show 1H", "hide 1T", "hide 2H", "show 2T"}));
    control.start();
    control.flipTick();
    EXPECT_TRUE(view.shows(1, Face::Tail) && view.shows(2, Face::Head));
    control.stop();
    control.clearCounts();
    EXPECT_EQ(control.phase(), 0);
}

// Fair, independent coins over a million trials even when the clock stands still (re-seeding
// with the same value must not restart the sequence).
TEST(Fairness, OutcomesAreUniformAndTheCoinsIndependent)
{
    constexpr int kTrials = 1'000'000;
    ExperimentRecord record;
    FakeView view;
    Pcg32Source random;
    ScriptedCoins clock; // stands still
    ExperimentControl control(record, view, random, clock, view);
    std::array<double, kOutcomes> tally{}; // Head/Head, Head/Tail, Tail/Head, Tail/Tail
    for (int trial = 1; trial <= kTrials; ++trial) {
        control.runTrial();
        for (int coin : {1, 2})
            ASSERT_TRUE(control.draw(coin) >= 0.0F && control.draw(coin) < 1.0F);
        if (trial % kRunLimit == 0) { // well before any count passes the limit
            for (int n = 1; n <= kOutcomes; ++n)
                tally[at(n - 1)] += record.count(n);
            control.clearCounts();
        }
        view.log.clear();
    }
    double uniform = 0, independence = 0;
    const double head1 = (tally[0] + tally[1]) / kTrials, head2 = (tally[0] + tally[2]) / kTrials;
    for (std::size_t i = 0; i < 4; ++i) {
        uniform += std::pow(tally[i] - kTrials / 4.0, 2) / (kTrials / 4.0);
        // Coin 1 against coin 2 as a 2 x 2 contingency table.
        const double expected = kTrials * (i < 2 ? head1 : 1 - head1) * (i % 2 ? 1 - head2 : head2);
        independence += std::pow(tally[i] - expected, 2) / expected;
    }
    EXPECT_LT(uniform, 16.27) << "chi-square, 3 df, p = 0.001";
    EXPECT_LT(independence, 10.83) << "chi-square, 1 df, p = 0.001";
}

} // namespace
} // namespace quindle::testing
