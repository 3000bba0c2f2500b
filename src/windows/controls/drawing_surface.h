#pragma once

#include "windows/controls/surface_operations.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QWidget>

namespace quindle {

// A picture box that keeps its drawing: it draws into an image at the screen's device pixel
// ratio and repaints by copying the dirty part, so nothing is lost when it is covered. It
// starts blank white and changes only through the drawing operations; a sunken two-pixel
// border lies outside the inner area, where user coordinate (0, 0) is the top-left corner.
class DrawingSurface : public QWidget, public SurfaceOperations
{
    Q_OBJECT
public:
    static constexpr int kBorder = 2;

    // The widget's outer rectangle comes from the layout; the inner area is 2 px smaller on
    // every side. One user unit is twipsPerUnitX across and twipsPerUnitY down.
    DrawingSurface(double twipsPerUnitX, double twipsPerUnitY, QWidget *parent);
    ~DrawingSurface() override;

    void setTextFont(const QFont &font);
    // Whether the surface frames itself while it has the focus (off: a plot's surface keeps
    // its picture exactly).
    void setFocusFrameShown(bool shown) { m_focusFrame = shown; }
    [[nodiscard]] const QFont &textFont() const { return m_font; }
    [[nodiscard]] QSize innerSize() const;
    // Draws at this many image pixels per pixel instead of the screen's ratio (0: the screen's),
    // for a picture at a finer resolution than the screen shows.
    void setPixelRatio(qreal ratio) { m_fixedRatio = ratio; }
    // The drawing so far, at the device pixel ratio.
    [[nodiscard]] const QImage &image();

    // SurfaceOperations
    void line(float x1, float y1, float x2, float y2, Rgb color) override;
    void lineTo(float x2, float y2, Rgb color) override;
    void point(float x, float y, Rgb color) override;
    void setCurrentX(float x) override { m_currentX = x; }
    void setCurrentY(float y) override { m_currentY = y; }
    void print(std::string_view text) override;
    void clear() override;

    // The pixel of the inner area that a user point falls on.
    [[nodiscard]] QPoint toPixel(float x, float y) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The image the drawing lives in, (re)made to the inner area at the current device pixel
    // ratio, keeping what was drawn.
    QImage &canvas();
    // One painter stays open on the canvas across a batch of operations (a whole plot), and
    // is closed before the canvas is shown, read or replaced.
    QPainter &painter();
    void finishDrawing();
    void markDirty(const QRect &innerRect);

    bool m_focusFrame = false;
    qreal m_fixedRatio = 0;
    double m_pixelsPerUnitX;
    double m_pixelsPerUnitY;
    float m_currentX = 0;
    float m_currentY = 0;
    QFont m_font;
    QImage m_image;
    QPainter m_painter;
    QRect m_dirty; // in widget coordinates, waiting for the next paint
};

} // namespace quindle
