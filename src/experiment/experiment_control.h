// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The experiment: the trial step, run control and the coin flip animation of the experiment
// window, written against ExperimentView so they run and are tested without any window.
//
// Data flow: each tick of the trial timer runs one trial, which draws both coins from the
// random source (re-seeded from the clock before each coin), counts the outcome in the
// program-wide record, writes the count, total and ratio cells, and extends each outcome's
// history. Ticks of the flip timer turn the coin pictures over between trials. The buttons'
// and timers' enabled flags, held by the view, are the whole state of run control: there is no
// separate "running" flag.
//
// The record belongs to the program and outlives this object; everything held here (the trial
// total, the faces thrown, the two draws, the animation phase) belongs to one experiment window
// and is created afresh with it.

#include "experiment/experiment_record.h"
#include "experiment/experiment_view.h"
#include "experiment/int16.h"
#include "experiment/outcome.h"

#include <array>
#include <iterator>
#include <string>

namespace quindle {

class Clock;
class CueDevice;
class RandomSource;

class ExperimentControl
{
public:
    // Whether each of the six buttons can be pressed, in the order of kButtons.
    using ButtonStates = std::array<bool, std::size(kButtons)>;

    ExperimentControl(ExperimentRecord &record, ExperimentView &view, RandomSource &random,
                      Clock &clock, CueDevice &cues);

    // Window events.
    void load();
    void activate();
    void flipTick();
    void trialTick();

    // The buttons.
    void start();
    void stop();
    void exitProgram();
    void clearCounts(); // Init
    void showGraph();
    void showHelp();
    // One trial: the work of each trial tick, and of the window's hidden one-trial button.
    void runTrial();

    [[nodiscard]] Int16 total() const { return m_total; }
    [[nodiscard]] Int16 phase() const { return m_phase; }
    // The draw that decided coin 1 or coin 2 in the latest trial.
    [[nodiscard]] float draw(int coin) const { return coin == 1 ? m_draw1 : m_draw2; }

private:
    // Draws one coin and shows its face: the new face's picture first, then the other hidden.
    Face toss(int coin, float &draw);
    void showFace(int coin, Face face);
    void showRestPose();
    [[nodiscard]] bool anyCountPastLimit() const;
    void endRun();
    void halt(); // the timers stop and the buttons return to the ready state
    void showCountsAndTotal();
    void showRatios();
    void recordHistory();
    void setButtons(const ButtonStates &states);

    ExperimentRecord &m_record;
    ExperimentView &m_view;
    RandomSource &m_random;
    Clock &m_clock;
    CueDevice &m_cues;

    Int16 m_total = 0;
    float m_draw1 = 0.0F;
    float m_draw2 = 0.0F;
    Int16 m_phase = 0;
};

// Text of a count or total: decimal digits, no leading blank, no grouping.
[[nodiscard]] std::string decimalText(Int16 value);
// Text of a ratio in the pattern "0.000": at least one digit, a point, three decimals (or as
// many as asked for), an exact half rounded to the even neighbour. This is the plain form that
// files keep; the windows show it with the pupil's decimal sign.
[[nodiscard]] std::string ratioText(double ratio, int decimals = 3);

} // namespace quindle
