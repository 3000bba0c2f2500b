// Draws the two coin faces, 32 x 32 pixels, and writes them as uncompressed 24-bit Windows
// bitmaps (3126 bytes each): light grey around a 30 px disc with a one-pixel black outline,
// yellow with 表 for Head and orange with 裏 for Tail, the character in black, 25 px tall.
//
//   coin_faces OUTPUT_DIR      writes OUTPUT_DIR/coin_head.bmp and OUTPUT_DIR/coin_tail.bmp
//
// The character comes from the installed Japanese font (IPAGothic), scaled to its box and
// drawn without anti-aliasing so the faces keep four colours.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

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

bool insideDisc(int x, int y)
{
    const double dx = x + 0.5 - 16.0, dy = y + 0.5 - 16.0;
    return std::hypot(dx, dy) <= 15.0;
}

QImage drawFace(const Face &face)
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            QColor color = kGrey;
            if (insideDisc(x, y)) {
                const bool edge = !insideDisc(x - 1, y) || !insideDisc(x + 1, y) ||
                                  !insideDisc(x, y - 1) || !insideDisc(x, y + 1);
                color = edge ? QColor(Qt::black) : face.disc;
            }
            image.setPixelColor(x, y, color);
        }
    }

    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(400);
    QPainterPath glyph;
    glyph.addText(0, 0, font, face.character);
    const QRectF bounds = glyph.boundingRect();
    QTransform toBox;
    toBox.translate(face.glyphBox.left(), face.glyphBox.top());
    toBox.scale(face.glyphBox.width() / bounds.width(), face.glyphBox.height() / bounds.height());
    toBox.translate(-bounds.left(), -bounds.top());

    // Anti-aliased coverage, then a threshold below one half: thin strokes of the scaled glyph
    // come out two pixels wide instead of breaking up into one-pixel runs.
    QImage coverage(kSize, kSize, QImage::Format_Grayscale8);
    coverage.fill(Qt::white);
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillPath(toBox.map(glyph), Qt::black);
    painter.end();
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (qGray(coverage.pixel(x, y)) < kInkThreshold)
                image.setPixelColor(x, y, Qt::black);
        }
    }
    return image;
}

void put16(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void put32(QByteArray &out, int value)
{
    put16(out, value & 0xFFFF);
    put16(out, (value >> 16) & 0xFFFF);
}

QByteArray toBitmap(const QImage &image)
{
    constexpr int kRowBytes = kSize * 3; // 96: already a multiple of four
    constexpr int kPixelBytes = kRowBytes * kSize;
    constexpr int kHeaderBytes = 14 + 40;
    QByteArray out;
    out.append("BM");
    put32(out, kHeaderBytes + kPixelBytes);
    put32(out, 0);
    put32(out, kHeaderBytes);
    put32(out, 40);
    put32(out, kSize);
    put32(out, kSize); // positive: bottom row first
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // no compression
    put32(out, kPixelBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; ++x) {
            const QColor c = image.pixelColor(x, y);
            out.append(static_cast<char>(c.blue()));
            out.append(static_cast<char>(c.green()));
            out.append(static_cast<char>(c.red()));
        }
    }
    return out;
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
    for (const Face &face : faces) {
        QFile file(dir.filePath(QString::fromLatin1(face.file)));
        if (!file.open(QIODevice::WriteOnly) || file.write(toBitmap(drawFace(face))) < 0) {
            std::fprintf(stderr, "coin_faces: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
