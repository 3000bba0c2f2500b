#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWindow>

#include <functional>

class QWidget;

namespace quindle {

// Tells a window of the program when it becomes the program's active window: when it first
// gets the focus, and whenever the focus comes to it from another of the program's windows.
// Returning from another program is no activation. It follows the application's focus window
// and remembers which of the program's windows had the focus last, so focus leaving for
// another program (focus window null, or a window nobody registered) and coming back to the
// same window is ignored, while a window that closed counts as "another window".
class ActivationWatcher : public QObject
{
    Q_OBJECT
public:
    static ActivationWatcher &instance();

    // Calls onActivate, with window as context, each time window is activated.
    void watch(QWidget *window, std::function<void()> onActivate);

private:
    ActivationWatcher();
    void focusWindowChanged(QWindow *focus);

    QHash<QWidget *, std::function<void()>> m_handlers;
    QPointer<QWindow> m_lastFocus;
};

} // namespace quindle
