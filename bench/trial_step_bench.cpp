// The cost of one trial step in the experiment core, without any window.

#include "experiment/clock.h"
#include "experiment/experiment_control.h"
#include "experiment/random_source.h"
#include "sound/play_cue.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quindle;

class NullView final : public Form1View
{
public:
    void setCaption(Caption, std::string_view text) override { benchmark::DoNotOptimize(text); }
    void setPictureVisible(int, Face, bool) override {}
    void setButtonEnabled(Button, bool) override {}
    void setTimerEnabled(Timer timer, bool enabled) override
    {
        if (timer == Timer::Timer2)
            m_running = enabled;
    }
    [[nodiscard]] bool isTimerEnabled(Timer) const override { return m_running; }
    void processPendingEvents() override {}
    void showGraphWindow() override {}
    void handOverToHelp() override {}
    void showMessage(std::string_view, std::string_view) override {}
    void endProgram() override {}

private:
    bool m_running = false;
};

class NullDevice final : public MciDevice
{
public:
    void setCommand(std::string_view) override {}
    void setFileName(std::string_view) override {}
};

void trialStep(benchmark::State &state)
{
    Module1 record;
    NullView view;
    Pcg32Source random;
    SystemClock clock;
    NullDevice device;
    ExperimentControl control(record, view, random, clock, device);
    control.command1Click();
    for (auto _ : state) {
        control.command2Click();
        if (!view.isTimerEnabled(Timer::Timer2)) {
            control.command5Click();
            control.command6Click();
            control.command1Click();
        }
    }
}
BENCHMARK(trialStep);

} // namespace

BENCHMARK_MAIN();
