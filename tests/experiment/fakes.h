#pragma once

// Stand-ins for the experiment window, the random source, the clock and the sound device,
// so the experiment's handlers run without any window and every effect can be inspected.

#include "experiment/clock.h"
#include "experiment/experiment_control.h"
#include "experiment/form1_view.h"
#include "experiment/random_source.h"
#include "sound/play_cue.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace quindle::testing {

// Names a table-driven test's row after its `name` member.
template<class Row> std::string rowName(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

struct ButtonFlags
{
    bool start = true, stop = true, exit = true, init = true, graph = true, help = true;
    bool timer1 = false, timer2 = false;
    bool operator==(const ButtonFlags &) const = default;
};

// Records the window's state as the handlers leave it, and every operation in order.
class FakeView final : public Form1View
{
public:
    void setCaption(Caption label, std::string_view text) override
    {
        captions[static_cast<std::size_t>(label)] = std::string(text);
        log.push_back("caption " + std::to_string(static_cast<int>(label)) + " " +
                      std::string(text));
    }
    void setPictureVisible(int coin, Face face, bool visible) override
    {
        pictures[static_cast<std::size_t>(coin - 1)][static_cast<std::size_t>(face)] = visible;
        log.push_back(std::string(visible ? "show " : "hide ") + "coin" + std::to_string(coin) +
                      "(" + std::to_string(static_cast<int>(face)) + ")");
    }
    void setButtonEnabled(Button button, bool enabled) override
    {
        flag(button) = enabled;
        log.push_back("button");
    }
    void setTimerEnabled(Timer timer, bool enabled) override
    {
        (timer == Timer::Timer1 ? flags.timer1 : flags.timer2) = enabled;
        log.push_back("timer");
    }
    [[nodiscard]] bool isTimerEnabled(Timer timer) const override
    {
        return timer == Timer::Timer1 ? flags.timer1 : flags.timer2;
    }
    void processPendingEvents() override
    {
        log.push_back("events");
        ++eventPasses;
        if (onEvents)
            onEvents();
    }
    void showGraphWindow() override { log.push_back("graph"); }
    void handOverToHelp() override { log.push_back("help"); }
    void showMessage(std::string_view text, std::string_view title) override
    {
        log.push_back("message " + std::string(title) + ": " + std::string(text));
    }
    void endProgram() override { log.push_back("end"); }

    [[nodiscard]] const std::string &caption(Caption label) const
    {
        return captions[static_cast<std::size_t>(label)];
    }
    [[nodiscard]] bool visible(int coin, Face face) const
    {
        return pictures[static_cast<std::size_t>(coin - 1)][static_cast<std::size_t>(face)];
    }
    bool &flag(Button button)
    {
        switch (button) {
        case Button::Command1:
            return flags.start;
        case Button::Command3:
            return flags.stop;
        case Button::Command4:
            return flags.exit;
        case Button::Command5:
            return flags.init;
        case Button::Command6:
            return flags.graph;
        case Button::Command7:
            return flags.help;
        }
        return flags.start;
    }

    ButtonFlags flags;
    std::array<std::string, 9> captions{};
    std::array<std::array<bool, 2>, 2> pictures{{{true, true}, {true, true}}};
    std::vector<std::string> log;
    int eventPasses = 0;
    std::function<void()> onEvents;
};

// Hands out the draws it is given, in order; past the script it repeats the last one.
class ScriptedRandom final : public RandomSource
{
public:
    void reseed(float seed) override { seeds.push_back(seed); }
    [[nodiscard]] float next() override
    {
        if (draws.size() > 1) {
            const float d = draws.front();
            draws.pop_front();
            return d;
        }
        return draws.empty() ? 0.0F : draws.front();
    }
    std::deque<float> draws;
    std::vector<float> seeds;
};

class FakeClock final : public Clock
{
public:
    [[nodiscard]] float secondsSinceMidnight() override
    {
        const auto now = static_cast<float>(m_now);
        m_now += step;
        return now;
    }
    explicit FakeClock(double start = 43200.0, double stepSeconds = 0.0)
        : m_now(start)
        , step(stepSeconds)
    {}

private:
    double m_now;

public:
    double step;
};

class RecordingDevice final : public MciDevice
{
public:
    void setCommand(std::string_view command) override
    {
        writes.push_back("Command=" + std::string(command));
    }
    void setFileName(std::string_view fileName) override
    {
        writes.push_back("FileName=" + std::string(fileName));
    }
    std::vector<std::string> writes;
};

// Draws that give each outcome: coin 1 then coin 2, below 0.5 is Head.
inline constexpr float kHead = 0.25F;
inline constexpr float kTail = 0.75F;
inline std::pair<float, float> drawsFor(int outcome)
{
    return {outcome <= 2 ? kHead : kTail, outcome % 2 == 1 ? kHead : kTail};
}

// One experiment window's worth of handlers over fakes, with a record shared by reference.
struct Harness
{
    explicit Harness(Module1 &sharedRecord)
        : record(sharedRecord)
        , control(record, view, random, clock, sound)
    {}

    // The window as the program opens it: created, loaded, shown and activated.
    void open()
    {
        control.load();
        control.activate();
    }
    // Queues the draws for a trial with the given outcome and runs it.
    void trial(int outcome)
    {
        const auto [first, second] = drawsFor(outcome);
        random.draws = {first, second};
        control.command2Click();
    }

    Module1 &record;
    FakeView view;
    ScriptedRandom random;
    FakeClock clock;
    RecordingDevice sound;
    ExperimentControl control;
};

} // namespace quindle::testing
