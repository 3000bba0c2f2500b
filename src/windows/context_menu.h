#pragma once

// What the windows' context menus share.

#include <QString>

#include <functional>

class QWidget;

namespace quindle {

// The window's actions become its context menu, reached with a right click, the Menu key or
// Shift+F10 (at the focused control); the window shows no new control.
void useActionsAsContextMenu(QWidget *window);

// Asks for a file name, suggesting `suggested`, and hands it to save, which returns an empty
// string or why the file could not be written; a failure is shown with the file's name.
void saveThroughDialog(QWidget *window, const QString &title, const QString &suggested,
                       const QString &filter, const std::function<QString(const QString &)> &save);

} // namespace quindle
