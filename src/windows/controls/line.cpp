#include "windows/controls/line.h"

#include <QPainter>

#include <algorithm>

namespace quindle {

Line::Line(QPoint from, QPoint to, QColor color, int width, QWidget *parent)
    : QWidget(parent)
    , m_color(color)
    , m_width(width)
{
    const bool horizontal = from.y() == to.y();
    const int left = std::min(from.x(), to.x());
    const int top = std::min(from.y(), to.y());
    const int length = horizontal ? std::abs(to.x() - from.x()) : std::abs(to.y() - from.y());
    if (horizontal)
        setGeometry(left, top - (width - 1) / 2, length, width);
    else
        setGeometry(left - (width - 1) / 2, top, width, length);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    lower();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
}

} // namespace quindle
