// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The cost of one trial step in the experiment core, without any window.

#include "experiment/clock.h"
#include "experiment/cue.h"
#include "experiment/experiment_control.h"
#include "experiment/random_source.h"

#include <benchmark/benchmark.h>

namespace {

using namespace quindle;

class NullView final : public ExperimentView
{
public:
    void setCellText(CellKind, int, std::string_view text) override
    {
        benchmark::DoNotOptimize(text);
    }
    void setTrialTotalText(std::string_view text) override { benchmark::DoNotOptimize(text); }
    void setFaceVisible(int, Face, bool) override {}
    void setButtonEnabled(Button, bool) override {}
    void setTimerEnabled(Timer timer, bool enabled) override
    {
        if (timer == Timer::Trial)
            m_running = enabled;
    }
    [[nodiscard]] bool isTimerEnabled(Timer) const override { return m_running; }
    void processPendingEvents() override {}
    void showGraphWindow() override {}
    void handOverToHelp() override {}
    void showMessage(std::string_view, std::string_view) override {}
    void endProgram() override {}
    void report(Report /*what*/) override {}

private:
    bool m_running = false;
};

class NullDevice final : public CueDevice
{
public:
    void setCommand(quindle::CueCommand) override {}
    void setFileName(std::string_view) override {}
};

void trialStep(benchmark::State &state)
{
    ExperimentRecord record;
    NullView view;
    Pcg32Source random;
    SystemClock clock;
    NullDevice device;
    ExperimentControl control(record, view, random, clock, device);
    control.start();
    for (auto _ : state) {
        control.runTrial();
        if (!view.isTimerEnabled(Timer::Trial)) { // the run ended: clear and go on
            control.clearCounts();
            control.showGraph();
            control.start();
        }
    }
}
BENCHMARK(trialStep);

} // namespace

BENCHMARK_MAIN();
