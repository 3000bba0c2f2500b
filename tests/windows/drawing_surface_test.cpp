// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The drawing surface's pixels must be those of every line drawn alone, at every zoom and pixel
// ratio; a batch is left out only when it repeats the one before exactly.

#include "windows/window_driver.h"

#include "windows/controls/drawing_surface.h"

#include <QPicture>

#include <vector>

using namespace quindle;

namespace {

constexpr Rgb kBlue{0, 0, 255}, kRed{255, 0, 0}, kGrey{220, 220, 220};

// A path in user units, one unit a pixel at 100 %: where a plot's curve goes.
struct Path
{
    Rgb color;
    std::vector<QPointF> points;
};

// Curves as a plot has them: steps of one unit or less across, flat stretches, a step back on
// itself, a steep rise, a line of no length, two paths of one colour that meet, and an axis
// by the edge (where a pen three pixels wide rounds its ends).
std::vector<Path> curves()
{
    Path wave{kBlue, {}};
    for (int i = 0; i <= 120; ++i)
        wave.points.emplace_back(float(10 + i * 0.6), 40 + (i * 7) % 11 + (i % 23 == 0 ? 30 : 0));
    return {wave,
            {kRed, {{20, 20}, {21, 20}, {21, 20}, {22, 60}, {22, 59}, {30, 59}, {29, 58}}},
            {kRed, {{29, 58}, {80, 5}, {81, 90}}},
            {kGrey, {{100, 10}, {100, 90}}},
            {kRed, {{1, 12}, {1, 7}, {6, 7}}},
            {kBlue, {{100, 50}, {60, 50}, {60, 51}}}};
}

// The paths drawn the plain way, every line alone; the pen one pixel wide at 100 %, as wide as
// the zoom makes it.
QImage drawnLineByLine(const std::vector<Path> &paths, QSize inner, int zoom, qreal ratio)
{
    QImage image(inner * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    const double scale = zoom / 100.0;
    const auto pixel = [scale](QPointF at) {
        return QPoint(int(std::floor(at.x() * scale + 0.5)), int(std::floor(at.y() * scale + 0.5)));
    };
    for (const Path &path : paths) {
        painter.setPen(QPen(QColor(path.color.r, path.color.g, path.color.b), zoom / 100));
        for (std::size_t i = 1; i < path.points.size(); ++i)
            painter.drawLine(pixel(path.points[i - 1]), pixel(path.points[i]));
    }
    return image;
}

void draw(SurfaceOperations &surface, const std::vector<Path> &paths)
{
    for (const Path &path : paths) {
        const QPointF first = path.points.front();
        surface.setCurrentX(float(first.x()));
        surface.setCurrentY(float(first.y()));
        for (std::size_t i = 1; i < path.points.size(); ++i)
            surface.lineTo(float(path.points[i].x()), float(path.points[i].y()), path.color);
    }
}

// The surface's drawing as vectors, as a printer or an SVG file gets it.
QByteArray vectors(const DrawingSurface &surface)
{
    QPicture picture;
    QPainter painter(&picture);
    surface.renderVectors(painter);
    painter.end();
    return {picture.data(), int(picture.size())};
}

// A small plot: axes, a text, a start point, a curve and a line back to the start.
void plot(SurfaceOperations &surface, float lastY, const char *title = "0.25", Rgb curve = kBlue,
          int points = 60)
{
    surface.line(5, 5, 5, 90, {0, 0, 0});
    surface.lineTo(150, 90, {0, 0, 0});
    surface.setCurrentX(10);
    surface.setCurrentY(10);
    surface.print(title);
    surface.point(6, 50, curve);
    for (int i = 1; i < points; ++i)
        surface.lineTo(6.f + float(i), i + 1 == points ? lastY : 50.f + float(i % 5), curve);
    surface.lineTo(5, 5, {0, 0, 0}); // back to where the next plot begins
}

} // namespace

class DrawingSurfaceTest : public QObject
{
    Q_OBJECT

    // A blank surface with an inner area of 160 x 100 at 100 %.
    static std::unique_ptr<DrawingSurface> blank()
    {
        auto surface = std::make_unique<DrawingSurface>(15.0, 15.0, nullptr);
        surface->resize(164, 104);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        font.setStyleStrategy(QFont::NoAntialias);
        surface->setTextFont(font);
        return surface;
    }
private slots:
    void linesArePixelForPixelThoseDrawnOneByOne_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<qreal>("ratio"); // 2: a screen of twice the pixels
        for (const qreal ratio : {1.0, 2.0})
            for (const int zoom : ratio == 1 ? QList{100, 125, 175, 200, 300} : QList{100, 250})
                QTest::addRow("%d %% at %g", zoom, ratio) << zoom << ratio;
    }
    void linesArePixelForPixelThoseDrawnOneByOne()
    {
        QFETCH(int, zoom);
        QFETCH(qreal, ratio);
        const auto surface = blank();
        surface->setPixelRatio(ratio);
        const std::vector<Path> paths = curves();
        draw(*surface, paths);
        // Redrawn at the zoom as a zoom key does, then drawn at the zoom from the start.
        (void)surface->image();
        surface->setZoom(zoom);
        surface->resize(QSize(160, 100) * zoom / 100 +
                        2 * QSize(surface->border(), surface->border()));
        const QImage expected = drawnLineByLine(paths, surface->innerSize(), zoom, ratio);
        QCOMPARE(surface->image(), expected);
        surface->clear();
        draw(*surface, paths);
        QCOMPARE(surface->image(), expected);
    }

    void whatIsDrawnReachesTheScreenWithoutBeingAskedFor()
    {
        const auto surface = blank(), alone = blank();
        surface->show();
        QVERIFY(QTest::qWaitForWindowExposed(surface.get()));
        const auto onScreen = [&surface] {
            const int b = surface->border();
            return QGuiApplication::primaryScreen()
                ->grabWindow(surface->winId())
                .toImage()
                .copy(QRect(QPoint(b, b), surface->innerSize()))
                .convertToFormat(QImage::Format_RGB32);
        };
        // A plot in a batch, then curves over it, each shown as soon as events are processed.
        plot(*alone, 20);
        const QImage plotted = alone->image().copy();
        draw(*alone, curves());
        surface->beginBatch();
        plot(*surface, 20);
        surface->endBatch();
        QVERIFY(QTest::qWaitFor([&] { return onScreen() == plotted; }));
        draw(*surface, curves());
        QVERIFY(QTest::qWaitFor([&] { return onScreen() == alone->image(); }));
    }

    void aLineThatContinuesTheLastOneIsDrawnAfterThatWasShown()
    {
        // A curve that grows after the picture was last shown (a plot drawn a trial at a time).
        const auto growing = blank(), whole = blank();
        for (DrawingSurface *surface : {growing.get(), whole.get()})
            surface->line(10, 10, 40, 60, kBlue);
        (void)growing->image();
        for (DrawingSurface *surface : {growing.get(), whole.get()})
            surface->lineTo(90, 20, kBlue);
        (void)growing->image();
        for (DrawingSurface *surface : {growing.get(), whole.get()})
            surface->lineTo(120, 95, kBlue);
        QCOMPARE(growing->image(), whole->image());
    }

    void aBatchIsLeftOutOnlyWhenItRepeatsTheOneBeforeExactly_data()
    {
        QTest::addColumn<float>("lastY");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("points");
        QTest::newRow("repeat") << 20.f << QByteArray("0.25") << false << 60;
        QTest::newRow("last point") << 80.f << QByteArray("0.25") << false << 60;
        QTest::newRow("one point more") << 20.f << QByteArray("0.25") << false << 61;
        QTest::newRow("colour") << 20.f << QByteArray("0.25") << true << 60;
        QTest::newRow("a letter") << 20.f << QByteArray("0.75") << false << 60;
    }
    void aBatchIsLeftOutOnlyWhenItRepeatsTheOneBeforeExactly()
    {
        QFETCH(float, lastY);
        QFETCH(QByteArray, title);
        QFETCH(bool, red);
        QFETCH(int, points);
        const auto second = [&](SurfaceOperations &target) {
            plot(target, lastY, title.constData(), red ? kRed : kBlue, points);
        };
        // Each batch's first line continues the line before. The second batch comes before the
        // picture is needed (a window activated as it opens), then three times after.
        const auto surface = blank(), expected = blank();
        (void)surface->image();
        for (DrawingSurface *target : {surface.get(), expected.get()})
            target->line(150, 5, 5, 5, {0, 0, 0}); // outside a batch, ending where the first begins
        surface->beginBatch();
        plot(*surface, 20);
        surface->endBatch();
        for (int activation = 0; activation < 4; ++activation) {
            surface->beginBatch();
            second(*surface);
            surface->endBatch();
            (void)surface->image();
        }
        plot(*expected, 20);
        if (QTest::currentDataTag() != QByteArray("repeat"))
            second(*expected);
        QCOMPARE(vectors(*surface), vectors(*expected));
        for (const int zoom : {100, 200}) {
            surface->setZoom(zoom); // at 200 % and back: drawn afresh from what was kept
            surface->setZoom(100);
            QCOMPARE(surface->image(), expected->image());
        }
    }
};

QUINDLE_WIDGET_TEST_MAIN(DrawingSurfaceTest)
#include "drawing_surface_test.moc"
