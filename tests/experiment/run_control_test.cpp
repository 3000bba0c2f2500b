#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>

namespace quindle::testing {
namespace {

struct Flags
{
    bool start, stop, exit, init, graph, help, timers;
    [[nodiscard]] ButtonFlags expanded() const
    {
        return {start, stop, exit, init, graph, help, timers, timers};
    }
};

constexpr Flags kCreated{true, true, true, true, true, true, false};
constexpr Flags kReady{true, false, true, true, true, true, false};
constexpr Flags kRunning{false, true, false, false, false, false, true};
constexpr Flags kFinished{false, false, true, true, true, true, false};
constexpr Flags kCleared{true, false, true, false, true, true, false};
constexpr Flags kFinishedCleared{false, false, true, false, true, true, false};

void toFinished(Harness &h)
{
    h.open();
    h.record.setCount(3, kRunLimit);
    h.control.command1Click();
    h.trial(3);
}

struct Row
{
    const char *name;
    std::function<void(Harness &)> events;
    Flags expected;
};

std::ostream &operator<<(std::ostream &out, const Row &row)
{
    return out << row.name;
}

class RunControlStates : public ::testing::TestWithParam<Row>
{};

TEST_P(RunControlStates, ButtonsAndTimersFollowTheStateTable)
{
    Module1 record;
    Harness h(record);
    GetParam().events(h);
    EXPECT_EQ(h.view.flags, GetParam().expected.expanded());
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunControlStates,
    ::testing::Values(Row{"createdBeforeActivation", [](Harness &h) { h.control.load(); },
                          kCreated},
                      Row{"openingActivatesIntoReady", [](Harness &h) { h.open(); }, kReady},
                      Row{"startFromReadyRuns",
                          [](Harness &h) {
                              h.open();
                              h.control.command1Click();
                          },
                          kRunning},
                      Row{"stopReturnsToReady",
                          [](Harness &h) {
                              h.open();
                              h.control.command1Click();
                              h.trial(1);
                              h.control.command3Click();
                          },
                          kReady},
                      Row{"countPastLimitFinishes", toFinished, kFinished},
                      Row{"initFromReadyClears",
                          [](Harness &h) {
                              h.open();
                              h.control.command5Click();
                          },
                          kCleared},
                      Row{"startFromClearedRuns",
                          [](Harness &h) {
                              h.open();
                              h.control.command5Click();
                              h.control.command1Click();
                          },
                          kRunning},
                      Row{"initAfterFinishKeepsStartOff",
                          [](Harness &h) {
                              toFinished(h);
                              h.control.command5Click();
                          },
                          kFinishedCleared},
                      Row{"graphDisplayAfterFinishEnablesStart",
                          [](Harness &h) {
                              toFinished(h);
                              h.control.command6Click();
                          },
                          kReady},
                      Row{"graphDisplayFromFinishedClearedGivesCleared",
                          [](Harness &h) {
                              toFinished(h);
                              h.control.command5Click();
                              h.control.command6Click();
                          },
                          kCleared},
                      Row{"graphDisplayInReadyChangesNothing",
                          [](Harness &h) {
                              h.open();
                              h.control.command6Click();
                          },
                          kReady},
                      Row{"activationFromClearedGivesReady",
                          [](Harness &h) {
                              h.open();
                              h.control.command5Click();
                              h.control.activate();
                          },
                          kReady},
                      Row{"activationFromFinishedClearedGivesFinished",
                          [](Harness &h) {
                              toFinished(h);
                              h.control.command5Click();
                              h.control.activate();
                          },
                          kFinished},
                      Row{"activationDuringRunKeepsItStoppable",
                          [](Harness &h) {
                              h.open();
                              h.control.command1Click();
                              h.trial(2);
                              h.control.activate();
                          },
                          kRunning},
                      Row{"stopAfterActivationDuringRunStillWorks",
                          [](Harness &h) {
                              h.open();
                              h.control.command1Click();
                              h.control.activate();
                              h.control.command3Click();
                          },
                          kReady},
                      Row{"finishedRunRestartedWithoutInitEndsAgainAfterOneTrial",
                          [](Harness &h) {
                              toFinished(h);
                              h.control.command6Click();
                              h.control.command1Click();
                              h.trial(1);
                          },
                          kFinished}),
    rowName<Row>);

TEST(RunControl, ActivationDuringRunLeavesCoinsAndLabelsAlone)
{
    Module1 record;
    Harness h(record);
    h.open();
    h.control.command1Click();
    h.trial(4); // coin 1 Tail, coin 2 Tail: not the rest pose
    h.view.log.clear();
    h.control.activate();
    EXPECT_TRUE(h.view.log.empty());
    EXPECT_TRUE(h.view.visible(1, Face::Tail));
    EXPECT_FALSE(h.view.visible(1, Face::Head));
}

TEST(RunControl, ActivationWhenStoppedShowsRestPoseAndKeepsPhase)
{
    Module1 record;
    Harness h(record);
    h.open();
    h.control.command1Click();
    h.control.timer1Tick(); // phase 0 -> 1
    h.trial(4);
    h.control.command3Click();
    h.control.activate();
    EXPECT_TRUE(h.view.visible(1, Face::Head));
    EXPECT_FALSE(h.view.visible(1, Face::Tail));
    EXPECT_FALSE(h.view.visible(2, Face::Head));
    EXPECT_TRUE(h.view.visible(2, Face::Tail));
    EXPECT_EQ(h.control.phase(), 1);
}

TEST(RunControl, InitClearsCountsAndLabelsButNotHistoryOrTotal)
{
    Module1 record;
    Harness h(record);
    h.open();
    h.control.command1Click();
    for (int outcome : {1, 2, 2, 3, 4, 4, 4})
        h.trial(outcome);
    h.control.command3Click();
    const History before = record.percent(4);
    h.control.command5Click();

    for (int n = 1; n <= kOutcomes; ++n) {
        EXPECT_EQ(record.count(n), 0);
        EXPECT_EQ(h.view.caption(dosuu(n)), "");
        EXPECT_EQ(h.view.caption(kaku(n)), "");
    }
    EXPECT_EQ(h.view.caption(Caption::Label17), "7");
    EXPECT_EQ(h.control.total(), 7);
    EXPECT_EQ(h.control.phase(), 0);
    for (int i = 0; i <= 3; ++i)
        EXPECT_EQ(record.percent(4).at(i), before.at(i)) << "element " << i;
    EXPECT_EQ(record.percent(4).at(3), 43); // 3 of 7

    // The next run's first trial recomputes the total from the cleared counts.
    h.control.command1Click();
    h.trial(2);
    EXPECT_EQ(h.control.total(), 1);
    EXPECT_EQ(h.view.caption(Caption::Label17), "1");
    EXPECT_EQ(h.view.caption(dosuu(2)), "1");
    EXPECT_EQ(h.view.caption(kaku(2)), "1.000");
}

TEST(RunControl, StopKeepsCountsFacesAndLabelsAndStartContinues)
{
    Module1 record;
    Harness h(record);
    h.open();
    h.control.command1Click();
    h.trial(1);
    h.trial(3);
    h.control.command3Click();
    EXPECT_EQ(h.view.caption(Caption::Label17), "2");
    EXPECT_TRUE(h.view.visible(1, Face::Tail));
    EXPECT_TRUE(h.view.visible(2, Face::Head));
    h.control.command1Click();
    h.trial(1);
    EXPECT_EQ(record.count(1), 2);
    EXPECT_EQ(h.view.caption(Caption::Label17), "3");
    EXPECT_EQ(h.view.caption(kaku(1)), "0.667");
}

TEST(RunControl, CuesAreRequestedInTheFiveStepSequence)
{
    const std::vector<std::string> pinpon{"Command=Stop", "Command=Close", "FileName=pinpon.wav",
                                          "Command=Open", "Command=Sound"};
    std::vector<std::string> endPinpon = pinpon;
    endPinpon[2] = "FileName=endpinpon.wav";

    Module1 record;
    Harness init(record);
    init.open();
    init.control.command5Click();
    EXPECT_EQ(init.sound.writes, pinpon);

    Harness help(record);
    help.open();
    help.control.command7Click();
    EXPECT_EQ(help.sound.writes, pinpon);
    EXPECT_EQ(help.view.log.back(), "help");

    Harness exit(record);
    exit.open();
    exit.control.command4Click();
    EXPECT_EQ(exit.sound.writes, endPinpon);
    ASSERT_GE(exit.view.log.size(), 2U);
    EXPECT_EQ(exit.view.log[exit.view.log.size() - 2], "message Quindle: This software will exit.");
    EXPECT_EQ(exit.view.log.back(), "end");
}

TEST(RunControl, StartAndStopPlayNoCue)
{
    Module1 record;
    Harness h(record);
    h.open();
    h.control.command1Click();
    h.trial(1);
    h.control.command3Click();
    h.control.command6Click();
    EXPECT_TRUE(h.sound.writes.empty());
}

TEST(RunControl, RecordSurvivesANewWindow)
{
    Module1 record;
    {
        Harness first(record);
        first.open();
        first.control.command1Click();
        first.trial(2);
        first.trial(2);
        first.control.command7Click();
    }
    Harness second(record);
    second.open();
    EXPECT_EQ(second.control.phase(), 0);
    EXPECT_EQ(second.view.caption(dosuu(2)), "");
    second.control.command1Click();
    second.trial(1);
    EXPECT_EQ(record.count(2), 2);
    EXPECT_EQ(second.view.caption(dosuu(2)), "2");
    EXPECT_EQ(second.view.caption(Caption::Label17), "3");
}

} // namespace
} // namespace quindle::testing
