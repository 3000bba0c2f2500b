#include "experiment/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quindle::testing {
namespace {

class Trial : public ::testing::Test
{
protected:
    Trial() { h.open(); }
    [[nodiscard]] long eventPasses() const { return std::ranges::count(h.view.log, "events"); }
    Harness h;
    ExperimentRecord &record = h.record;
};

TEST_F(Trial, FirstTrialWritesEveryCellAndShowsItsFaces)
{
    h.control.start();
    h.view.log.clear();
    h.trial(3); // coin 1 Tail, coin 2 Head
    EXPECT_EQ(h.view.total, "1");
    for (int n = 1; n <= kOutcomes; ++n) {
        EXPECT_EQ(h.view.cell(CellKind::Count, n), n == 3 ? "1" : "0") << n;
        EXPECT_EQ(h.view.cell(CellKind::Ratio, n), n == 3 ? "1.000" : "0.000") << n;
    }
    EXPECT_EQ(record.history(3).at(1), 100);
    // Each coin's new face is shown before its other face is hidden; events come last.
    const std::vector<std::string> log{"show 1T", "hide 1H", "show 2H", "hide 2T", "events"};
    EXPECT_EQ(h.view.log, log);
}

TEST_F(Trial, HalfIsTailZeroIsHeadAndEachCoinIsReseededFromTheClock)
{
    h.coins.step = 0.25;
    h.coins.draws = {0.5F, 0.0F};
    h.control.runTrial();
    EXPECT_EQ(record.count(3), 1);
    h.coins.draws = {std::nextafter(0.5F, 0.0F), 0.5F};
    h.control.runTrial();
    EXPECT_EQ(record.count(2), 1);
    EXPECT_EQ(h.coins.seeds, (std::vector<float>{43200.0F, 43200.25F, 43200.5F, 43200.75F}));
}

TEST_F(Trial, HistoryKeepsEachRatioJustBeforeTheNextOccurrenceRoundedHalfToEven)
{
    for (int outcome : {1, 2, 2})
        h.trial(outcome);
    EXPECT_EQ(record.history(1).at(1), 33); // 1 of 3
    EXPECT_EQ(record.history(2).at(2), 67);
    h.view.onEvents = [this] { EXPECT_EQ(record.history(2).at(3), 75) << "recorded before"; };
    h.trial(2);
    h.view.onEvents = nullptr;
    for (int outcome : {2, 2, 2, 2}) // 1 of 8: 12.5 % is stored as 12
        h.trial(outcome);
    EXPECT_EQ(record.history(1).at(1), 12);
    for (int outcome : {1, 1, 4, 4, 4, 4, 4, 4}) // 3 of 16: 18.75 %
        h.trial(outcome);
    EXPECT_EQ(record.history(1).at(3), 19);
    EXPECT_EQ(record.history(1).at(2), 22); // 2 of 9, just before the third occurrence
}

TEST_F(Trial, ACountOfOneThousandGoesOnAndTheTrialToOneThousandAndOneEndsTheRun)
{
    record.setCount(1, kRunLimit - 1);
    record.setCount(2, 500);
    h.control.start();
    h.trial(1);
    EXPECT_EQ(h.view.cell(CellKind::Count, 1), "1000");
    EXPECT_EQ(record.history(1).at(1000), 67);
    EXPECT_EQ(h.view.state(), kRunning);
    h.view.log.clear();
    h.trial(1);
    EXPECT_EQ(record.count(1), kRunLimit + 1);
    EXPECT_EQ(h.view.cell(CellKind::Count, 1), "1000"); // the cells, total and history stay
    EXPECT_EQ(h.view.total, "1500");
    EXPECT_EQ(record.history(1).at(1001), 0);
    EXPECT_EQ(record.history(1).at(1000), 67);
    EXPECT_EQ(h.view.state(), kFinished);
    EXPECT_EQ(eventPasses(), 0);
    EXPECT_EQ(h.view.log.back(), "report finished"); // once the buttons are final
    EXPECT_TRUE(h.view.shows(1, Face::Head) && h.view.shows(2, Face::Head));

    h.control.clearCounts(); // after Init the next trial counts its own outcome
    h.control.showGraph();
    h.control.start();
    h.trial(3);
    EXPECT_EQ(h.view.cell(CellKind::Count, 3), "1");
    EXPECT_EQ(h.view.state(), kRunning);
}

TEST_F(Trial, TheLogKeepsEachShownTrialsFacesUntilInit)
{
    using enum Face;
    h.trial(3);
    h.trial(2);
    EXPECT_EQ(record.trialLog(), (std::vector<std::array<Face, 2>>{{Tail, Head}, {Head, Tail}}));
    record.setCount(4, kRunLimit);
    h.trial(4); // ends the run: counted, not shown, not logged
    EXPECT_EQ(record.trialLog().size(), 2U);
    h.control.clearCounts();
    EXPECT_TRUE(record.trialLog().empty());
}

TEST_F(Trial, ErrorsAreRaisedBeforeAnythingIsStored)
{
    record.setCount(1, 32767);
    EXPECT_THROW(h.trial(1), OverflowError);
    EXPECT_EQ(record.count(1), 32767);
    // The total's own overflow with counts below the limit: the first partial sum
    // (count 2 + count 1) fits, the second does not.
    record.setCount(1, -2000);
    record.setCount(2, -30000);
    record.setCount(3, -767);
    record.setCount(4, -3);
    EXPECT_THROW(h.trial(4), OverflowError);
    EXPECT_EQ(h.view.total, "");

    for (int n : {1, 2, 3, 4})
        record.setCount(n, n == 2 ? -2 : 0);
    record.history(3).set(0, 77);
    EXPECT_THROW(h.trial(1), SubscriptError);
    EXPECT_EQ(record.history(3).at(0), 77) << "outcome 3 comes after the failing outcome 2";
    EXPECT_EQ(eventPasses(), 0);
    EXPECT_NO_THROW((void)record.history(1).at(5000));
    EXPECT_THROW((void)checkedAdd(-32768, -1), OverflowError);
    EXPECT_THROW((void)roundToInt16(std::numeric_limits<double>::quiet_NaN()), OverflowError);
}

TEST_F(Trial, FlipTicksAlternateFromTheRestPoseAndPhaseSurvivesStopAndActivationNotInit)
{
    h.control.start();
    h.control.flipTick(); // phase 0: the rest pose, which is on show already
    EXPECT_TRUE(h.view.shows(1, Face::Head) && h.view.shows(2, Face::Tail));
    h.control.flipTick();
    EXPECT_TRUE(h.view.shows(1, Face::Tail) && !h.view.shows(1, Face::Head));
    EXPECT_TRUE(h.view.shows(2, Face::Head) && !h.view.shows(2, Face::Tail));
    h.control.flipTick();
    h.trial(4); // both Tail
    h.view.log.clear();
    h.control.activate();
    EXPECT_TRUE(h.view.log.empty()) << "activation during a run touches nothing";
    h.control.stop();
    h.view.log.clear();
    h.control.activate(); // the rest pose, coin 1 first; phase stays 1
    EXPECT_EQ(h.view.log, (std::vector<std::string>{"show 1H", "hide 1T", "hide 2H", "show 2T"}));
    h.control.start();
    h.control.flipTick();
    EXPECT_TRUE(h.view.shows(1, Face::Tail) && h.view.shows(2, Face::Head));
    h.control.stop();
    h.control.clearCounts();
    EXPECT_EQ(h.control.phase(), 0);
}

// Fair, independent coins even when the clock stands still (every re-seed the same value, which
// must not restart the sequence): a million trials of the real generator from a fixed state.
TEST(Fairness, OutcomesAreUniformAndTheCoinsIndependent)
{
    constexpr int kTrials = 1'000'000;
    ExperimentRecord record;
    FakeView view;
    Pcg32Source random;
    ScriptedCoins clock; // stands still: every re-seed gets the same value
    ExperimentControl control(record, view, random, clock, view);
    control.start();

    std::array<double, kOutcomes> tally{}; // Head/Head, Head/Tail, Tail/Head, Tail/Tail
    const auto addCounts = [&] {
        for (int n = 1; n <= kOutcomes; ++n)
            tally[at(n - 1)] += record.count(n);
    };
    for (int trial = 0; trial < kTrials; ++trial) {
        control.runTrial();
        for (int coin : {1, 2})
            ASSERT_TRUE(control.draw(coin) >= 0.0F && control.draw(coin) < 1.0F);
        view.log.clear();
        if (!view.trial) { // a count passed the limit: clear and carry on
            addCounts();
            control.clearCounts();
            control.showGraph();
            control.start();
        }
    }
    addCounts();
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
