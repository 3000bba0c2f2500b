// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/controls/drawing_surface.h"

#include "windows/controls/focus_frame.h"
#include "windows/controls/twips.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QVarLengthArray>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace quindle {

namespace {

constexpr int kBorderAt100 = 2;

QColor toColor(Rgb rgb)
{
    return rgb.isSet() ? QColor(rgb.r, rgb.g, rgb.b) : QColor(Qt::black);
}

// The image's pixels as rows, to write lines straight into: only on an image of one pixel a
// pixel, where a line's pixels are those below.
struct PixelRows
{
    uchar *bits = nullptr;
    qsizetype bytesPerLine = 0;
    QRect rect;

    explicit PixelRows(QImage &image)
    {
        if (image.devicePixelRatio() == 1 && image.format() == QImage::Format_RGB32) {
            bits = image.bits();
            bytesPerLine = image.bytesPerLine();
            rect = image.rect();
        }
    }
};

// A line along one row or one column of pixels, drawn with a pen one or two pixels wide,
// written straight into the image: the pixels Qt's raster engine gives it (the rectangle from
// end to end, widened by the pen's square caps), ten times faster for a band's tall columns.
// False, drawing nothing, for any other line (at three pixels Qt rounds some ends otherwise).
bool fillStraightLine(const PixelRows &rows, QPoint from, QPoint to, int width, QRgb color)
{
    if (!rows.bits || (from.x() != to.x() && from.y() != to.y()) || width > 2)
        return false;
    const QRect covered =
        QRect(std::min(from.x(), to.x()) - width / 2, std::min(from.y(), to.y()) - width / 2,
              std::abs(from.x() - to.x()) + width, std::abs(from.y() - to.y()) + width) &
        rows.rect;
    for (int y = covered.top(); y <= covered.bottom(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(rows.bits + y * rows.bytesPerLine);
        std::fill(row + covered.left(), row + covered.right() + 1, color);
    }
    return true;
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

DrawingSurface::~DrawingSurface() = default;

void DrawingSurface::setTextFont(const QFont &font)
{
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

const QImage &DrawingSurface::image()
{
    drawPending();
    return m_image;
}

QImage &DrawingSurface::canvas()
{
    const qreal ratio = m_fixedRatio > 0 ? m_fixedRatio : devicePixelRatioF();
    const QSize inner = innerSize().expandedTo(QSize(0, 0));
    if (!m_image.isNull() && m_image.devicePixelRatio() == ratio && m_image.size() == inner * ratio)
        return m_image;
    m_image = QImage(inner * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::white);
    // Everything drawn so far, at the new size.
    m_drawnOperations = m_drawnPoints = 0;
    drawPending();
    update();
    return m_image;
}

void DrawingSurface::drawPending()
{
    QImage &image = canvas(); // a new canvas has had everything drawn on it
    if (m_drawnPoints == m_points.size())
        return;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(zoomedTextFont());
    for (std::size_t i = m_drawnOperations; i < m_operations.size(); ++i)
        draw(painter, m_operations[i], m_drawnPoints);
    // The last operation may still grow.
    m_drawnOperations = m_operations.empty() ? 0 : m_operations.size() - 1;
    m_drawnPoints = m_points.size();
}

QPoint DrawingSurface::toPixel(float x, float y) const
{
    return {static_cast<int>(std::floor(x * m_pixelsPerUnitX + 0.5)),
            static_cast<int>(std::floor(y * m_pixelsPerUnitY + 0.5))};
}

void DrawingSurface::draw(QPainter &painter, const Operation &operation, std::size_t from)
{
    const QColor color = toColor(operation.color);
    const int width = lineWidth(1, m_zoom);
    const auto pixel = [this](const UserPoint &at) { return toPixel(at.x, at.y); };
    switch (operation.kind) {
    case Operation::Lines: {
        // All of its lines in one call, each drawn as it would be alone (square caps at both
        // of its ends): the pixels are those of the lines drawn one by one. Those along a row
        // or a column of pixels are written straight into the image, with the same pixels.
        const std::size_t end = operation.first + operation.count;
        std::size_t next = std::max(operation.first + 1, from);
        if (next >= end)
            break;
        QVarLengthArray<QLine, 256> lines;
        const PixelRows rows(m_image);
        const QRgb rgb = color.rgb();
        QPoint start = pixel(m_points[next - 1]);
        for (; next < end; ++next) {
            const QPoint to = pixel(m_points[next]);
            if (!fillStraightLine(rows, start, to, width, rgb))
                lines.append(QLine(start, to));
            start = to;
        }
        if (lines.isEmpty())
            break;
        if (painter.pen().color() != color || painter.pen().width() != width)
            painter.setPen(QPen(color, width));
        painter.drawLines(lines.constData(), static_cast<int>(lines.size()));
        break;
    }
    case Operation::Point:
        if (from <= operation.first)
            painter.fillRect(QRect(pixel(m_points[operation.first]), QSize(width, width)), color);
        break;
    case Operation::Text:
        if (from <= operation.first) {
            const QFontMetrics metrics(painter.font(), painter.device());
            const QPoint at = pixel(m_points[operation.first]);
            painter.setPen(QPen(Qt::black, 1));
            painter.drawText(QPoint(at.x(), at.y() + metrics.ascent()), m_texts[operation.text]);
        }
        break;
    }
}

std::vector<DrawingSurface::PrintedText> DrawingSurface::printedTexts() const
{
    const QFontMetrics metrics(zoomedTextFont());
    std::vector<PrintedText> texts;
    for (const Operation &operation : m_operations) {
        if (operation.kind != Operation::Text)
            continue;
        const QString &text = m_texts[operation.text];
        const UserPoint at = m_points[operation.first];
        texts.push_back({text, QRect(toPixel(at.x, at.y),
                                     QSize(metrics.horizontalAdvance(text), metrics.height()))});
    }
    return texts;
}

void DrawingSurface::willDraw()
{
    // When nothing waited to be drawn, the next paint draws what comes now: the whole inner
    // area, asked for once rather than for a rectangle that grows with every line.
    if (m_drawnPoints == m_points.size())
        update(QRect(QPoint(border(), border()), innerSize()));
}

void DrawingSurface::record(Operation::Kind kind, Rgb color, UserPoint at, std::size_t text)
{
    willDraw();
    m_operations.push_back({kind, color, m_points.size(), 1, text});
    m_points.push_back(at);
    m_joinable = false;
}

DrawingSurface::Mark DrawingSurface::mark() const
{
    return {m_operations.size(), m_points.size(), m_texts.size()};
}

void DrawingSurface::beginBatch()
{
    m_batch = mark();
    m_joinable = false; // the batch's first line starts an operation of its own
}

bool DrawingSurface::sameOperations(const Mark &a, const Mark &b, const Mark &end) const
{
    // The batch from a to b against the batch from b to end: the same operations, point for
    // point and text for text. Their lengths tell most differences at once.
    if (b.operations - a.operations != end.operations - b.operations ||
        b.points - a.points != end.points - b.points || b.texts - a.texts != end.texts - b.texts)
        return false;
    const auto at = [](const auto &list, std::size_t index) {
        return list.begin() + static_cast<std::ptrdiff_t>(index);
    };
    if (!std::equal(at(m_points, a.points), at(m_points, b.points), at(m_points, b.points)) ||
        !std::equal(at(m_texts, a.texts), at(m_texts, b.texts), at(m_texts, b.texts)))
        return false;
    for (std::size_t i = 0; i < b.operations - a.operations; ++i) {
        const Operation &x = m_operations[a.operations + i], &y = m_operations[b.operations + i];
        if (x.kind != y.kind || !(x.color == y.color) || x.count != y.count ||
            x.first - a.points != y.first - b.points ||
            (x.kind == Operation::Text && x.text - a.texts != y.text - b.texts))
            return false;
    }
    return true;
}

void DrawingSurface::endBatch()
{
    m_joinable = false;
    const Mark end = mark();
    if (m_lastBatchEnd == m_batch && m_batch.operations > m_lastBatch.operations &&
        sameOperations(m_lastBatch, m_batch, end)) {
        m_operations.resize(m_batch.operations);
        m_points.resize(m_batch.points);
        m_texts.resize(m_batch.texts);
        // Whatever of it had been drawn already was drawn over itself.
        m_drawnPoints = std::min(m_drawnPoints, m_points.size());
        m_drawnOperations =
            std::min(m_drawnOperations, m_operations.empty() ? 0 : m_operations.size() - 1);
        return;
    }
    m_lastBatch = m_batch;
    m_lastBatchEnd = end;
}

void DrawingSurface::line(float x1, float y1, float x2, float y2, Rgb color)
{
    const UserPoint from{x1, y1}, to{x2, y2};
    m_currentX = x2;
    m_currentY = y2;
    willDraw();
    if (m_joinable && m_operations.back().color == color && m_points.back() == from) {
        m_points.push_back(to); // one more line of the polyline
        ++m_operations.back().count;
        return;
    }
    m_operations.push_back({Operation::Lines, color, m_points.size(), 2, 0});
    m_points.push_back(from);
    m_points.push_back(to);
    m_joinable = true;
}

void DrawingSurface::lineTo(float x2, float y2, Rgb color)
{
    line(m_currentX, m_currentY, x2, y2, color);
}

void DrawingSurface::point(float x, float y, Rgb color)
{
    record(Operation::Point, color, {x, y});
    m_currentX = x;
    m_currentY = y;
}

void DrawingSurface::print(std::string_view text)
{
    if (!text.empty()) {
        m_texts.push_back(QString::fromUtf8(text));
        record(Operation::Text, {}, {m_currentX, m_currentY}, m_texts.size() - 1);
    }
    const QFontMetrics metrics(zoomedTextFont(), &canvas());
    m_currentX = 0;
    m_currentY += static_cast<float>(metrics.height() / m_pixelsPerUnitY);
}

void DrawingSurface::clear()
{
    m_operations.clear();
    m_points.clear();
    m_texts.clear();
    m_drawnOperations = m_drawnPoints = 0;
    m_joinable = false;
    m_batch = m_lastBatch = m_lastBatchEnd = {};
    canvas().fill(Qt::white);
    m_currentX = 0;
    m_currentY = 0;
    update(QRect(QPoint(border(), border()), innerSize()));
}

void DrawingSurface::renderVectors(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(m_font);
    const double sx = m_twipsPerUnitX / kTwipsPerPixel, sy = m_twipsPerUnitY / kTwipsPerPixel;
    const auto at = [sx, sy](const UserPoint &point) {
        return QPointF(point.x * sx, point.y * sy);
    };
    // Lines that continue one another in one colour are one polyline, also across operations
    // (a batch's first line starts an operation of its own).
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
        const QPointF from = at(m_points[operation.first]);
        if (operation.kind == Operation::Lines) {
            if (polyline.isEmpty() || polyline.last() != from ||
                !(polylineColor == operation.color)) {
                flush();
                polyline << from;
                polylineColor = operation.color;
            }
            for (std::size_t k = operation.first + 1; k < operation.first + operation.count; ++k)
                polyline << at(m_points[k]);
            continue;
        }
        flush();
        if (operation.kind == Operation::Point) {
            painter.fillRect(QRectF(from, QSizeF(1, 1)), toColor(operation.color));
        } else {
            painter.setPen(QPen(Qt::black));
            painter.drawText(from + QPointF(0, QFontMetricsF(m_font).ascent()),
                             m_texts[operation.text]);
        }
    }
    flush();
    painter.restore();
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
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
        const QImage &image = this->image();
        const qreal ratio = image.devicePixelRatio();
        const QRect source = target.translated(-b, -b);
        painter.drawImage(target, image, QRect(source.topLeft() * ratio, source.size() * ratio));
    }
    if (m_focusFrame && hasFocus())
        drawFocusFrame(painter, this, inner.adjusted(1, 1, -1, -1));
}

} // namespace quindle
