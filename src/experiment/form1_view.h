#pragma once

// What the experiment's handlers need of the experiment window: the window operations they
// perform, named after the controls they act on. The Qt window implements this; tests
// implement it with a recorder, so the whole experiment runs without any window.

#include <string_view>

namespace quindle {

// The six visible buttons: Start, Stop, Exit, Init, Graph display, Help.
enum class Button { Command1, Command3, Command4, Command5, Command6, Command7 };
inline constexpr Button kButtons[] = {Button::Command1, Button::Command3, Button::Command4,
                                      Button::Command5, Button::Command6, Button::Command7};

// Timer1 flips the coins; Timer2 paces the trials.
enum class Timer { Timer1, Timer2 };

// A coin's face is also the index of its picture in the coin's two-picture array.
enum class Face { Head = 0, Tail = 1 };

// The labels the handlers write: dosuu1..dosuu4 (counts), kaku1..kaku4 (ratios), Label17 (total).
enum class Caption { dosuu1, dosuu2, dosuu3, dosuu4, kaku1, kaku2, kaku3, kaku4, Label17 };
[[nodiscard]] constexpr Caption dosuu(int outcome)
{
    return static_cast<Caption>(static_cast<int>(Caption::dosuu1) + outcome - 1);
}
[[nodiscard]] constexpr Caption kaku(int outcome)
{
    return static_cast<Caption>(static_cast<int>(Caption::kaku1) + outcome - 1);
}

class Form1View
{
public:
    virtual ~Form1View() = default;

    virtual void setCaption(Caption label, std::string_view text) = 0;
    // Shows or hides picture `face` of coin1 (coin == 1) or coin2 (coin == 2).
    virtual void setPictureVisible(int coin, Face face, bool visible) = 0;
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
};

} // namespace quindle
