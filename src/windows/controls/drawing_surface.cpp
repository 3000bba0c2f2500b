#include "windows/controls/drawing_surface.h"

#include "windows/controls/focus_frame.h"
#include "windows/controls/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <qdrawutil.h>

#include <cmath>

namespace quindle {

namespace {

QColor toColor(Rgb rgb)
{
    return rgb.isSet() ? QColor(rgb.r, rgb.g, rgb.b) : QColor(Qt::black);
}

} // namespace

DrawingSurface::DrawingSurface(double twipsPerUnitX, double twipsPerUnitY, QWidget *parent)
    : QWidget(parent)
    , m_pixelsPerUnitX(twipsPerUnitX / kTwipsPerPixel)
    , m_pixelsPerUnitY(twipsPerUnitY / kTwipsPerPixel)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingSurface::setTextFont(const QFont &font)
{
    finishDrawing();
    m_font = font;
}

QSize DrawingSurface::innerSize() const
{
    return size() - QSize(2 * kBorder, 2 * kBorder);
}

DrawingSurface::~DrawingSurface()
{
    finishDrawing();
}

QPainter &DrawingSurface::painter()
{
    QImage &image = canvas();
    if (!m_painter.isActive()) {
        m_painter.begin(&image);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setFont(m_font);
    }
    return m_painter;
}

void DrawingSurface::finishDrawing()
{
    if (m_painter.isActive())
        m_painter.end();
}

const QImage &DrawingSurface::image()
{
    finishDrawing();
    return canvas();
}

QImage &DrawingSurface::canvas()
{
    const qreal ratio = m_fixedRatio > 0 ? m_fixedRatio : devicePixelRatioF();
    const QSize inner = innerSize().expandedTo(QSize(0, 0));
    if (!m_image.isNull() && m_image.devicePixelRatio() == ratio && m_image.size() == inner * ratio)
        return m_image;
    finishDrawing();
    QImage image(inner * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    if (!m_image.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, m_image);
    }
    m_image = image;
    return m_image;
}

QPoint DrawingSurface::toPixel(float x, float y) const
{
    return {static_cast<int>(std::floor(x * m_pixelsPerUnitX + 0.5)),
            static_cast<int>(std::floor(y * m_pixelsPerUnitY + 0.5))};
}

void DrawingSurface::line(float x1, float y1, float x2, float y2, Rgb color)
{
    const QPoint from = toPixel(x1, y1), to = toPixel(x2, y2);
    QPainter &p = painter();
    const QColor penColor = toColor(color);
    if (p.pen().color() != penColor)
        p.setPen(QPen(penColor, 1));
    p.drawLine(from, to);
    m_currentX = x2;
    m_currentY = y2;
    markDirty(QRect(from, to).normalized());
}

void DrawingSurface::lineTo(float x2, float y2, Rgb color)
{
    line(m_currentX, m_currentY, x2, y2, color);
}

void DrawingSurface::point(float x, float y, Rgb color)
{
    const QPoint at = toPixel(x, y);
    painter().fillRect(QRect(at, QSize(1, 1)), toColor(color));
    m_currentX = x;
    m_currentY = y;
    markDirty(QRect(at, QSize(1, 1)));
}

void DrawingSurface::print(std::string_view text)
{
    const QFontMetrics metrics(m_font, &canvas());
    const QPoint at = toPixel(m_currentX, m_currentY);
    if (!text.empty()) {
        const QString line = QString::fromUtf8(text);
        QPainter &p = painter();
        p.setPen(QPen(Qt::black, 1));
        p.drawText(QPoint(at.x(), at.y() + metrics.ascent()), line);
        markDirty(QRect(at, QSize(metrics.horizontalAdvance(line), metrics.height())));
    }
    m_currentX = 0;
    m_currentY += static_cast<float>(metrics.height() / m_pixelsPerUnitY);
}

void DrawingSurface::clear()
{
    finishDrawing();
    canvas().fill(Qt::white);
    m_currentX = 0;
    m_currentY = 0;
    markDirty(QRect(QPoint(0, 0), innerSize()));
}

void DrawingSurface::markDirty(const QRect &innerRect)
{
    // One update per frame's worth of drawing: widen the pending rectangle and ask for a
    // repaint only when it grew.
    const QRect rect = innerRect.adjusted(-1, -1, 1, 1).translated(kBorder, kBorder);
    if (m_dirty.contains(rect))
        return;
    m_dirty |= rect;
    update(m_dirty);
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    finishDrawing();
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
    const QRect inner(QPoint(kBorder, kBorder), innerSize());
    const QRect target = event->rect() & inner;
    if (!target.isEmpty()) {
        const QImage &image = canvas();
        const qreal ratio = image.devicePixelRatio();
        const QRect source = target.translated(-kBorder, -kBorder);
        painter.drawImage(target, image, QRect(source.topLeft() * ratio, source.size() * ratio));
    }
    if (m_focusFrame && hasFocus())
        drawFocusFrame(painter, this, inner.adjusted(1, 1, -1, -1));
    m_dirty = QRect();
}

} // namespace quindle
