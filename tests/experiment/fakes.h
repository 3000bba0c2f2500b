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
#include <vector>

namespace quindle::testing {

inline std::size_t at(auto index)
{
    return static_cast<std::size_t>(index);
}

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
        log.push_back("events");
        if (onEvents)
            onEvents();
    }
    void showGraphWindow() override { log.push_back("graph"); }
    void handOverToHelp() override { log.push_back("help"); }
    void showMessage(std::string_view text, std::string_view title) override
    {
        log.push_back(std::string(title) + ": " + std::string(text));
    }
    void endProgram() override { log.push_back("end"); }
    void report(Report what) override
    {
        const char *const words[] = {"stopped", "finished", "cleared"};
        log.push_back(std::string("report ") + words[at(what)]);
    }
    void setCommand(CueCommand command) override
    {
        const char *const names[] = {"Stop", "Close", "Open", "Sound"};
        log.emplace_back(names[at(command)]);
    }
    void setFileName(std::string_view name) override { log.push_back("file " + std::string(name)); }

    [[nodiscard]] const std::string &cell(CellKind kind, int n) const
    {
        return cells[at(kind)][at(n - 1)];
    }
    [[nodiscard]] bool shows(int coin, Face face) const { return faces[at(coin - 1)][at(face)]; }
    [[nodiscard]] std::string state() const
    {
        return runState([this](int b) { return buttons[at(b)]; }, flip, trial);
    }

    std::array<std::array<std::string, 4>, 2> cells{};
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
        now += step;
        return static_cast<float>(now - step);
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
    // Runs one trial whose coins land as outcome (1..4) says: below 0.5 is Head.
    void trial(int outcome)
    {
        coins.draws = {outcome <= 2 ? 0.25F : 0.75F, outcome % 2 == 1 ? 0.25F : 0.75F};
        control.runTrial();
    }

    ExperimentRecord record;
    FakeView view;
    ScriptedCoins coins;
    ExperimentControl control{record, view, coins, coins, view};
};

} // namespace quindle::testing
