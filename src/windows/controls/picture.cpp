// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/controls/picture.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <map>

namespace quindle {

namespace {

// A coin picture is drawn on a grid of 32 units: a disc of radius 15 about the middle, its
// outline one unit wide, the character inside it.
constexpr double kCoinUnits = 32;
constexpr double kDiscInside = 14; // the outline's inner edge
constexpr double kMarkHeight = 18;
constexpr double kMarkWidth = 22;

// The coin with mark drawn across its disc, in font, in place of the character it shows.
QPixmap markedCoin(const QPixmap &coin, const QString &mark, QFont font)
{
    if (coin.isNull() || mark.isEmpty())
        return coin;
    QImage image = coin.toImage().convertToFormat(QImage::Format_RGB32);
    // Drawn pixel for pixel: a picture loaded as "@4x" says it is for a screen four times as
    // dense, and would be painted in a quarter of its pixels.
    image.setDevicePixelRatio(1);
    const double unit = image.width() / kCoinUnits;
    const QPointF middle(16 * unit, 16 * unit);
    const auto inDisc = [&middle, unit](int x, int y) {
        return std::hypot(x + 0.5 - middle.x(), y + 0.5 - middle.y()) <= kDiscInside * unit;
    };
    // The disc's colour: the commonest inside the outline that is not the character's black.
    std::map<QRgb, int> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (inDisc(x, y) && qGray(image.pixel(x, y)) > 0)
                ++colours[image.pixel(x, y)];
        }
    }
    if (colours.empty())
        return coin;
    const QRgb disc = std::max_element(colours.begin(), colours.end(), [](auto a, auto b) {
                          return a.second < b.second;
                      })->first;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (inDisc(x, y))
                image.setPixel(x, y, disc);
        }
    }
    font.setBold(true);
    font.setPixelSize(400);
    QPainterPath letters;
    letters.addText(0, 0, font, mark);
    const QRectF bounds = letters.boundingRect();
    if (bounds.isEmpty())
        return QPixmap::fromImage(image);
    const double scale =
        std::min(kMarkHeight * unit / bounds.height(), kMarkWidth * unit / bounds.width());
    QTransform toDisc;
    toDisc.translate(middle.x(), middle.y());
    toDisc.scale(scale, scale);
    toDisc.translate(-bounds.center().x(), -bounds.center().y());
    QPainter painter(&image);
    // The bitmap keeps its few colours; the larger picture is drawn smoothly.
    painter.setRenderHint(QPainter::Antialiasing, unit > 1);
    painter.fillPath(toDisc.map(letters), Qt::black);
    painter.end();
    image.setDevicePixelRatio(coin.devicePixelRatio());
    return QPixmap::fromImage(image);
}

} // namespace

Picture::Picture(const QString &path, QWidget *parent)
    : QWidget(parent)
    , m_original(readPicture(path))
    , m_pixmap(m_original)
    , m_largePath(path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@4x.png"))
{
    setFocusPolicy(Qt::NoFocus);
}

void Picture::setMark(const QString &mark)
{
    m_mark = mark;
    m_pixmap = markedCoin(m_original, mark, font());
    m_stretched = QPixmap();
    if (m_largeRead)
        m_large = markedCoin(readPicture(m_largePath), mark, font());
    update();
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
    if (large && !m_largeRead) {
        // One attempt: without it, the small one serves.
        m_large = markedCoin(readPicture(m_largePath), m_mark, font());
        m_largeRead = true;
    }
    if (large && !m_large.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_large);
    } else if (m_pixmap.isNull() || m_pixmap.hasAlphaChannel() || devicePixelRatioF() != 1) {
        painter.drawPixmap(rect(), m_pixmap);
    } else {
        // A coin is drawn stretched to its place about sixty times a second during a run: it
        // is stretched once, by the same drawing into a picture of its own size, and copied.
        if (m_stretched.size() != size()) {
            m_stretched = QPixmap(size());
            QPainter stretch(&m_stretched);
            stretch.drawPixmap(m_stretched.rect(), m_pixmap);
        }
        painter.drawPixmap(0, 0, m_stretched);
    }
}

QPixmap readPicture(const QString &path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace quindle
