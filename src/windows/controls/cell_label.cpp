// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/controls/cell_label.h"

#include "windows/controls/focus_frame.h"

#include <QPainter>

namespace quindle {

CellLabel::CellLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void CellLabel::setBorder(int width)
{
    m_border = width;
    setContentsMargins(width, width, width, width);
    update();
}

void CellLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    if (hasFocus()) // a label that can take the focus shows where it is
        drawFocusFrame(painter, this, rect().adjusted(2, 2, -2, -2));
    if (m_border == 0)
        return;
    // Four strips rather than a drawn rectangle, so the border scales with the screen's pixel
    // ratio like everything else.
    const QRect r = rect();
    const int w = m_border;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), Qt::black);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), Qt::black);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), Qt::black);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), Qt::black);
}

} // namespace quindle
