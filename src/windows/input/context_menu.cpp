// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/input/context_menu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
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

QAction *makeStreaksAction(QWidget *window, std::function<void()> requested)
{
    //: A window's context menu: opens the streaks window, on the run or on the class.
    auto *streaks =
        new QAction(QCoreApplication::translate("quindle::ContextMenu", "Streaks…"), window);
    streaks->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    QObject::connect(streaks, &QAction::triggered, window, std::move(requested));
    return streaks;
}

} // namespace quindle
