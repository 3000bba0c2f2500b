#include "windows/controls/picture.h"

#include <QPainter>
#include <QRegularExpression>

namespace quindle {

Picture::Picture(const QString &path, QWidget *parent)
    : QWidget(parent)
    , m_pixmap(path)
    , m_large(QString(path).replace(QRegularExpression(QStringLiteral("\\.[a-z]+$")),
                                    QStringLiteral("@4x.png")))
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

void Picture::setEnlarged(bool enlarged)
{
    m_enlarged = enlarged;
    update();
}

void Picture::paintEvent(QPaintEvent *)
{
    if (!m_shown)
        return;
    QPainter painter(this);
    if ((devicePixelRatioF() > 1 || m_enlarged) && !m_large.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_large);
    } else {
        painter.drawPixmap(rect(), m_pixmap);
    }
}

} // namespace quindle
