// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What the experiment's handlers need of the experiment window: the window operations they
// perform. The Qt window implements this; tests implement it with a recorder, so the whole
// experiment runs without any window.

#include <string_view>

namespace quindle {

// The six buttons the pupil can press.
enum class Button { Start, Stop, Exit, Init, GraphDisplay, Help };
inline constexpr Button kButtons[] = {Button::Start, Button::Stop,         Button::Exit,
                                      Button::Init,  Button::GraphDisplay, Button::Help};

// Flip turns the coins over between trials; Trial paces the trials.
enum class Timer { Flip, Trial };

// A coin's face is also the index of its picture in the coin's two-picture array.
enum class Face { Head = 0, Tail = 1 };

// What the pupil is told in words (by a screen reader) when a run or its counts change state.
enum class Report { RunStopped, RunFinished, CountsCleared };

// The table's two value rows: how often each outcome came up, and its share of all trials.
enum class CellKind { Count, Ratio };

class ExperimentView
{
public:
    virtual ~ExperimentView() = default;

    // The value cell of an outcome (1..4) in the count or the ratio row. Numbers come in their
    // plain form ("0.257"); the window writes them as the pupil's language does.
    virtual void setCellText(CellKind kind, int outcome, std::string_view text) = 0;
    // The number of trials under the table.
    virtual void setTrialTotalText(std::string_view text) = 0;
    // Shows or hides the picture of one face of coin 1 or coin 2.
    virtual void setFaceVisible(int coin, Face face, bool visible) = 0;
    virtual void setButtonEnabled(Button button, bool enabled) = 0;
    virtual void setTimerEnabled(Timer timer, bool enabled) = 0;
    [[nodiscard]] virtual bool isTimerEnabled(Timer timer) const = 0;
    // Lets the window system repaint and deliver queued input and timer ticks.
    virtual void processPendingEvents() = 0;

    // Creates the graph window if needed and shows it modeless, or brings it to the front.
    virtual void showGraphWindow() = 0;
    // Closes this window and shows the help window in its place.
    virtual void handOverToHelp() = 0;
    // A modal box with the text, the title and a single OK button; returns when dismissed.
    virtual void showMessage(std::string_view text, std::string_view title) = 0;
    // Closes every window of the program and ends it.
    virtual void endProgram() = 0;
    // Tells what just happened in words, once the window shows its outcome.
    virtual void report(Report what) = 0;
};

} // namespace quindle
