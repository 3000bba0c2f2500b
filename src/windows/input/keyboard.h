// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QKeySequence>

class QAbstractButton;
class QWidget;

namespace quindle {

// Lets Return and Enter press a focused button, as Space already does, without making it a
// default button (which would change how it is drawn).
void pressOnEnter(QAbstractButton *button);

// A window-wide key for a button. It presses the button only while the button is enabled and
// shown, so no key can do what a greyed button may not.
void addKeyFor(QWidget *window, const QKeySequence &key, QAbstractButton *button);

} // namespace quindle
