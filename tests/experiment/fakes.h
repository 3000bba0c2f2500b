// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Stand-ins for the experiment window, random source, clock and sound device.

#include "experiment/clock.h"
#include "experiment/cue.h"
#include "experiment/experiment_control.h"
#include "experiment/random_source.h"
#include "shared/run_states.h"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace quindle::testing {

inline constexpr auto at = [](auto index) { return static_cast<std::size_t>(index); };

// Keeps what the handlers leave on the window; logs faces, events, windows and cues in order.
class FakeView final : public ExperimentView, public CueDevice
{
public:
    void setCellText(CellKind kind, int n, std::string_view text) override
    {
        cells[at(kind)][at(n - 1)] = text;
    }
    void setTrialTotalText(std::string_view text) override { total = text; }
    void setFaceVisible(int coin, Face face, bool visible) override
    {
        faces[at(coin - 1)][at(face)] = visible;
        log.push_back((visible ? "show " : "hide ") + std::to_string(coin) + "HT"[at(face)]);
    }
    void setButtonEnabled(Button button, bool on) override { buttons[at(button)] = on; }
    void setTimerEnabled(Timer t, bool on) override { (t == Timer::Flip ? flip : trial) = on; }
    bool isTimerEnabled(Timer t) const override { return t == Timer::Flip ? flip : trial; }
    void processPendingEvents() override
    {
        log.emplace_back("events");
        if (onEvents)
            onEvents();
    }
    void showGraphWindow() override { log.emplace_back("graph"); }
    void handOverToHelp() override { log.emplace_back("help"); }
    void showMessage(std::string_view text, std::string_view title) override
    {
        log.push_back(std::string(title) + ": " + std::string(text));
    }
    void endProgram() override { log.emplace_back("end"); }
    void report(Report what) override
    {
        log.push_back(std::string("report ") +
                      std::array{"stopped", "finished", "cleared"}[at(what)]);
    }
    void setCommand(CueCommand c) override
    {
        log.emplace_back(std::array{"Stop", "Close", "Open", "Sound"}[at(c)]);
    }
    void setFileName(std::string_view name) override { log.push_back("file " + std::string(name)); }

    [[nodiscard]] bool shows(int coin, Face face) const { return faces[at(coin - 1)][at(face)]; }
    [[nodiscard]] std::string state() const
    {
        return runState([this](int b) { return buttons[at(b)]; }, flip, trial);
    }

    std::array<std::array<std::string, 4>, 2> cells{}; // counts, then ratios
    std::string total;
    std::array<std::array<bool, 2>, 2> faces{{{true, true}, {true, true}}};
    std::array<bool, 6> buttons{true, true, true, true, true, true};
    bool flip = false, trial = false;
    std::vector<std::string> log;
    std::function<void()> onEvents;
};

// Hands out the draws it is given, repeating the last; its clock stands at noon unless `step`.
class ScriptedCoins final : public RandomSource, public Clock
{
public:
    [[nodiscard]] float secondsSinceMidnight() override
    {
        return static_cast<float>(std::exchange(now, now + step));
    }
    void reseed(float seed) override { seeds.push_back(seed); }
    [[nodiscard]] float next() override
    {
        const float draw = draws.empty() ? 0.0F : draws.front();
        if (draws.size() > 1)
            draws.pop_front();
        return draw;
    }
    std::deque<float> draws;
    std::vector<float> seeds;
    double now = 43200.0, step = 0;
};

// One experiment window's worth of handlers over fakes.
struct Harness
{
    void open() // as the program opens the window
    {
        control.load();
        control.activate();
    }
    // Runs one trial per outcome (1..4) given, its coins landing as it says: below 0.5 is Head.
    void trials(std::initializer_list<int> outcomes)
    {
        for (const int outcome : outcomes) {
            coins.draws = {outcome <= 2 ? 0.25F : 0.75F, outcome % 2 == 1 ? 0.25F : 0.75F};
            control.runTrial();
        }
    }

    ExperimentRecord record;
    FakeView view;
    ScriptedCoins coins;
    ExperimentControl control{record, view, coins, coins, view};
};

} // namespace quindle::testing
