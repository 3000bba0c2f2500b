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
        QTest::newRow("head") << QStringLiteral(":/coin_head.bmp") << QColor(255, 255, 0);
        QTest::newRow("tail") << QStringLiteral(":/coin_tail.bmp") << QColor(255, 128, 64);
    }

    void bitmaps()
    {
        QFETCH(QString, path);
        QFETCH(QColor, disc);
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

        // Grey, black and the disc's colour only; the character's black fills rows 3..27.
        std::set<QRgb> colours;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                colours.insert(image.pixel(x, y));
        QCOMPARE(image.pixelColor(16, 2), disc);
        QCOMPARE(image.pixelColor(16, 29), disc);
        int inkRows = 0;
        for (int y = 3; y <= 27; ++y) {
            bool ink = false;
            for (int x = 4; x < 28; ++x)
                ink = ink || image.pixelColor(x, y) == black;
            inkRows += ink ? 1 : 0;
        }
        QCOMPARE(inkRows, 25);
        QCOMPARE(colours.size(), std::size_t{3});
    }
};

QUINDLE_WIDGET_TEST_MAIN(CoinFacesTest)
#include "coin_faces_test.moc"
