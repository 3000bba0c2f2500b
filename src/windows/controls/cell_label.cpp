#include "windows/controls/cell_label.h"

#include "windows/controls/focus_frame.h"

#include <QPainter>

namespace quindle {

CellLabel::CellLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
}

void CellLabel::setBorder(bool border)
{
    m_border = border;
    setContentsMargins(border ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void CellLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    if (hasFocus()) // a label that can take the focus shows where it is
        drawFocusFrame(painter, this, rect().adjusted(2, 2, -2, -2));
    if (!m_border)
        return;
    // Four one-pixel strips rather than a drawn rectangle, so the border scales with the
    // screen's pixel ratio like everything else.
    const QRect r = rect();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::black);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Qt::black);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::black);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), Qt::black);
}

} // namespace quindle
