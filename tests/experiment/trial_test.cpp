#include "fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quindle::testing {
namespace {

class Trial : public ::testing::Test
{
protected:
    Trial() { h.open(); }
    Module1 record;
    Harness h{record};
};

TEST_F(Trial, FirstTrialWritesAllNineLabels)
{
    h.control.command1Click();
    h.trial(2);
    EXPECT_EQ(record.count(2), 1);
    EXPECT_EQ(h.view.caption(Caption::Label17), "1");
    const char *counts[] = {"0", "1", "0", "0"};
    const char *ratios[] = {"0.000", "1.000", "0.000", "0.000"};
    for (int n = 1; n <= kOutcomes; ++n) {
        EXPECT_EQ(h.view.caption(dosuu(n)), counts[n - 1]) << "dosuu" << n;
        EXPECT_EQ(h.view.caption(kaku(n)), ratios[n - 1]) << "kaku" << n;
    }
    EXPECT_EQ(record.percent(2).at(1), 100);
    EXPECT_EQ(record.percent(1).at(0), 0);
    EXPECT_TRUE(h.view.visible(1, Face::Head));
    EXPECT_FALSE(h.view.visible(1, Face::Tail));
    EXPECT_TRUE(h.view.visible(2, Face::Tail));
    EXPECT_FALSE(h.view.visible(2, Face::Head));
}

TEST_F(Trial, TieAtOneHalfIsTailAndZeroIsHead)
{
    h.random.draws = {0.5F, 0.0F};
    h.control.command2Click();
    EXPECT_EQ(record.count(3), 1);
    EXPECT_FLOAT_EQ(h.control.rnd1(), 0.5F);
    EXPECT_FLOAT_EQ(h.control.rnd2(), 0.0F);

    h.random.draws = {std::nextafter(0.5F, 0.0F), 0.5F};
    h.control.command2Click();
    EXPECT_EQ(record.count(2), 1);
}

TEST_F(Trial, NewFaceIsShownBeforeTheOtherIsHidden)
{
    h.view.log.clear();
    h.trial(3);
    const std::vector<std::string> pictures(h.view.log.begin(), h.view.log.begin() + 4);
    const std::vector<std::string> expected{"show coin1(1)", "hide coin1(0)", "show coin2(0)",
                                            "hide coin2(1)"};
    EXPECT_EQ(pictures, expected);
}

TEST_F(Trial, EachCoinIsReseededFromTheClockBeforeItsDraw)
{
    h.clock.step = 0.25;
    h.trial(1);
    ASSERT_EQ(h.random.seeds.size(), 2U);
    EXPECT_FLOAT_EQ(h.random.seeds[0], 43200.0F);
    EXPECT_FLOAT_EQ(h.random.seeds[1], 43200.25F);
}

TEST_F(Trial, ProcessingEventsIsTheLastAction)
{
    h.control.command1Click();
    h.view.onEvents = [this] {
        // Whatever runs here sees the record and every label as the whole trial left them.
        EXPECT_EQ(h.view.caption(Caption::Label17), "1");
        EXPECT_EQ(record.percent(4).at(1), 100);
    };
    h.view.log.clear();
    h.trial(4);
    EXPECT_EQ(h.view.log.back(), "events");
    EXPECT_EQ(h.view.eventPasses, 1);
}

TEST_F(Trial, PercentagesRoundHalfToEven)
{
    // One Head/Head among eight trials: 12.5 % is stored as 12; three of eight store 38.
    for (int outcome : {1, 2, 2, 2, 2, 2, 2, 2})
        h.trial(outcome);
    EXPECT_EQ(record.percent(1).at(1), 12);
    for (int outcome : {1, 1, 4, 4, 4, 4, 4, 4}) // 3 of 16
        h.trial(outcome);
    EXPECT_EQ(record.count(1), 3);
    EXPECT_EQ(record.percent(1).at(3), 19); // 18.75

    Module1 fresh;
    Harness g(fresh);
    for (int outcome : {1, 1, 1, 2, 2, 2, 2, 2})
        g.trial(outcome);
    EXPECT_EQ(fresh.percent(1).at(3), 38); // 37.5
}

TEST_F(Trial, HistoryElementHoldsRatioJustBeforeTheNextOccurrence)
{
    h.trial(1); // count1 = 1 of 1
    h.trial(2); // 1 of 2
    h.trial(2); // 1 of 3
    EXPECT_EQ(record.percent(1).at(1), 33);
    EXPECT_EQ(record.percent(2).at(2), 67);
    EXPECT_EQ(record.percent(2).at(0), 0);
    EXPECT_EQ(record.percent(3).at(0), 0);
    h.trial(1); // 2 of 4
    EXPECT_EQ(record.percent(1).at(1), 33);
    EXPECT_EQ(record.percent(1).at(2), 50);
}

TEST_F(Trial, CountOfExactlyOneThousandContinues)
{
    record.setCount(4, kRunLimit - 1);
    h.control.command1Click();
    h.trial(4);
    EXPECT_EQ(record.count(4), kRunLimit);
    EXPECT_EQ(h.view.caption(dosuu(4)), "1000");
    EXPECT_EQ(h.view.caption(Caption::Label17), "1000");
    EXPECT_EQ(record.percent(4).at(1000), 100);
    EXPECT_TRUE(h.view.flags.timer2);
    EXPECT_TRUE(h.view.flags.stop);
}

TEST_F(Trial, CountOfOneThousandAndOneEndsTheRunWithoutTouchingLabels)
{
    record.setCount(1, kRunLimit - 1);
    record.setCount(2, 500);
    h.control.command1Click();
    h.trial(1);
    const History historyBefore = record.percent(1);
    h.view.log.clear();

    h.trial(1);
    EXPECT_EQ(record.count(1), kRunLimit + 1);
    EXPECT_EQ(h.view.caption(dosuu(1)), "1000");
    EXPECT_EQ(h.view.caption(Caption::Label17), "1500");
    EXPECT_EQ(h.control.total(), 1500);
    EXPECT_EQ(record.percent(1).at(1001), 0);
    EXPECT_EQ(record.percent(1).at(1000), historyBefore.at(1000));
    EXPECT_FALSE(h.view.flags.start);
    EXPECT_FALSE(h.view.flags.timer1);
    EXPECT_FALSE(h.view.flags.timer2);
    EXPECT_EQ(std::count(h.view.log.begin(), h.view.log.end(), "events"), 0);
    // The final trial's faces stay on show.
    EXPECT_TRUE(h.view.visible(1, Face::Head));
    EXPECT_TRUE(h.view.visible(2, Face::Head));
}

TEST_F(Trial, AfterAFinishedRunInitLetsTheNextTrialCountItsOwnOutcome)
{
    record.setCount(2, kRunLimit);
    h.control.command1Click();
    h.trial(2);
    h.control.command5Click();
    h.control.command6Click();
    h.control.command1Click();
    h.trial(3);
    EXPECT_EQ(record.count(3), 1);
    EXPECT_EQ(record.count(2), 0);
    EXPECT_EQ(h.view.caption(dosuu(3)), "1");
    EXPECT_TRUE(h.view.flags.timer2);
}

TEST_F(Trial, OverflowIsRaisedNotWrapped)
{
    record.setCount(1, 32767);
    h.view.log.clear();
    EXPECT_THROW(h.trial(1), OverflowError);
    EXPECT_EQ(record.count(1), 32767);
    EXPECT_EQ(std::count(h.view.log.begin(), h.view.log.end(), "events"), 0);
}

TEST_F(Trial, TotalOverflowIsRaisedBeforeItIsStored)
{
    h.trial(1);
    // Counts above the limit would end the run first, so the total's own overflow is reached
    // with negative counts: -30000 + -2000 + -767 + -2 leaves the 16-bit range.
    record.setCount(2, -30000);
    record.setCount(1, -2000);
    record.setCount(3, -767);
    record.setCount(4, -3);
    EXPECT_THROW(h.trial(4), OverflowError);
    EXPECT_EQ(h.control.total(), 1);
    EXPECT_EQ(h.view.caption(Caption::Label17), "1");
}

TEST_F(Trial, HistoryIndexOutsideBoundsIsASubscriptErrorBeforeTheWrite)
{
    record.setCount(2, -2);
    record.percent(3).set(0, 77);
    EXPECT_THROW(h.trial(1), SubscriptError);
    EXPECT_EQ(record.percent(3).at(0), 77); // outcome 3 comes after the failing outcome 2
    EXPECT_EQ(h.view.eventPasses, 0);
}

TEST(History, BoundsAreZeroToFiveThousand)
{
    History history;
    history.set(0, 1);
    history.set(5000, 2);
    EXPECT_EQ(history.at(0), 1);
    EXPECT_EQ(history.at(5000), 2);
    EXPECT_THROW(history.set(5001, 3), SubscriptError);
    EXPECT_THROW(history.set(-1, 3), SubscriptError);
    EXPECT_THROW((void)history.at(5001), SubscriptError);
    Module1 record;
    EXPECT_THROW((void)record.count(0), SubscriptError);
    EXPECT_THROW((void)record.percent(5), SubscriptError);
}

class Animation : public Trial
{};

TEST_F(Animation, FirstTickAfterOpeningChangesNothingVisibleAndSecondFlips)
{
    h.control.command1Click();
    h.control.timer1Tick();
    EXPECT_TRUE(h.view.visible(1, Face::Head));
    EXPECT_TRUE(h.view.visible(2, Face::Tail));
    EXPECT_EQ(h.control.phase(), 1);
    h.control.timer1Tick();
    EXPECT_TRUE(h.view.visible(1, Face::Tail));
    EXPECT_FALSE(h.view.visible(1, Face::Head));
    EXPECT_TRUE(h.view.visible(2, Face::Head));
    EXPECT_FALSE(h.view.visible(2, Face::Tail));
    EXPECT_EQ(h.control.phase(), 0);
}

TEST_F(Animation, PhaseSurvivesStopAndActivationButNotInit)
{
    h.control.command1Click();
    h.control.timer1Tick();
    h.control.command3Click();
    h.control.activate();
    h.control.command1Click();
    h.control.timer1Tick(); // phase was 1: the flipped pose
    EXPECT_TRUE(h.view.visible(1, Face::Tail));
    EXPECT_TRUE(h.view.visible(2, Face::Head));
    h.control.timer1Tick();
    h.control.command3Click();
    h.control.command5Click();
    EXPECT_EQ(h.control.phase(), 0);
    h.control.load();
    EXPECT_EQ(h.control.phase(), 0);
}

TEST_F(Animation, EveryStepLeavesExactlyOneFacePerCoin)
{
    h.control.command1Click();
    for (int i = 0; i < 12; ++i) {
        if (i % 3 == 0)
            h.trial(1 + i % 4);
        else
            h.control.timer1Tick();
        for (int coin : {1, 2})
            EXPECT_NE(h.view.visible(coin, Face::Head), h.view.visible(coin, Face::Tail))
                << "coin" << coin << " after step " << i;
    }
}

} // namespace
} // namespace quindle::testing
