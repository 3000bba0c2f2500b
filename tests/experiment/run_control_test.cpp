#include "fakes.h"

#include <gtest/gtest.h>

namespace quindle::testing {
namespace {

// Start, then the trial that lifts count 3 from 1000 to 1001.
void finish(Harness &h)
{
    h.open();
    h.record.setCount(3, kRunLimit);
    h.control.start();
    h.trial(3);
}

struct Row
{
    const char *name;
    std::function<void(Harness &)> events;
    std::string_view expected;
};

class RunControlStates : public ::testing::TestWithParam<Row>
{};

TEST_P(RunControlStates, ButtonsAndTimersFollowTheStateTable)
{
    ExperimentRecord record;
    Harness h(record);
    GetParam().events(h);
    EXPECT_EQ(h.view.state(), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, RunControlStates, ::testing::Values(
    Row{"createdBeforeActivation", [](Harness &h) { h.control.load(); }, kCreated},
    Row{"openingActivatesIntoReady", [](Harness &h) { h.open(); }, kReady},
    Row{"startRuns", [](Harness &h) { h.open(); h.control.start(); }, kRunning},
    Row{"stopReturnsToReady",
        [](Harness &h) { h.open(); h.control.start(); h.trial(1); h.control.stop(); }, kReady},
    Row{"countPastLimitFinishes", finish, kFinished},
    Row{"initClears", [](Harness &h) { h.open(); h.control.clearCounts(); }, kCleared},
    Row{"startFromCleared",
        [](Harness &h) { h.open(); h.control.clearCounts(); h.control.start(); }, kRunning},
    Row{"initAfterFinishKeepsStartGreyed",
        [](Harness &h) { finish(h); h.control.clearCounts(); }, kFinishedCleared},
    Row{"graphDisplayAfterFinishEnablesStart",
        [](Harness &h) { finish(h); h.control.showGraph(); }, kReady},
    Row{"graphDisplayFromFinishedCleared",
        [](Harness &h) { finish(h); h.control.clearCounts(); h.control.showGraph(); }, kCleared},
    Row{"activationFromCleared",
        [](Harness &h) { h.open(); h.control.clearCounts(); h.control.activate(); }, kReady},
    Row{"activationFromFinishedCleared",
        [](Harness &h) { finish(h); h.control.clearCounts(); h.control.activate(); }, kFinished},
    // Mended: activation during a run leaves it stoppable instead of greying Stop.
    Row{"activationDuringRunKeepsItStoppable",
        [](Harness &h) { h.open(); h.control.start(); h.trial(2); h.control.activate(); },
        kRunning},
    Row{"finishedRunRestartedWithoutInitEndsAfterOneTrial",
        [](Harness &h) { finish(h); h.control.showGraph(); h.control.start(); h.trial(1); },
        kFinished}),
    [](const auto &row) { return std::string(row.param.name); });
// clang-format on

TEST(RunControl, ActivationShowsRestPoseOnlyWhenStopped)
{
    ExperimentRecord record;
    Harness h(record);
    h.open();
    h.control.start();
    h.control.flipTick(); // phase 0 -> 1
    h.trial(4);           // both Tail: not the rest pose
    h.view.log.clear();
    h.control.activate();
    EXPECT_TRUE(h.view.log.empty()) << "activation during a run touches nothing";
    h.control.stop();
    h.control.activate();
    const std::vector<std::string> restPose{"show 1H", "hide 1T", "hide 2H", "show 2T"};
    EXPECT_EQ(h.view.log, restPose);
    EXPECT_EQ(h.control.phase(), 1);
}

TEST(RunControl, InitClearsCountsAndCellsButNotHistoryOrTotal)
{
    ExperimentRecord record;
    Harness h(record);
    h.open();
    h.control.start();
    for (int outcome : {1, 2, 2, 3, 4, 4, 4})
        h.trial(outcome);
    h.control.stop();
    h.control.flipTick();
    h.control.clearCounts();

    for (int n = 1; n <= kOutcomes; ++n) {
        EXPECT_EQ(record.count(n), 0);
        EXPECT_EQ(h.view.cell(CellKind::Count, n), "");
        EXPECT_EQ(h.view.cell(CellKind::Ratio, n), "");
    }
    EXPECT_EQ(h.view.total, "7");
    EXPECT_EQ(h.control.phase(), 0);
    EXPECT_TRUE(h.view.shows(1, Face::Head) && h.view.shows(2, Face::Tail));
    EXPECT_EQ(record.history(4).at(3), 43); // 3 of 7, kept

    h.control.start();
    h.trial(2);
    EXPECT_EQ(h.view.total, "1");
    EXPECT_EQ(h.view.cell(CellKind::Ratio, 2), "1.000");
}

TEST(RunControl, StopKeepsEverythingAndStartContinues)
{
    ExperimentRecord record;
    Harness h(record);
    h.open();
    h.control.start();
    h.trial(1);
    h.trial(3);
    h.control.stop();
    EXPECT_EQ(h.view.total, "2");
    EXPECT_TRUE(h.view.shows(1, Face::Tail) && h.view.shows(2, Face::Head));
    h.control.start();
    h.trial(1);
    EXPECT_EQ(h.view.total, "3");
    EXPECT_EQ(h.view.cell(CellKind::Ratio, 1), "0.667");
}

TEST(RunControl, InitHelpAndExitPlayTheirCuesFirst)
{
    const std::vector<std::string> chime{"Stop", "Close", "file pinpon.wav", "Open", "Sound"};
    const std::vector<std::string> exitCue{"Stop", "Close", "file endpinpon.wav", "Open", "Sound"};
    ExperimentRecord record;
    Harness h(record);
    h.open();
    h.control.start();
    h.trial(1);
    h.control.stop();
    h.control.showGraph();
    EXPECT_TRUE(h.cues.writes.empty()) << "Start, Stop and Graph display are silent";

    h.control.clearCounts();
    EXPECT_EQ(h.cues.writes, chime);
    h.cues.writes.clear();
    h.view.log.clear();
    h.control.showHelp();
    EXPECT_EQ(h.cues.writes, chime);
    EXPECT_EQ(h.view.log, std::vector<std::string>{"help"});
    h.cues.writes.clear();
    h.view.log.clear();
    h.control.exitProgram();
    EXPECT_EQ(h.cues.writes, exitCue);
    const std::vector<std::string> box{"Quindle: This software will exit.", "end"};
    EXPECT_EQ(h.view.log, box);
}

TEST(RunControl, RecordSurvivesANewWindow)
{
    ExperimentRecord record;
    {
        Harness first(record);
        first.open();
        first.control.start();
        first.trial(2);
        first.trial(2);
        first.control.flipTick();
        first.control.showHelp();
    }
    Harness second(record);
    second.open();
    EXPECT_EQ(second.control.phase(), 0);
    second.control.start();
    second.trial(1);
    EXPECT_EQ(second.view.cell(CellKind::Count, 2), "2");
    EXPECT_EQ(second.view.total, "3");
}

} // namespace
} // namespace quindle::testing
