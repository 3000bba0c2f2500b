// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/input/activation.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace quindle {

ActivationWatcher &ActivationWatcher::instance()
{
    static ActivationWatcher watcher;
    return watcher;
}

ActivationWatcher::ActivationWatcher()
{
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this,
            &ActivationWatcher::focusWindowChanged);
}

void ActivationWatcher::watch(QWidget *window, std::function<void()> onActivate)
{
    m_handlers.insert(window, std::move(onActivate));
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this, window] { m_handlers.remove(window); });
}

bool ActivationWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        // Only the first showing activates; being restored from a minimised state does not.
        auto *window = static_cast<QWidget *>(watched);
        window->removeEventFilter(this);
        if (window->windowHandle() != m_lastFocus)
            activate(window);
    }
    return false;
}

void ActivationWatcher::focusWindowChanged(QWindow *focus)
{
    if (!focus || focus == m_lastFocus)
        return;
    for (auto it = m_handlers.cbegin(); it != m_handlers.cend(); ++it) {
        if (it.key()->windowHandle() == focus) {
            activate(it.key());
            return;
        }
    }
}

void ActivationWatcher::activate(QWidget *window)
{
    const auto handler = m_handlers.constFind(window);
    if (handler == m_handlers.cend())
        return;
    m_lastFocus = window->windowHandle();
    const auto onActivate = handler.value(); // the handler may register or close windows
    onActivate();
}

} // namespace quindle
