#pragma once

// The program: owns the experiment record for the program's whole life, the random source and
// the clock, and the lifetimes of its windows. The experiment window is the start-up window;
// the program ends on Exit, or when its last window closes.

#include "experiment/clock.h"
#include "experiment/random_source.h"
#include "experiment/record.h"
#include "windows/experiment/form1.h"
#include "windows/graph/form2.h"
#include "windows/help/form4.h"

#include <QObject>
#include <QPointer>

namespace quindle {

class Program final : public QObject, public Form1Host
{
    Q_OBJECT
public:
    explicit Program(std::uint64_t randomState);
    ~Program() override;

    // Creates the experiment window in its state at creation, shows it and gives it the focus.
    Form1 *showForm1();

    [[nodiscard]] Module1 &record() { return m_record; }
    [[nodiscard]] Form1 *form1() const { return m_form1; }
    [[nodiscard]] Form2 *form2() const { return m_form2; }
    [[nodiscard]] Form4 *form4() const { return m_form4; }

    // Form1Host
    void showGraphWindow() override;
    void handOverToHelp(Form1 *form) override;
    void endProgram() override;

private:
    Module1 m_record;
    Pcg32Source m_random;
    SystemClock m_clock;
    QPointer<Form1> m_form1;
    QPointer<Form2> m_form2;
    QPointer<Form4> m_form4;

    void closeHelp();
};

// Large blocks (a window's drawing, a decoded cue) go straight back to the system when freed.
// glibc otherwise raises its mmap threshold after the first such block is freed and serves the
// next ones from the heap, which then grows with every graph window opened and closed.
void keepLargeBlocksOutOfTheHeap();

// Shows a top-level window and asks for the focus, so that it becomes the active window even
// where no window manager activates new windows.
void showActive(QWidget *window);

} // namespace quindle
