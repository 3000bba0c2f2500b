// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/fakes.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quindle::testing {
namespace {

// Start, then the trial that lifts count 3 from 1000 to 1001.
void finish(Harness &h)
{
    h.open();
    h.record.setCount(3, kRunLimit);
    h.control.start();
    h.trials({3});
}

TEST(RunControl, ButtonsAndTimersFollowTheStateTable)
{
    using H = Harness;
    using C = ExperimentControl;
    const std::tuple<const char *, std::function<void(H &, C &)>, std::string_view> rows[] = {
        // clang-format off
        {"createdBeforeActivation", [](H &, C &c) { c.load(); }, kCreated},
        {"openingActivatesIntoReady", [](H &h, C &) { h.open(); }, kReady},
        {"startRuns", [](H &h, C &c) { h.open(); c.start(); }, kRunning},
        {"stopReturnsToReady",
            [](H &h, C &c) { h.open(); c.start(); h.trials({1}); c.stop(); }, kReady},
        {"countPastLimitFinishes", [](H &h, C &) { finish(h); }, kFinished},
        {"initClears", [](H &h, C &c) { h.open(); c.clearCounts(); }, kCleared},
        {"startFromCleared", [](H &h, C &c) { h.open(); c.clearCounts(); c.start(); }, kRunning},
        {"initAfterFinish", [](H &h, C &c) { finish(h); c.clearCounts(); }, kFinishedCleared},
        {"graphDisplayAfterFinish", [](H &h, C &c) { finish(h); c.showGraph(); }, kReady},
        {"graphDisplayFromFinishedCleared",
            [](H &h, C &c) { finish(h); c.clearCounts(); c.showGraph(); }, kCleared},
        {"activationFromFinishedCleared",
            [](H &h, C &c) { finish(h); c.clearCounts(); c.activate(); }, kFinished},
        {"restartedWithoutInitEndsAfterOneTrial",
            [](H &h, C &c) { finish(h); c.showGraph(); c.start(); h.trials({1}); }, kFinished},
        {"restartedAfterInitCountsAfresh",
            [](H &h, C &c) { finish(h); c.clearCounts(); c.showGraph(); c.start(); h.trials({3}); },
            kRunning},
        // clang-format on
    };
    for (const auto &[name, events, expected] : rows) {
        SCOPED_TRACE(name);
        Harness h;
        events(h, h.control);
        EXPECT_EQ(h.view.state(), expected);
    }
}

TEST(RunControl, StopKeepsAllInitClearsCountsAndCellsButNotHistoryOrTotal)
{
    Harness h;
    h.open();
    h.control.start();
    h.trials({1, 2, 2, 3, 4, 4, 4});
    h.control.stop();
    EXPECT_EQ(h.view.total, "7");
    EXPECT_TRUE(h.view.shows(1, Face::Tail) && h.view.shows(2, Face::Tail));
    h.control.flipTick();
    h.control.clearCounts();
    EXPECT_EQ(h.record.trials(), 0);
    EXPECT_EQ(h.view.cells, (std::array<std::array<std::string, 4>, 2>{}));
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
    h.trials({1});
    EXPECT_EQ(played(&ExperimentControl::stop), " then report stopped"); // said last
    EXPECT_EQ(played(&ExperimentControl::showGraph), " then graph");
    EXPECT_EQ(played(&ExperimentControl::clearCounts), "pinpon.wav! then report cleared");
    EXPECT_EQ(played(&ExperimentControl::showHelp), "pinpon.wav! then help");
    EXPECT_EQ(played(&ExperimentControl::exitProgram), "endpinpon.wav! then end");
    EXPECT_EQ(h.view.log[h.view.log.size() - 2], "Quindle: This software will exit.");
}

} // namespace
} // namespace quindle::testing
