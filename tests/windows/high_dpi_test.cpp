// Run by CTest with QT_SCALE_FACTOR=2: every window doubles, and stays sharp.

#include "window_driver.h"

#include "windows/drawing_surface.h"

using namespace quindle;
using namespace quindle::testing;

class HighDpiTest : public QObject, ProgramDriver
{
    Q_OBJECT

private slots:
    void init()
    {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        startProgram(9);
    }
    void cleanup() { endProgram(); }

    void experimentWindowDoublesWithSharpCoinsAndBorders()
    {
        const QImage image = experiment()->grab().toImage();
        QCOMPARE(image.size(), QSize(868, 748));
        // Coin 1's head face, drawn from the large picture: pure yellow inside a black outline
        // with hardly a blend of the two beside it.
        const QPoint coin(2 * 104, 2 * 48);
        QCOMPARE(image.pixelColor(coin + QPoint(30, 65)), QColor(255, 255, 0));
        int blends = 0;
        for (int x = 0; x < 40; ++x) {
            const QColor c = image.pixelColor(coin + QPoint(x, 65));
            blends +=
                c == QColor(192, 192, 192) || c == Qt::black || c == QColor(255, 255, 0) ? 0 : 1;
        }
        QVERIFY2(blends <= 4, qPrintable(QString::number(blends)));
        // A table cell's border is two device pixels thick.
        const QPoint cell(2 * 96 + 40, 2 * 160);
        QCOMPARE(image.pixelColor(cell), QColor(Qt::black));
        QCOMPARE(image.pixelColor(cell + QPoint(0, 1)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(cell + QPoint(0, 2)), QColor(Qt::white));
    }

    void graphAxesAreTwoDevicePixelsWideNotBlurred()
    {
        openGraph();
        const QImage image = graph()->surface()->image();
        QCOMPARE(image.size(), QSize(2 * 637, 2 * 317));
        // Across the vertical axis (57 px) and the horizontal one (291 px): two black device
        // pixels, white on both sides, nothing grey.
        const auto mark = [&image](int x, int y) {
            const QColor c = image.pixelColor(x, y);
            return c == Qt::black   ? QLatin1Char('#')
                   : c == Qt::white ? QLatin1Char('.')
                                    : QLatin1Char('?');
        };
        QString across, down;
        for (int i = -3; i <= 4; ++i) {
            across += mark(2 * 57 + i, 2 * 150);
            down += mark(2 * 420, 2 * 291 + i);
        }
        QCOMPARE(across, QStringLiteral("..##...."));
        QCOMPARE(down, QStringLiteral("..##...."));
    }
};

QUINDLE_WIDGET_TEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
