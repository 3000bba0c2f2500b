#pragma once

#include "windows/controls/surface_operations.h"
#include "windows/controls/zoom.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>

#include <vector>

namespace quindle {

// A picture box that keeps its drawing. It remembers every operation since it was last cleared
// and draws them into an image at the screen's device pixel ratio and the windows' zoom; it
// repaints by copying the dirty part, so nothing is lost when it is covered, and a new zoom
// draws the same picture afresh at the new size. The same operations can be drawn as vectors
// on any painter (a printer, a PDF or SVG file). It starts blank white and changes only through
// the drawing operations; a sunken border two pixels wide (at 100 %) lies outside the inner
// area, where user coordinate (0, 0) is the top-left corner.
class DrawingSurface : public QWidget, public SurfaceOperations
{
    Q_OBJECT
public:
    // The widget's outer rectangle comes from the layout; the inner area lies inside the
    // border. One user unit is twipsPerUnitX across and twipsPerUnitY down.
    DrawingSurface(double twipsPerUnitX, double twipsPerUnitY, QWidget *parent);
    ~DrawingSurface() override;

    // The text font at 100 %; the zoom enlarges it.
    void setTextFont(const QFont &font);
    [[nodiscard]] const QFont &textFont() const { return m_font; }
    // The font texts are drawn in at the current zoom.
    [[nodiscard]] QFont zoomedTextFont() const;
    // Draws everything at zoom percent of its design size; the widget's size is the layout's.
    void setZoom(int zoom);
    [[nodiscard]] int zoom() const { return m_zoom; }
    [[nodiscard]] int border() const;
    // Whether the surface frames itself while it has the focus (off: a plot's surface keeps
    // its picture exactly).
    void setFocusFrameShown(bool shown) { m_focusFrame = shown; }
    [[nodiscard]] QSize innerSize() const;
    // Draws at this many image pixels per pixel instead of the screen's ratio (0: the screen's),
    // for a picture at a finer resolution than the screen shows.
    void setPixelRatio(qreal ratio) { m_fixedRatio = ratio; }
    // The drawing so far, at the device pixel ratio.
    [[nodiscard]] const QImage &image();
    // Draws the drawing as lines and text (no pixels) on painter, whose coordinates are the
    // inner area's pixels at 100 %; consecutive lines of one colour become one polyline.
    void renderVectors(QPainter &painter) const;
    // The inner area's size at 100 %.
    [[nodiscard]] QSize designInnerSize() const;

    // Operations drawn between the two calls that repeat those of the batch before exactly
    // (a plot drawn again over an unchanged one) are not kept a second time: drawn over
    // itself, the same batch changes nothing.
    void beginBatch();
    void endBatch();

    // SurfaceOperations
    void line(float x1, float y1, float x2, float y2, Rgb color) override;
    void lineTo(float x2, float y2, Rgb color) override;
    void point(float x, float y, Rgb color) override;
    void setCurrentX(float x) override { m_currentX = x; }
    void setCurrentY(float y) override { m_currentY = y; }
    void print(std::string_view text) override;
    void clear() override;

    // The pixel of the inner area that a user point falls on, at the current zoom.
    [[nodiscard]] QPoint toPixel(float x, float y) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Operation
    {
        enum Kind : unsigned char { Line, Point, Text } kind;
        Rgb color;
        float x1, y1, x2, y2;
        int text; // index into m_texts, for a text
        bool operator==(const Operation &) const = default;
    };

    // The image the drawing lives in, (re)made to the inner area at the current device pixel
    // ratio and zoom; a new one has everything drawn again.
    QImage &canvas();
    // One painter stays open on the canvas across a batch of operations (a whole plot), and
    // is closed before the canvas is shown, read or replaced.
    QPainter &painter();
    void finishDrawing();
    void markDirty(const QRect &innerRect);
    void draw(const Operation &operation);
    void record(const Operation &operation);

    bool m_focusFrame = false;
    qreal m_fixedRatio = 0;
    int m_zoom = kDesignZoom;
    double m_twipsPerUnitX;
    double m_twipsPerUnitY;
    double m_pixelsPerUnitX;
    double m_pixelsPerUnitY;
    float m_currentX = 0;
    float m_currentY = 0;
    QFont m_font;
    QImage m_image;
    QPainter m_painter;
    QRect m_dirty; // in widget coordinates, waiting for the next paint
    std::vector<Operation> m_operations;
    std::vector<QString> m_texts;
    std::size_t m_batchStart = 0;     // where the batch being drawn began
    std::size_t m_lastBatchStart = 0; // where the batch before it began
    std::size_t m_lastBatchEnd = 0;
};

} // namespace quindle
