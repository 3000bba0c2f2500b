#pragma once

// The experiment window. It owns the controls laid out in form1Layout(), the two 1 ms timers
// and the hidden sound device, and hands every event to ExperimentControl, which holds the
// experiment's rules. What the window cannot do alone (the graph and help windows, ending the
// program) it asks of its host.

#include "experiment/experiment_control.h"
#include "experiment/form1_view.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QTimer;

namespace quindle {

class Announcer;
class Clock;
class MMControl;
class Picture;
class RandomSource;
class Form1;

class Form1Host
{
public:
    virtual ~Form1Host() = default;
    virtual void showGraphWindow() = 0;
    virtual void handOverToHelp(Form1 *form) = 0;
    virtual void endProgram() = 0;
};

class Form1 : public QWidget, private Form1View
{
    Q_OBJECT
public:
    Form1(Module1 &record, RandomSource &random, Clock &clock, Form1Host &host);
    ~Form1() override;

    [[nodiscard]] const ExperimentControl &control() const { return m_control; }
    [[nodiscard]] QTimer *timer(Timer which) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Form1View
    void setCaption(Caption label, std::string_view text) override;
    void setPictureVisible(int coin, Face face, bool visible) override;
    void setButtonEnabled(Button button, bool enabled) override;
    void setTimerEnabled(Timer timer, bool enabled) override;
    [[nodiscard]] bool isTimerEnabled(Timer timer) const override;
    void processPendingEvents() override;
    void showGraphWindow() override;
    void handOverToHelp() override;
    void showMessage(std::string_view text, std::string_view title) override;
    void endProgram() override;

    template<class Handler> void connectClick(const char *button, Handler handler);

    Form1Host &m_host;
    MMControl *m_mmControl = nullptr;
    std::array<QLabel *, 9> m_captions{};
    std::array<std::array<Picture *, 2>, 2> m_coins{};
    std::array<QPushButton *, 6> m_buttons{};
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
    Announcer *m_announcer = nullptr;
    QTimer *m_nextFrame = nullptr;
    QElapsedTimer m_lastFrame;
    ExperimentControl m_control;
};

} // namespace quindle
