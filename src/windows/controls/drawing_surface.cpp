#include "windows/controls/drawing_surface.h"

#include "windows/controls/focus_frame.h"
#include "windows/controls/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <qdrawutil.h>

#include <cmath>

namespace quindle {

namespace {

constexpr int kBorderAt100 = 2;

QColor toColor(Rgb rgb)
{
    return rgb.isSet() ? QColor(rgb.r, rgb.g, rgb.b) : QColor(Qt::black);
}

} // namespace

DrawingSurface::DrawingSurface(double twipsPerUnitX, double twipsPerUnitY, QWidget *parent)
    : QWidget(parent)
    , m_twipsPerUnitX(twipsPerUnitX)
    , m_twipsPerUnitY(twipsPerUnitY)
    , m_pixelsPerUnitX(twipsPerUnitX / kTwipsPerPixel)
    , m_pixelsPerUnitY(twipsPerUnitY / kTwipsPerPixel)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

DrawingSurface::~DrawingSurface()
{
    finishDrawing();
}

void DrawingSurface::setTextFont(const QFont &font)
{
    finishDrawing();
    m_font = font;
}

QFont DrawingSurface::zoomedTextFont() const
{
    return zoomedFont(m_font, m_zoom);
}

void DrawingSurface::setZoom(int zoom)
{
    if (zoom == m_zoom)
        return;
    finishDrawing();
    m_zoom = zoom;
    m_pixelsPerUnitX = zoomedScale(m_twipsPerUnitX / kTwipsPerPixel, zoom);
    m_pixelsPerUnitY = zoomedScale(m_twipsPerUnitY / kTwipsPerPixel, zoom);
    m_image = QImage(); // drawn afresh at the new size on the next use
    update();
}

int DrawingSurface::border() const
{
    return lineWidth(kBorderAt100, m_zoom);
}

QSize DrawingSurface::innerSize() const
{
    return size() - QSize(2 * border(), 2 * border());
}

QSize DrawingSurface::designInnerSize() const
{
    return innerSize() * kDesignZoom / m_zoom;
}

QPainter &DrawingSurface::painter()
{
    QImage &image = canvas();
    if (!m_painter.isActive()) {
        m_painter.begin(&image);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setFont(zoomedTextFont());
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
    m_image = QImage(inner * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::white);
    // Everything drawn so far, at the new size.
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setFont(zoomedTextFont());
    for (const Operation &operation : m_operations)
        draw(operation);
    m_painter.end();
    m_dirty = QRect();
    update();
    return m_image;
}

QPoint DrawingSurface::toPixel(float x, float y) const
{
    return {static_cast<int>(std::floor(x * m_pixelsPerUnitX + 0.5)),
            static_cast<int>(std::floor(y * m_pixelsPerUnitY + 0.5))};
}

void DrawingSurface::draw(const Operation &operation)
{
    // m_painter is open on the canvas.
    QPainter &p = m_painter;
    const QColor color = toColor(operation.color);
    const int width = lineWidth(1, m_zoom);
    const QPoint from = toPixel(operation.x1, operation.y1);
    switch (operation.kind) {
    case Operation::Line: {
        const QPoint to = toPixel(operation.x2, operation.y2);
        if (p.pen().color() != color || p.pen().width() != width)
            p.setPen(QPen(color, width));
        p.drawLine(from, to);
        // A wider pen reaches past the points by up to its width (markDirty adds a pixel).
        const int reach = width - 1;
        markDirty(QRect(from, to).normalized().adjusted(-reach, -reach, reach, reach));
        break;
    }
    case Operation::Point:
        p.fillRect(QRect(from, QSize(width, width)), color);
        markDirty(QRect(from, QSize(width, width)));
        break;
    case Operation::Text: {
        const QString &text = m_texts[static_cast<std::size_t>(operation.text)];
        const QFontMetrics metrics(p.font(), p.device());
        p.setPen(QPen(Qt::black, 1));
        p.drawText(QPoint(from.x(), from.y() + metrics.ascent()), text);
        markDirty(QRect(from, QSize(metrics.horizontalAdvance(text), metrics.height())));
        break;
    }
    }
}

void DrawingSurface::record(const Operation &operation)
{
    m_operations.push_back(operation);
    painter();
    draw(operation);
}

void DrawingSurface::beginBatch()
{
    m_batchStart = m_operations.size();
}

void DrawingSurface::endBatch()
{
    const auto begin = m_operations.begin();
    const auto batch = static_cast<std::ptrdiff_t>(m_batchStart);
    const auto lastStart = static_cast<std::ptrdiff_t>(m_lastBatchStart);
    const auto lastEnd = static_cast<std::ptrdiff_t>(m_lastBatchEnd);
    if (m_lastBatchEnd == m_batchStart && m_batchStart > m_lastBatchStart &&
        std::equal(begin + batch, m_operations.end(), begin + lastStart, begin + lastEnd)) {
        m_operations.resize(m_batchStart);
        return;
    }
    m_lastBatchStart = m_batchStart;
    m_lastBatchEnd = m_operations.size();
}

void DrawingSurface::line(float x1, float y1, float x2, float y2, Rgb color)
{
    record({Operation::Line, color, x1, y1, x2, y2, -1});
    m_currentX = x2;
    m_currentY = y2;
}

void DrawingSurface::lineTo(float x2, float y2, Rgb color)
{
    line(m_currentX, m_currentY, x2, y2, color);
}

void DrawingSurface::point(float x, float y, Rgb color)
{
    record({Operation::Point, color, x, y, x, y, -1});
    m_currentX = x;
    m_currentY = y;
}

void DrawingSurface::print(std::string_view text)
{
    if (!text.empty()) {
        m_texts.push_back(QString::fromUtf8(text));
        record({Operation::Text,
                {},
                m_currentX,
                m_currentY,
                0,
                0,
                static_cast<int>(m_texts.size() - 1)});
    }
    const QFontMetrics metrics(zoomedTextFont(), &canvas());
    m_currentX = 0;
    m_currentY += static_cast<float>(metrics.height() / m_pixelsPerUnitY);
}

void DrawingSurface::clear()
{
    finishDrawing();
    m_operations.clear();
    m_texts.clear();
    m_batchStart = m_lastBatchStart = m_lastBatchEnd = 0;
    canvas().fill(Qt::white);
    m_currentX = 0;
    m_currentY = 0;
    markDirty(QRect(QPoint(0, 0), innerSize()));
}

void DrawingSurface::renderVectors(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(m_font);
    const double sx = m_twipsPerUnitX / kTwipsPerPixel, sy = m_twipsPerUnitY / kTwipsPerPixel;
    const auto at = [sx, sy](float x, float y) { return QPointF(x * sx, y * sy); };
    QPolygonF polyline;
    Rgb polylineColor;
    const auto flush = [&] {
        if (polyline.size() > 1) {
            painter.setPen(QPen(toColor(polylineColor), 1.0));
            painter.drawPolyline(polyline);
        }
        polyline.clear();
    };
    for (const Operation &operation : m_operations) {
        const QPointF from = at(operation.x1, operation.y1);
        if (operation.kind == Operation::Line) {
            if (polyline.isEmpty() || polyline.last() != from ||
                !(polylineColor == operation.color)) {
                flush();
                polyline << from;
                polylineColor = operation.color;
            }
            polyline << at(operation.x2, operation.y2);
            continue;
        }
        flush();
        if (operation.kind == Operation::Point) {
            painter.fillRect(QRectF(from, QSizeF(1, 1)), toColor(operation.color));
        } else {
            painter.setPen(QPen(Qt::black));
            painter.drawText(from + QPointF(0, QFontMetricsF(m_font).ascent()),
                             m_texts[static_cast<std::size_t>(operation.text)]);
        }
    }
    flush();
    painter.restore();
}

void DrawingSurface::markDirty(const QRect &innerRect)
{
    // One update per frame's worth of drawing: widen the pending rectangle and ask for a
    // repaint only when it grew.
    const QRect rect = innerRect.adjusted(-1, -1, 1, 1).translated(border(), border());
    if (m_dirty.contains(rect))
        return;
    m_dirty |= rect;
    update(m_dirty);
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    finishDrawing();
    QPainter painter(this);
    const int b = border();
    if (b == kBorderAt100) {
        qDrawWinPanel(&painter, rect(), palette(), true);
    } else { // the same sunken border, each of its two lines as wide as the zoom makes it
        const int half = b / 2, rest = b - half;
        const QPalette &pal = palette();
        const QRect r = rect();
        const auto frame = [&painter](QRect box, int w, const QColor &topLeft,
                                      const QColor &bottomRight) {
            painter.fillRect(QRect(box.left(), box.top(), box.width(), w), topLeft);
            painter.fillRect(QRect(box.left(), box.top(), w, box.height()), topLeft);
            painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), bottomRight);
            painter.fillRect(QRect(box.right() - w + 1, box.top(), w, box.height()), bottomRight);
        };
        frame(r, half, pal.color(QPalette::Mid), pal.color(QPalette::Light));
        frame(r.adjusted(half, half, -half, -half), rest, pal.color(QPalette::Dark),
              pal.color(QPalette::Midlight));
    }
    const QRect inner(QPoint(b, b), innerSize());
    const QRect target = event->rect() & inner;
    if (!target.isEmpty()) {
        const QImage &image = canvas();
        const qreal ratio = image.devicePixelRatio();
        const QRect source = target.translated(-b, -b);
        painter.drawImage(target, image, QRect(source.topLeft() * ratio, source.size() * ratio));
    }
    if (m_focusFrame && hasFocus())
        drawFocusFrame(painter, this, inner.adjusted(1, 1, -1, -1));
    m_dirty = QRect();
}

} // namespace quindle
