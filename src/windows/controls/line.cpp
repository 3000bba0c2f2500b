// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/controls/line.h"

#include <QPainter>

#include <algorithm>

namespace quindle {

Line::Line(QPoint from, QPoint to, QColor color, int width, QWidget *parent)
    : QWidget(parent)
    , m_color(color)
{
    place(from, to, width);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    lower();
}

void Line::place(QPoint from, QPoint to, int width, int zoom)
{
    const bool horizontal = from.y() == to.y();
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y());
    const int length = horizontal ? std::abs(to.x() - from.x()) : std::abs(to.y() - from.y());
    const QRect designed = horizontal ? QRect(left, top - (width - 1) / 2, length, width)
                                      : QRect(left - (width - 1) / 2, top, width, length);
    setGeometry(zoomed(designed.x(), zoom), zoomed(designed.y(), zoom),
                zoomed(designed.width(), zoom), zoomed(designed.height(), zoom));
    m_width = horizontal ? height() : this->width();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}

} // namespace quindle
