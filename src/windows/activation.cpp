#include "activation.h"

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
    connect(window, &QObject::destroyed, this, [this, window] { m_handlers.remove(window); });
}

void ActivationWatcher::focusWindowChanged(QWindow *focus)
{
    if (!focus || focus == m_lastFocus)
        return;
    for (auto it = m_handlers.cbegin(); it != m_handlers.cend(); ++it) {
        if (it.key()->windowHandle() == focus) {
            m_lastFocus = focus;
            const auto onActivate = it.value(); // the handler may register or close windows
            onActivate();
            return;
        }
    }
}

} // namespace quindle
