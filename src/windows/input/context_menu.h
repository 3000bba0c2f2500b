// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What the windows' context menus share.

#include <functional>

class QAction;
class QWidget;

namespace quindle {

// The window's actions become its context menu, reached with a right click, the Menu key or
// Shift+F10 (at the focused control); the window shows no new control.
void useActionsAsContextMenu(QWidget *window);

// The entry "Streaks…" (Ctrl+K) that asks for the streaks window on what the window shows, the
// same in every window's context menu: it calls requested.
[[nodiscard]] QAction *makeStreaksAction(QWidget *window, std::function<void()> requested);

} // namespace quindle
