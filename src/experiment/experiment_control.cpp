#include "experiment_control.h"

#include "clock.h"
#include "random_source.h"
#include "sound/play_cue.h"

#include <charconv>
#include <cmath>

namespace quindle {

namespace {
constexpr float kFaceThreshold = 0.5F;
constexpr double kPercentScale = 100.0;
} // namespace

std::string decimalText(Int16 value)
{
    return std::to_string(value);
}

std::string ratioText(double ratio)
{
    char buffer[32];
    const auto result =
        std::to_chars(std::begin(buffer), std::end(buffer), ratio, std::chars_format::fixed, 3);
    return {std::begin(buffer), result.ptr};
}

Int16 percentage(Int16 count, Int16 total)
{
    const double quotient = static_cast<double>(count) / static_cast<double>(total);
    return roundToInt16(quotient * kPercentScale);
}

ExperimentControl::ExperimentControl(Module1 &record, Form1View &view, RandomSource &random,
                                     Clock &clock, MciDevice &sound)
    : m_record(record)
    , m_view(view)
    , m_random(random)
    , m_clock(clock)
    , m_sound(sound)
{}

void ExperimentControl::load()
{
    m_phase = 0;
}

void ExperimentControl::activate()
{
    // While a run is in progress the buttons stay as Start set them, so the run can still be
    // stopped after the pupil has looked at another window of the program.
    if (m_view.isTimerEnabled(Timer::Timer2))
        return;
    showRestPose();
    m_view.setButtonEnabled(Button::Command3, false);
    m_view.setButtonEnabled(Button::Command5, true);
}

void ExperimentControl::timer1Tick()
{
    if (m_phase == 0) {
        showRestPose();
        m_phase = 1;
    } else {
        m_view.setPictureVisible(1, Face::Tail, true);
        m_view.setPictureVisible(1, Face::Head, false);
        m_view.setPictureVisible(2, Face::Tail, false);
        m_view.setPictureVisible(2, Face::Head, true);
        m_phase = 0;
    }
}

void ExperimentControl::timer2Tick()
{
    command2Click();
}

void ExperimentControl::command1Click()
{
    setButtons(false, true, false, false, false, false);
    m_view.setTimerEnabled(Timer::Timer1, true);
    m_view.setTimerEnabled(Timer::Timer2, true);
}

void ExperimentControl::command2Click()
{
    toss(1, m_rnd1, m_head1, m_tail1);
    toss(2, m_rnd2, m_head2, m_tail2);

    if (m_head1 == 1 && m_head2 == 1)
        m_record.addToCount(1);
    else if (m_head1 == 1 && m_tail2 == 1)
        m_record.addToCount(2);
    else if (m_tail1 == 1 && m_head2 == 1)
        m_record.addToCount(3);
    else if (m_tail1 == 1 && m_tail2 == 1)
        m_record.addToCount(4);

    for (int n = 1; n <= kOutcomes; ++n) {
        if (m_record.count(n) > kRunLimit) {
            // The run ends here: labels, total and history stay as the previous trial left
            // them, and no events are processed.
            command3Click();
            m_view.setButtonEnabled(Button::Command1, false);
            clearFaceFlags();
            return;
        }
    }

    clearFaceFlags();
    for (int n = 1; n <= kOutcomes; ++n)
        m_view.setCaption(dosuu(n), decimalText(m_record.count(n)));

    m_total =
        checkedAdd(checkedAdd(checkedAdd(m_record.count(2), m_record.count(1)), m_record.count(3)),
                   m_record.count(4));
    m_view.setCaption(Caption::Label17, decimalText(m_total));

    for (int n = 1; n <= kOutcomes; ++n) {
        const double ratio = static_cast<double>(m_record.count(n)) / static_cast<double>(m_total);
        m_view.setCaption(kaku(n), ratioText(ratio));
    }

    for (int n = 1; n <= kOutcomes; ++n) {
        const Int16 index = m_record.count(n);
        History::checkIndex(index);
        m_record.recordHistory(n, index, percentage(index, m_total));
    }

    m_view.processPendingEvents();
}

void ExperimentControl::command3Click()
{
    m_view.setTimerEnabled(Timer::Timer1, false);
    m_view.setTimerEnabled(Timer::Timer2, false);
    setButtons(true, false, true, true, true, true);
}

void ExperimentControl::command4Click()
{
    PlayCue(m_sound, kEndPinponCue);
    m_view.showMessage("This software will exit.", "Quindle");
    m_view.endProgram();
}

void ExperimentControl::command5Click()
{
    PlayCue(m_sound, kPinponCue);
    m_phase = 0;
    for (int n = 1; n <= kOutcomes; ++n)
        m_record.clearCount(n);
    showRestPose();
    m_view.setButtonEnabled(Button::Command3, false);
    m_view.setButtonEnabled(Button::Command5, false);
    for (int n = 1; n <= kOutcomes; ++n)
        m_view.setCaption(dosuu(n), "");
    for (int n = 1; n <= kOutcomes; ++n)
        m_view.setCaption(kaku(n), "");
}

void ExperimentControl::command6Click()
{
    m_view.showGraphWindow();
    m_view.setButtonEnabled(Button::Command1, true);
}

void ExperimentControl::command7Click()
{
    PlayCue(m_sound, kPinponCue);
    m_view.handOverToHelp();
}

void ExperimentControl::toss(int coin, float &rnd, Int16 &head, Int16 &tail)
{
    m_random.reseed(m_clock.secondsSinceMidnight());
    rnd = m_random.next();
    if (rnd < kFaceThreshold) {
        showFace(coin, Face::Head);
        head = 1;
    } else {
        showFace(coin, Face::Tail);
        tail = 1;
    }
}

void ExperimentControl::showFace(int coin, Face face)
{
    m_view.setPictureVisible(coin, face, true);
    m_view.setPictureVisible(coin, face == Face::Head ? Face::Tail : Face::Head, false);
}

void ExperimentControl::showRestPose()
{
    m_view.setPictureVisible(1, Face::Head, true);
    m_view.setPictureVisible(1, Face::Tail, false);
    m_view.setPictureVisible(2, Face::Head, false);
    m_view.setPictureVisible(2, Face::Tail, true);
}

void ExperimentControl::clearFaceFlags()
{
    m_head1 = 0;
    m_tail1 = 0;
    m_head2 = 0;
    m_tail2 = 0;
}

void ExperimentControl::setButtons(bool start, bool stop, bool exit, bool init, bool graph,
                                   bool help)
{
    m_view.setButtonEnabled(Button::Command1, start);
    m_view.setButtonEnabled(Button::Command3, stop);
    m_view.setButtonEnabled(Button::Command4, exit);
    m_view.setButtonEnabled(Button::Command5, init);
    m_view.setButtonEnabled(Button::Command6, graph);
    m_view.setButtonEnabled(Button::Command7, help);
}

} // namespace quindle
