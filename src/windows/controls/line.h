// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windows/controls/zoom.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace quindle {

// A straight horizontal or vertical rule between two pixel points of its parent. Like the
// lines of a classic form it lies beneath every other control and ignores the mouse.
class Line : public QWidget
{
    Q_OBJECT
public:
    Line(QPoint from, QPoint to, QColor color, int width, QWidget *parent);

    // Lies between two pixel points with a width in pixels, as designed at 100 %, enlarged by
    // a zoom (percent) as a whole: the line and its place on either side of the two points.
    void place(QPoint from, QPoint to, int width, int zoom = kDesignZoom);

    [[nodiscard]] QColor color() const { return m_color; }
    [[nodiscard]] int lineWidth() const { return m_width; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color;
    int m_width = 1;
};

} // namespace quindle
