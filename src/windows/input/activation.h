// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QWindow>

#include <functional>

class QWidget;

namespace quindle {

// Tells a window of the program when it becomes the program's active window: when it is first
// shown, whether or not the focus follows (a Wayland compositor may give a new window none),
// and whenever the focus comes to it from another of the program's windows. Returning from
// another program is no activation. It follows the application's focus window and remembers
// which of the program's windows was activated last, so focus leaving for another program
// (focus window null, or a window nobody registered) and coming back to the same window is
// ignored, as is the focus arriving at a window its showing already activated; a window that
// closed counts as "another window".
class ActivationWatcher : public QObject
{
    Q_OBJECT
public:
    static ActivationWatcher &instance();

    // Calls onActivate, with window as context, each time window is activated.
    void watch(QWidget *window, std::function<void()> onActivate);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ActivationWatcher();
    void focusWindowChanged(QWindow *focus);
    void activate(QWidget *window);

    QHash<QWidget *, std::function<void()>> m_handlers;
    QPointer<QWindow> m_lastFocus;
};

} // namespace quindle
