#include "windows/controls/picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace quindle {

Picture::Picture(const QString &path, QWidget *parent)
    : QWidget(parent)
    , m_pixmap(readPicture(path))
    , m_largePath(path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@4x.png"))
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
    const bool large = devicePixelRatioF() > 1 || m_enlarged;
    if (large && !m_largePath.isEmpty()) {
        m_large = readPicture(m_largePath); // one attempt: without it, the small one serves
        m_largePath.clear();
    }
    if (large && !m_large.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_large);
    } else {
        painter.drawPixmap(rect(), m_pixmap);
    }
}

QPixmap readPicture(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace quindle
