#include "widget_test_main.h"

#include <QFile>
#include <QImage>
#include <QTest>

#include <set>

namespace {

quint32 le32(const QByteArray &data, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(data[at + i]);
    return value;
}

// Pixel (x, y), y counted from the top, of a bottom-up 24-bit bitmap.
QColor pixel(const QByteArray &data, int x, int y)
{
    const int offset = 54 + (31 - y) * 96 + x * 3;
    return QColor(static_cast<quint8>(data[offset + 2]), static_cast<quint8>(data[offset + 1]),
                  static_cast<quint8>(data[offset]));
}

} // namespace

class CoinFacesTest : public QObject
{
    Q_OBJECT
private slots:
    void bitmaps_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QColor>("disc");
        QTest::addColumn<int>("glyphWidth");
        QTest::newRow("head") << QStringLiteral(":/coin_head.bmp") << QColor(255, 255, 0) << 21;
        QTest::newRow("tail") << QStringLiteral(":/coin_tail.bmp") << QColor(255, 128, 64) << 18;
    }

    void bitmaps()
    {
        QFETCH(QString, path);
        QFETCH(QColor, disc);
        QFETCH(int, glyphWidth);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();

        QCOMPARE(data.size(), 3126);
        QCOMPARE(data.left(2), QByteArray("BM"));
        QCOMPARE(le32(data, 2), 3126U);           // file size
        QCOMPARE(le32(data, 10), 54U);            // pixels follow the two headers: no palette
        QCOMPARE(le32(data, 14), 40U);            // information header
        QCOMPARE(le32(data, 18), 32U);            // width
        QCOMPARE(le32(data, 22), 32U);            // height, positive: bottom row first
        QCOMPARE(static_cast<int>(data[28]), 24); // bits per pixel
        QCOMPARE(le32(data, 30), 0U);             // uncompressed

        const QColor grey(192, 192, 192);
        for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}, {0, 16}, {16, 0}})
            QCOMPARE(pixel(data, x, y), grey);
        // The disc spans pixels 1..30 with a black outline.
        for (auto [x, y] : {std::pair{1, 16}, {30, 16}, {16, 1}, {16, 30}})
            QCOMPARE(pixel(data, x, y), QColor(Qt::black));
        QCOMPARE(pixel(data, 3, 16), disc);
        QCOMPARE(pixel(data, 16, 2), disc);

        // Grey, black and the disc's colour only. The outline is the black next to the grey;
        // every other black pixel is ink, in rows 3..27 and as wide as the character.
        std::set<QRgb> colours;
        int inkLeft = 32, inkRight = -1, inkTop = 32, inkBottom = -1;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QColor c = pixel(data, x, y);
                colours.insert(c.rgb());
                if (c != QColor(Qt::black))
                    continue;
                const bool nextToGrey =
                    pixel(data, x - 1, y) == grey || pixel(data, x + 1, y) == grey ||
                    pixel(data, x, y - 1) == grey || pixel(data, x, y + 1) == grey;
                if (nextToGrey)
                    continue;
                inkLeft = std::min(inkLeft, x);
                inkRight = std::max(inkRight, x);
                inkTop = std::min(inkTop, y);
                inkBottom = std::max(inkBottom, y);
            }
        }
        QCOMPARE(colours.size(), std::size_t{3});
        QCOMPARE(inkTop, 3);
        QCOMPARE(inkBottom, 27);
        QCOMPARE(inkRight - inkLeft + 1, glyphWidth);

        // Qt reads it as the same picture.
        const QImage image(path);
        QCOMPARE(image.size(), QSize(32, 32));
        QCOMPARE(image.pixelColor(3, 16), disc);
    }
};

QUINDLE_WIDGET_TEST_MAIN(CoinFacesTest)
#include "coin_faces_test.moc"
