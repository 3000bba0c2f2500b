#include "window_driver.h"

#include <QFile>

#include <set>

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
        // An uncompressed 24-bit bitmap, 32 x 32, bottom row first, pixels after 54 bytes.
        QCOMPARE(data.size(), 3126);
        QCOMPARE(data.left(2), QByteArray("BM"));
        QCOMPARE(data.mid(10, 16), QByteArray::fromHex("36000000280000002000000020000000"));
        QCOMPARE(data.mid(28, 6), QByteArray::fromHex("180000000000"));

        const QImage image(path);
        QCOMPARE(image.size(), QSize(32, 32));
        const QColor grey(192, 192, 192), black(Qt::black);
        for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}, {0, 16}, {16, 0}})
            QCOMPARE(image.pixelColor(x, y), grey);
        for (auto [x, y] : {std::pair{1, 16}, {30, 16}, {16, 1}, {16, 30}})
            QCOMPARE(image.pixelColor(x, y), black); // the disc's outline spans 1..30
        QCOMPARE(image.pixelColor(3, 16), disc);

        // Grey, black and the disc's colour only. Black next to grey is the outline; all other
        // black is the character, in rows 3..27 and as wide as the design says.
        std::set<QRgb> colours;
        int left = 32, right = -1, top = 32, bottom = -1;
        for (int y = 1; y < 31; ++y) {
            for (int x = 1; x < 31; ++x) {
                colours.insert(image.pixel(x, y));
                const bool outline =
                    image.pixelColor(x - 1, y) == grey || image.pixelColor(x + 1, y) == grey ||
                    image.pixelColor(x, y - 1) == grey || image.pixelColor(x, y + 1) == grey;
                if (image.pixelColor(x, y) != black || outline)
                    continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        QCOMPARE(colours.size(), std::size_t{3});
        QCOMPARE(top, 3);
        QCOMPARE(bottom, 27);
        QCOMPARE(right - left + 1, glyphWidth);
    }
};

QUINDLE_WIDGET_TEST_MAIN(CoinFacesTest)
#include "coin_faces_test.moc"
