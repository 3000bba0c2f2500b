// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>
#include <QWidget>

namespace quindle {

// A bitmap stretched to the control's rectangle, pixel for pixel (no smoothing), as a classic
// stretched picture control shows it.
//
// Its visibility is its own flag, not QWidget's: a hidden picture paints nothing, so whatever
// lies beneath (the window, or the other face of the same coin) shows through. Showing and
// hiding a QWidget asks the X server where the mouse is, a round trip per call, and the coins
// change visibility several thousand times a second during a run.
class Picture : public QWidget
{
    Q_OBJECT
public:
    // Shows the bitmap at path; on a high-density screen it draws, where there is one, the
    // same picture made at four times the size (path with "@4x.png" for its extension).
    Picture(const QString &path, QWidget *parent);

    // Draws mark (a letter or two) on the coin in place of the picture's own character: the
    // disc inside its outline takes the disc's colour again, and the mark is drawn across it
    // in black, as large as the disc allows, in both the bitmap and the larger picture. An
    // empty mark shows the pictures as they are.
    void setMark(const QString &mark);

    void setShown(bool shown);
    // Enlarged by the windows' zoom, it draws the larger picture smoothly, as on a high-density
    // screen: the small bitmap's pixels would show as blocks.
    void setEnlarged(bool enlarged);
    [[nodiscard]] bool isShown() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_original;
    QPixmap m_pixmap;    // the original, or with the mark
    QPixmap m_stretched; // m_pixmap drawn at the picture's size, for an opaque picture at 100 %
    QString m_largePath;
    QPixmap m_large; // read when first drawn: at 100 % on an ordinary screen it never is
    bool m_largeRead = false;
    QString m_mark;
    bool m_shown = true;
    bool m_enlarged = false;
};

// One of the program's own pictures, read by the type its name ends in (".bmp", ".png"). Asked
// to find out the type itself, Qt loads every image plug-in it has (GIF, ICO, JPEG, SVG, ...) to
// ask each whether it reads the file, and that was a good part of the program's start.
[[nodiscard]] QPixmap readPicture(const QString &path);

} // namespace quindle
