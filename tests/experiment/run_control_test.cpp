#include "experiment/fakes.h"

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
    std::function<void(Harness &, ExperimentControl &)> events;
    std::string_view expected;
    friend void PrintTo(const Row &row, std::ostream *out) { *out << row.name; }
};

class RunControlStates : public ::testing::TestWithParam<Row>
{};

TEST_P(RunControlStates, ButtonsAndTimersFollowTheStateTable)
{
    Harness h;
    GetParam().events(h, h.control);
    EXPECT_EQ(h.view.state(), GetParam().expected);
}

using H = Harness;
using C = ExperimentControl;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, RunControlStates, ::testing::Values(
    Row{"createdBeforeActivation", [](H &, C &c) { c.load(); }, kCreated},
    Row{"openingActivatesIntoReady", [](H &h, C &) { h.open(); }, kReady},
    Row{"startRuns", [](H &h, C &c) { h.open(); c.start(); }, kRunning},
    Row{"stopReturnsToReady", [](H &h, C &c) { h.open(); c.start(); h.trial(1); c.stop(); }, kReady},
    Row{"countPastLimitFinishes", [](H &h, C &) { finish(h); }, kFinished},
    Row{"initClears", [](H &h, C &c) { h.open(); c.clearCounts(); }, kCleared},
    Row{"startFromCleared", [](H &h, C &c) { h.open(); c.clearCounts(); c.start(); }, kRunning},
    Row{"initAfterFinish", [](H &h, C &c) { finish(h); c.clearCounts(); }, kFinishedCleared},
    Row{"graphDisplayAfterFinish", [](H &h, C &c) { finish(h); c.showGraph(); }, kReady},
    Row{"graphDisplayFromFinishedCleared",
        [](H &h, C &c) { finish(h); c.clearCounts(); c.showGraph(); }, kCleared},
    Row{"activationFromCleared", [](H &h, C &c) { h.open(); c.clearCounts(); c.activate(); }, kReady},
    Row{"activationFromFinishedCleared",
        [](H &h, C &c) { finish(h); c.clearCounts(); c.activate(); }, kFinished},
    // Mended: activation during a run leaves it stoppable instead of greying Stop.
    Row{"activationDuringRun", [](H &h, C &c) { h.open(); c.start(); h.trial(2); c.activate(); },
        kRunning},
    Row{"restartedWithoutInitEndsAfterOneTrial",
        [](H &h, C &c) { finish(h); c.showGraph(); c.start(); h.trial(1); }, kFinished}),
    [](const auto &row) { return std::string(row.param.name); });
// clang-format on

TEST(RunControl, StopKeepsAllInitClearsCountsAndCellsButNotHistoryOrTotal)
{
    Harness h;
    h.open();
    h.control.start();
    for (int outcome : {1, 2, 2, 3, 4, 4, 4})
        h.trial(outcome);
    h.control.stop();
    EXPECT_EQ(h.view.total, "7");
    EXPECT_TRUE(h.view.shows(1, Face::Tail) && h.view.shows(2, Face::Tail));
    h.control.flipTick();
    h.control.clearCounts();
    for (int n = 1; n <= kOutcomes; ++n) {
        EXPECT_EQ(h.record.count(n), 0);
        EXPECT_EQ(h.view.cell(CellKind::Count, n) + h.view.cell(CellKind::Ratio, n), "");
    }
    EXPECT_EQ(h.view.total, "7");
    EXPECT_EQ(h.control.phase(), 0);
    EXPECT_TRUE(h.view.shows(1, Face::Head) && h.view.shows(2, Face::Tail));
    EXPECT_EQ(h.record.history(4).at(3), 43); // 3 of 7, kept
}

TEST(RunControl, InitHelpAndExitPlayTheirCuesFirstAndNothingElseDoes)
{
    Harness h;
    const auto played = [&h](void (ExperimentControl::*handler)()) {
        h.view.log.clear();
        (h.control.*handler)();
        std::string cues; // each cue as its file name, and where it started to sound
        for (const std::string &entry : h.view.log)
            cues += entry.starts_with("file ") ? entry.substr(5) : entry == "Sound" ? "!" : "";
        return cues + (h.view.log.empty() ? "" : " then " + h.view.log.back());
    };
    h.open();
    EXPECT_EQ(played(&ExperimentControl::start), "");
    h.trial(1);
    EXPECT_EQ(played(&ExperimentControl::stop), " then report stopped"); // said last
    EXPECT_EQ(played(&ExperimentControl::showGraph), " then graph");
    EXPECT_EQ(played(&ExperimentControl::clearCounts), "pinpon.wav! then report cleared");
    EXPECT_EQ(played(&ExperimentControl::showHelp), "pinpon.wav! then help");
    EXPECT_EQ(played(&ExperimentControl::exitProgram), "endpinpon.wav! then end");
    EXPECT_EQ(h.view.log[h.view.log.size() - 2], "Quindle: This software will exit.");
}

} // namespace
} // namespace quindle::testing
