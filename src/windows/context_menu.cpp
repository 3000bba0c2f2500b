#include "context_menu.h"
#include "windows/translation.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QShortcut>
#include <QWidget>

namespace quindle {

void useActionsAsContextMenu(QWidget *window)
{
    window->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), window);
    QObject::connect(menuKey, &QShortcut::activated, window, [window] {
        QWidget *at = window->focusWidget() ? window->focusWidget() : window;
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at->rect().center(),
                                at->mapToGlobal(at->rect().center()));
        QCoreApplication::sendEvent(window, &event);
    });
}

void saveThroughDialog(QWidget *window, const QString &title, const QString &suggested,
                       const QString &filter, const std::function<QString(const QString &)> &save)
{
    const QString path = QFileDialog::getSaveFileName(window, title, suggested, filter);
    if (path.isEmpty())
        return;
    if (const QString why = save(path); !why.isEmpty())
        QMessageBox::warning(window, title, ui("%1 could not be saved: %2").arg(path, why));
}

} // namespace quindle
