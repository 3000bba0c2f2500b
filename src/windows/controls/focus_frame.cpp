// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/controls/focus_frame.h"

#include <QPainter>
#include <QWidget>

namespace quindle {

void drawFocusFrame(QPainter &painter, const QWidget *control, const QRect &rect)
{
    // An outline in the highlight colour: some styles fill their focus rectangle, which over a
    // whole text or cell would tint what the pupil reads.
    painter.save();
    painter.setPen(QPen(control->palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace quindle
