// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "experiment/experiment_control.h"

#include "experiment/clock.h"
#include "experiment/cue.h"
#include "experiment/random_source.h"
#include "experiment/texts.h"

#include <charconv>

namespace quindle {

namespace {
constexpr float kFaceThreshold = 0.5F; // a draw below it is Head

// Between runs everything can be pressed but Stop; during a run, only Stop.
constexpr ExperimentControl::ButtonStates kReadyButtons{true, false, true, true, true, true};
constexpr ExperimentControl::ButtonStates kRunningButtons{false, true, false, false, false, false};
} // namespace

std::string decimalText(Int16 value)
{
    return std::to_string(value);
}

std::string ratioText(double ratio, int decimals)
{
    // to_chars knows no locale: the point is always a point.
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), ratio,
                                      std::chars_format::fixed, decimals);
    return {std::begin(buffer), result.ptr};
}

ExperimentControl::ExperimentControl(ExperimentRecord &record, ExperimentView &view,
                                     RandomSource &random, Clock &clock, CueDevice &cues)
    : m_record(record)
    , m_view(view)
    , m_random(random)
    , m_clock(clock)
    , m_cues(cues)
{}

void ExperimentControl::load()
{
    m_phase = 0;
}

void ExperimentControl::activate()
{
    // While a run is in progress the buttons stay as Start set them, so the run can still be
    // stopped after the pupil has looked at another window of the program.
    if (m_view.isTimerEnabled(Timer::Trial))
        return;
    showRestPose();
    m_view.setButtonEnabled(Button::Stop, false);
    m_view.setButtonEnabled(Button::Init, true);
}

void ExperimentControl::flipTick()
{
    // The two poses each show one head and one tail, so that both faces are on show at every
    // moment of the spin: the rest pose (coin 1 head, coin 2 tail), then the other way round.
    if (m_phase == 0) {
        showRestPose();
        m_phase = 1;
    } else {
        m_view.setFaceVisible(1, Face::Tail, true);
        m_view.setFaceVisible(1, Face::Head, false);
        m_view.setFaceVisible(2, Face::Tail, false);
        m_view.setFaceVisible(2, Face::Head, true);
        m_phase = 0;
    }
}

void ExperimentControl::trialTick()
{
    runTrial();
}

void ExperimentControl::start()
{
    setButtons(kRunningButtons);
    m_view.setTimerEnabled(Timer::Flip, true);
    m_view.setTimerEnabled(Timer::Trial, true);
}

void ExperimentControl::runTrial()
{
    const Face face1 = toss(1, m_draw1);
    const Face face2 = toss(2, m_draw2);
    m_record.addToCount(outcomeOf(face1, face2));
    if (anyCountPastLimit()) {
        endRun();
        return;
    }
    m_record.logTrial(face1, face2);
    showCountsAndTotal();
    showRatios();
    recordHistory();
    // Last of all: a nested tick, a flip or a Stop that runs in here finds the trial complete.
    m_view.processPendingEvents();
}

bool ExperimentControl::anyCountPastLimit() const
{
    for (int n = 1; n <= kOutcomes; ++n) {
        if (m_record.count(n) > kRunLimit)
            return true;
    }
    return false;
}

void ExperimentControl::endRun()
{
    // The cells, the total and the history stay as the previous trial left them, and no
    // events are processed; the final trial's faces stay on show.
    halt();
    m_view.setButtonEnabled(Button::Start, false);
    m_view.report(Report::RunFinished);
}

void ExperimentControl::showCountsAndTotal()
{
    for (int n = 1; n <= kOutcomes; ++n)
        m_view.setCellText(CellKind::Count, n, decimalText(m_record.count(n)));
    m_total = m_record.trials();
    m_view.setTrialTotalText(decimalText(m_total));
}

void ExperimentControl::showRatios()
{
    for (int n = 1; n <= kOutcomes; ++n)
        m_view.setCellText(CellKind::Ratio, n, ratioText(ratioOf(m_record.count(n), m_total)));
}

void ExperimentControl::recordHistory()
{
    for (int n = 1; n <= kOutcomes; ++n) {
        const Int16 index = m_record.count(n);
        // Checked before the percentage is worked out, so a count outside the history's
        // bounds raises a subscript error with nothing of this outcome written.
        History::checkIndex(index);
        m_record.recordHistory(n, index, percentage(index, m_total));
    }
}

void ExperimentControl::stop()
{
    halt();
    m_view.report(Report::RunStopped);
}

void ExperimentControl::halt()
{
    m_view.setTimerEnabled(Timer::Flip, false);
    m_view.setTimerEnabled(Timer::Trial, false);
    setButtons(kReadyButtons);
}

void ExperimentControl::exitProgram()
{
    playCue(m_cues, kExitCue);
    //: The message box Exit shows before the program ends.
    m_view.showMessage(QT_TRANSLATE_NOOP("quindle::ExperimentControl", "This software will exit."),
                       "Quindle");
    m_view.endProgram();
}

void ExperimentControl::clearCounts()
{
    playCue(m_cues, kChimeCue);
    m_phase = 0;
    for (int n = 1; n <= kOutcomes; ++n)
        m_record.clearCount(n);
    m_record.clearTrialLog();
    showRestPose();
    m_view.setButtonEnabled(Button::Stop, false);
    m_view.setButtonEnabled(Button::Init, false);
    for (CellKind kind : {CellKind::Count, CellKind::Ratio}) {
        for (int n = 1; n <= kOutcomes; ++n)
            m_view.setCellText(kind, n, "");
    }
    m_view.report(Report::CountsCleared);
}

void ExperimentControl::showGraph()
{
    m_view.showGraphWindow();
    m_view.setButtonEnabled(Button::Start, true);
}

void ExperimentControl::showHelp()
{
    playCue(m_cues, kChimeCue);
    m_view.handOverToHelp();
}

Face ExperimentControl::toss(int coin, float &draw)
{
    m_random.reseed(m_clock.secondsSinceMidnight());
    draw = m_random.next();
    const Face face = draw < kFaceThreshold ? Face::Head : Face::Tail;
    showFace(coin, face);
    return face;
}

void ExperimentControl::showFace(int coin, Face face)
{
    m_view.setFaceVisible(coin, face, true);
    m_view.setFaceVisible(coin, face == Face::Head ? Face::Tail : Face::Head, false);
}

void ExperimentControl::showRestPose()
{
    m_view.setFaceVisible(1, Face::Head, true);
    m_view.setFaceVisible(1, Face::Tail, false);
    m_view.setFaceVisible(2, Face::Head, false);
    m_view.setFaceVisible(2, Face::Tail, true);
}

void ExperimentControl::setButtons(const ButtonStates &states)
{
    for (std::size_t i = 0; i < states.size(); ++i)
        m_view.setButtonEnabled(kButtons[i], states[i]);
}

} // namespace quindle
