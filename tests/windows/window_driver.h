#pragma once

// main() for the window tests (offscreen unless the caller chose a platform) and a driver that
// finds the program's controls through the layout tables and works them as a pupil would.

#include "app/program.h"
#include "app/startup.h"
#include "shared/run_states.h"
#include "windows/accessibility.h"
#include "windows/experiment/experiment_window_layout.h"
#include "windows/graph/graph_window_layout.h"
#include "windows/help/help_window_layout.h"
#include "windows/picture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace quindle::testing {

inline void click(QAbstractButton *button)
{
    QVERIFY(button && button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

// Waits until window is on screen and, where the platform gives new windows the focus, active.
// A Wayland compositor may give it none (weston's headless backend has no seat at all).
[[nodiscard]] inline bool waitShown(QWidget *window)
{
    return QTest::qWaitForWindowExposed(window) &&
           (QGuiApplication::platformName() == QLatin1String("wayland") ||
            QTest::qWaitForWindowActive(window));
}

inline void focus(QWidget *window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Runs the application's event loop as main() does, with action queued first, and returns the
// exit code it ends with, or 99 when it is still running after a while.
int runProgram(const std::function<void()> &action, int milliseconds = 400)
{
    QObject context;
    QTimer::singleShot(0, &context, action);
    QTimer::singleShot(milliseconds, &context, [] { QCoreApplication::exit(99); });
    return QApplication::exec();
}

class ProgramDriver
{
protected:
    void startProgram(std::uint64_t seed = 1)
    {
        m_program = std::make_unique<Program>(seed);
        m_program->showExperimentWindow();
        QVERIFY(waitShown(experiment()));
    }
    void endProgram() { m_program.reset(); }

    [[nodiscard]] ExperimentWindow *experiment() const { return m_program->experimentWindow(); }
    [[nodiscard]] GraphWindow *graph() const { return m_program->graphWindow(); }
    [[nodiscard]] HelpWindow *help() const { return m_program->helpWindow(); }
    [[nodiscard]] ExperimentRecord &record() const { return m_program->record(); }

    template<class T> [[nodiscard]] T *control(Role role) const
    {
        return findControl<T>(experiment(), experimentWindowLayout(), role);
    }
    [[nodiscard]] QPushButton *button(Button which) const
    {
        return findButton(experiment(), which);
    }
    [[nodiscard]] QLabel *cell(CellKind kind, int n) const
    {
        return control<QLabel>(experiment_roles::cell(kind, n));
    }
    [[nodiscard]] QLabel *trialTotal() const
    {
        return control<QLabel>(experiment_roles::trialTotal);
    }
    [[nodiscard]] Picture *face(int coin, Face face) const
    {
        return control<Picture>(experiment_roles::face(coin, face));
    }
    [[nodiscard]] QPushButton *graphClose() const
    {
        return findControl<QPushButton>(graph(), graphWindowLayout(), graph_roles::closeButton);
    }
    [[nodiscard]] QPushButton *helpClose() const
    {
        return findControl<QPushButton>(help(), helpWindowLayout(), help_roles::closeButton);
    }
    // The experiment window's run state, as in run_states.h.
    [[nodiscard]] std::string state() const
    {
        return runState([this](int b) { return button(kButtons[b])->isEnabled(); },
                        experiment()->timer(Timer::Flip)->isActive(),
                        experiment()->timer(Timer::Trial)->isActive());
    }
    [[nodiscard]] int trials() const
    {
        return record().count(1) + record().count(2) + record().count(3) + record().count(4);
    }

    void press(Button which) { click(button(which)); }
    void openGraph()
    {
        press(Button::GraphDisplay);
        QVERIFY(graph() && waitShown(graph()));
    }
    void openHelp()
    {
        press(Button::Help);
        QVERIFY(help() && waitShown(help()));
    }
    void runFor(int milliseconds)
    {
        press(Button::Start);
        QTest::qWait(milliseconds);
        press(Button::Stop);
    }

    std::unique_ptr<Program> m_program;
};

} // namespace quindle::testing

#define QUINDLE_WIDGET_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        quindle::identifyProgram();                                                                \
        QApplication app(argc, argv);                                                              \
        QApplication::setQuitOnLastWindowClosed(false);                                            \
        quindle::installFontSubstitutions();                                                       \
        quindle::installAccessibility();                                                           \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
