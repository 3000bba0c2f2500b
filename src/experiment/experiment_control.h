#pragma once

// The experiment: the trial step, run control and the coin flip animation of the experiment
// window, written against Form1View so they run and are tested without any window.
//
// Data flow: a Timer2 tick runs one trial, which draws both coins from the random source
// (re-seeded from the clock before each coin), counts the outcome in the program-wide record,
// writes the count, total and ratio labels, and extends each outcome's history. Timer1 ticks
// flip the coin pictures between trials. The buttons' and timers' enabled flags, held by the
// view, are the whole state of run control: there is no separate "running" flag.
//
// The record belongs to the program and outlives this object; everything held here (the trial
// total, the face flags, the two draws, the animation phase) belongs to one experiment window
// and is created afresh with it.

#include "form1_view.h"
#include "int16.h"
#include "record.h"

#include <string>

namespace quindle {

class Clock;
class MciDevice;
class RandomSource;

inline constexpr Int16 kRunLimit = 1000;

class ExperimentControl
{
public:
    ExperimentControl(Module1 &record, Form1View &view, RandomSource &random, Clock &clock,
                      MciDevice &sound);

    // Window events.
    void load();
    void activate();
    void timer1Tick();
    void timer2Tick();

    // Button clicks.
    void command1Click(); // Start
    void command2Click(); // the hidden button: one trial
    void command3Click(); // Stop; also called by the trial that ends a run
    void command4Click(); // Exit
    void command5Click(); // Init
    void command6Click(); // Graph display
    void command7Click(); // Help

    [[nodiscard]] Int16 total() const { return m_total; }
    [[nodiscard]] Int16 phase() const { return m_phase; }
    [[nodiscard]] float rnd1() const { return m_rnd1; }
    [[nodiscard]] float rnd2() const { return m_rnd2; }

private:
    // Draws one coin and shows its face: the new face's picture first, then the other hidden.
    void toss(int coin, float &rnd, Int16 &head, Int16 &tail);
    void showFace(int coin, Face face);
    void showRestPose();
    void clearFaceFlags();
    void setButtons(bool start, bool stop, bool exit, bool init, bool graph, bool help);

    Module1 &m_record;
    Form1View &m_view;
    RandomSource &m_random;
    Clock &m_clock;
    MciDevice &m_sound;

    Int16 m_total = 0;
    Int16 m_head1 = 0;
    Int16 m_tail1 = 0;
    Int16 m_head2 = 0;
    Int16 m_tail2 = 0;
    float m_rnd1 = 0.0F;
    float m_rnd2 = 0.0F;
    Int16 m_phase = 0;
};

// Text of a count or total: decimal digits, no leading blank.
[[nodiscard]] std::string decimalText(Int16 value);
// Text of a ratio in the pattern "0.000": at least one digit, a point, three decimals.
[[nodiscard]] std::string ratioText(double ratio);
// countN / total x 100, rounded half to even, as stored in the history.
[[nodiscard]] Int16 percentage(Int16 count, Int16 total);

} // namespace quindle
