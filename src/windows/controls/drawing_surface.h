// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windows/controls/surface_operations.h"
#include "windows/controls/zoom.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>

#include <cstddef>
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

    // Each text printed since the surface was last cleared, with the rectangle it takes in the
    // inner area at the current zoom: its advance across, its font's line down. What reaches
    // past the inner area is cut off at its edge.
    struct PrintedText
    {
        QString text;
        QRect rect;
    };
    [[nodiscard]] std::vector<PrintedText> printedTexts() const;

    // Operations drawn between the two calls that repeat those of the batch before exactly
    // (a plot drawn again over an unchanged one) are neither drawn nor kept a second time:
    // drawn over itself, the same batch would change nothing.
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
    struct UserPoint
    {
        float x, y;
        bool operator==(const UserPoint &) const = default;
    };
    // Consecutive connected lines of one colour are one operation, a polyline: a plot is then
    // a few operations, not thousands. Every operation owns at least one point of m_points.
    struct Operation
    {
        enum Kind : unsigned char { Lines, Point, Text } kind;
        Rgb color;
        std::size_t first; // its first point in m_points
        std::size_t count; // its points: two or more for lines, one for a point or a text
        std::size_t text;  // index into m_texts, for a text
    };
    // Where a batch begins in the three lists.
    struct Mark
    {
        std::size_t operations = 0, points = 0, texts = 0;
        bool operator==(const Mark &) const = default;
    };

    // The image the drawing lives in, (re)made to the inner area at the current device pixel
    // ratio and zoom; a new one has everything drawn again.
    QImage &canvas();
    // Operations are drawn when the picture is next needed (painted, read, replaced), all that
    // came since in one go, with one painter.
    void drawPending();
    // Draws the part of operation that begins at point from (the points before it are drawn).
    void draw(QPainter &painter, const Operation &operation, std::size_t from);
    // Asks for a paint when a first operation comes to be drawn.
    void willDraw();
    // A point or a text at a point.
    void record(Operation::Kind kind, Rgb color, UserPoint at, std::size_t text = 0);
    [[nodiscard]] Mark mark() const;
    [[nodiscard]] bool sameOperations(const Mark &a, const Mark &b, const Mark &end) const;

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
    std::vector<Operation> m_operations;
    std::vector<UserPoint> m_points;
    std::vector<QString> m_texts;
    std::size_t m_drawnOperations = 0; // those before it are drawn whole
    std::size_t m_drawnPoints = 0;     // the points drawn so far
    bool m_joinable = false;           // whether the next line may continue the last operation
    Mark m_batch;                      // where the batch being drawn began
    Mark m_lastBatch, m_lastBatchEnd;  // the batch before it
};

} // namespace quindle
