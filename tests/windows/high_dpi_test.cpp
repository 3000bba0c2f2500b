// Run by CTest with QT_SCALE_FACTOR=2: every window doubles, and stays sharp.

#include "widget_test_main.h"

#include "app/program.h"
#include "windows/drawing_surface.h"

#include <QPushButton>

#include <memory>

using namespace quindle;

class HighDpiTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Program> m_program;

private slots:
    void init()
    {
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
        m_program = std::make_unique<Program>(9);
        m_program->showForm1();
        QVERIFY(QTest::qWaitForWindowActive(m_program->form1()));
    }
    void cleanup() { m_program.reset(); }

    void experimentWindowDoublesWithSharpCoins()
    {
        Form1 *form = m_program->form1();
        QCOMPARE(form->devicePixelRatioF(), 2.0);
        const QImage image = form->grab().toImage();
        QCOMPARE(image.size(), QSize(868, 748));
        // Coin 1's head face, drawn from the large picture: a disc of pure yellow and a black
        // outline with no blend of the two beside it.
        const QPoint coin(2 * 104, 2 * 48);
        QCOMPARE(image.pixelColor(coin + QPoint(30, 65)), QColor(255, 255, 0));
        int edgeBlends = 0;
        for (int x = 0; x < 40; ++x) {
            const QColor c = image.pixelColor(coin + QPoint(x, 65));
            const bool pure =
                c == QColor(192, 192, 192) || c == QColor(Qt::black) || c == QColor(255, 255, 0);
            edgeBlends += pure ? 0 : 1;
        }
        QVERIFY2(edgeBlends <= 4, qPrintable(QString::number(edgeBlends)));
        // A table cell's border is two device pixels thick, like the rest of the window.
        const QPoint cell(2 * 96, 2 * 160);
        QCOMPARE(image.pixelColor(cell + QPoint(40, 0)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(cell + QPoint(40, 1)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(cell + QPoint(40, 2)), QColor(Qt::white));
    }

    void graphAxisIsTwoDevicePixelsWideNotBlurred()
    {
        m_program->form1()->findChild<QPushButton *>(QStringLiteral("Command6"))->click();
        Form2 *graph = m_program->form2();
        QVERIFY(QTest::qWaitForWindowActive(graph));
        const QImage image = graph->surface()->image();
        QCOMPARE(image.devicePixelRatio(), 2.0);
        QCOMPARE(image.size(), QSize(2 * 637, 2 * 317));

        // Across the vertical axis (x = 100 units, 57 px) half-way up: two black device
        // columns, white on both sides, nothing grey.
        const int row = 2 * 150;
        QStringList across;
        for (int x = 2 * 57 - 3; x <= 2 * 57 + 4; ++x) {
            const QColor c = image.pixelColor(x, row);
            QVERIFY2(c == QColor(Qt::black) || c == QColor(Qt::white), qPrintable(c.name()));
            across << (c == QColor(Qt::black) ? QStringLiteral("#") : QStringLiteral("."));
        }
        QCOMPARE(across.join(QString()).count(QLatin1Char('#')), 2);
        QVERIFY(across.join(QString()).contains(QStringLiteral("##")));

        // The same for the horizontal axis (y = 110 units, 291 px).
        int black = 0;
        for (int y = 2 * 291 - 3; y <= 2 * 291 + 4; ++y) {
            const QColor c = image.pixelColor(2 * 420, y); // between two count ticks
            QVERIFY(c == QColor(Qt::black) || c == QColor(Qt::white));
            black += c == QColor(Qt::black) ? 1 : 0;
        }
        QCOMPARE(black, 2);
    }
};

QUINDLE_WIDGET_TEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
