#include "picture.h"

#include <QPainter>

namespace quindle {

Picture::Picture(QPixmap pixmap, QWidget *parent)
    : QWidget(parent)
    , m_pixmap(std::move(pixmap))
{
    setFocusPolicy(Qt::NoFocus);
}

void Picture::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    if (!m_shown)
        return;
    QPainter painter(this);
    painter.drawPixmap(rect(), m_pixmap);
}

} // namespace quindle
