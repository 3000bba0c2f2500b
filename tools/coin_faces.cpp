// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Draws the two coin faces, 32 x 32 pixels, and writes them as uncompressed 24-bit Windows
// bitmaps (3126 bytes each, through Qt's BMP writer): light grey around a 30 px disc with a
// one-pixel black outline, yellow with 表 for Head and orange with 裏 for Tail, the character in
// black, 25 px tall. The same drawing, scaled up, gives the faces for high-density screens (128 px
// PNGs) and the program's icon in the usual theme sizes (the head face on a transparent square).
//
//   coin_faces RESOURCES_DIR   writes coin_head.bmp, coin_tail.bmp, coin_head@4x.png,
//                              coin_tail@4x.png and icons/hicolor/NxN/apps/quindle.png
//
// The character comes from the installed Japanese font (IPAGothic), scaled to its box and
// drawn without anti-aliasing so the faces keep four colours.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSize = 32;
const QColor kGrey(192, 192, 192);
constexpr int kInkThreshold = 150; // grey level below which a pixel is ink: about 40 % coverage

struct Face
{
    const char *file;
    QString character;
    QColor disc;
    QRect glyphBox; // pixels the character fills
};

// Pixel (x, y) of a face `scale` times 32 px wide lies in the disc (radius 15 units).
bool insideDisc(int x, int y, double scale)
{
    const double centre = 16.0 * scale;
    return std::hypot(x + 0.5 - centre, y + 0.5 - centre) <= 15.0 * scale;
}

// The outline is the disc's pixels with an outside pixel within `scale` steps across or down.
bool onOutline(int x, int y, double scale)
{
    const int width = std::max(1, static_cast<int>(std::lround(scale)));
    for (int step = 1; step <= width; ++step) {
        if (!insideDisc(x - step, y, scale) || !insideDisc(x + step, y, scale) ||
            !insideDisc(x, y - step, scale) || !insideDisc(x, y + step, scale))
            return true;
    }
    return false;
}

QImage drawFace(const Face &face, double scale = 1, QColor background = kGrey)
{
    const int size = static_cast<int>(std::lround(kSize * scale));
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            QColor color = background;
            if (insideDisc(x, y, scale))
                color = onOutline(x, y, scale) ? QColor(Qt::black) : face.disc;
            image.setPixelColor(x, y, color);
        }
    }

    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(400);
    QPainterPath glyph;
    glyph.addText(0, 0, font, face.character);
    const QRectF bounds = glyph.boundingRect();
    const QRectF box(QPointF(face.glyphBox.topLeft()) * scale,
                     QSizeF(face.glyphBox.size()) * scale);
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width() / bounds.width(), box.height() / bounds.height());
    toBox.translate(-bounds.left(), -bounds.top());

    // Anti-aliased coverage, then a threshold below one half: thin strokes of the scaled glyph
    // come out two pixels wide instead of breaking up into one-pixel runs.
    QImage coverage(size, size, QImage::Format_Grayscale8);
    coverage.fill(Qt::white);
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(toBox.map(glyph), Qt::black);
    painter.end();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (qGray(coverage.pixel(x, y)) < kInkThreshold)
                image.setPixelColor(x, y, Qt::black);
        }
    }
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: coin_faces OUTPUT_DIR\n", stderr);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    const Face faces[] = {
        {"coin_head.bmp", QStringLiteral("表"), QColor(255, 255, 0), QRect(5, 3, 21, 25)},
        {"coin_tail.bmp", QStringLiteral("裏"), QColor(255, 128, 64), QRect(7, 3, 18, 25)},
    };
    bool ok = true;
    auto fail = [&ok](const QString &path) {
        std::fprintf(stderr, "coin_faces: cannot write %s\n", qPrintable(path));
        ok = false;
    };
    for (const Face &face : faces) {
        const QString bitmap = dir.filePath(QString::fromLatin1(face.file));
        // An RGB32 image is written as an uncompressed 24-bit bitmap, bottom row first.
        if (!drawFace(face).convertToFormat(QImage::Format_RGB32).save(bitmap, "BMP"))
            fail(bitmap);
        const QString large =
            QString(bitmap).replace(QStringLiteral(".bmp"), QStringLiteral("@4x.png"));
        if (!drawFace(face, 4).convertToFormat(QImage::Format_RGB32).save(large))
            fail(large);
    }
    for (int size : {32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        dir.mkpath(folder);
        const QString icon = dir.filePath(folder + QStringLiteral("/quindle.png"));
        if (!drawFace(faces[0], size / double(kSize), Qt::transparent).save(icon))
            fail(icon);
    }
    return ok ? 0 : 1;
}
