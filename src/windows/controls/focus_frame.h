// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

class QPainter;
class QRect;
class QWidget;

namespace quindle {

// A dotted outline along rect, on a control that shows where the keyboard focus is.
void drawFocusFrame(QPainter &painter, const QWidget *control, const QRect &rect);

} // namespace quindle
