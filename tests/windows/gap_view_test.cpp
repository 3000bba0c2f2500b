// The graph window's gap view (Ctrl+D): each outcome's count minus a quarter of the trials
// against the trials, the band that widens, the legend's words as the table shows the counts,
// the ratio plot given back exactly, and the view on paper, in files and at every zoom.

#include "windows/window_driver.h"

#include "experiment/expected_range.h"
#include "experiment/gap_from_quarter.h"
#include "experiment/random_source.h"
#include "windows/controls/drawing_surface.h"
#include "windows/support/gap_words.h"
#include "windows/support/outcome_names.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QPrinter>
#include <QTemporaryDir>

#include <cmath>

using namespace quindle;
using namespace quindle::testing;

namespace {

const QColor kCurve[] = {QColor(0, 0, 255), QColor(0, 128, 0), QColor(0, 128, 128),
                         QColor(255, 0, 0)};
const QColor kBand(220, 220, 220);

// The pixel of the surface's inner area that a plot point falls on, at the design's scale:
// 8.5773 twips per unit across, 39.625 down, 15 twips per pixel.
QPoint px(double x, double y)
{
    return {static_cast<int>(std::lround(x * 8.5773 / 15)),
            static_cast<int>(std::lround(y * 39.625 / 15))};
}
constexpr double kPixelsPerUnitY = 39.625 / 15;

// Where the gap view puts a number of trials and a gap, in plot units: the trials from the
// vertical axis at 100 to 1100, the gaps from +gap at 10 through 0 at 60 to -gap at 110.
struct GapPlace
{
    GapScale scale;
    [[nodiscard]] double x(double trials) const
    {
        return 100 + 1000 * trials / double(scale.trials);
    }
    [[nodiscard]] double y(double gap) const { return 60 - 50 * gap / double(scale.gap); }
};

// Each outcome's count minus a quarter of the trials after every trial of the log, counted here.
std::vector<std::array<double, kOutcomes>> countedGaps(const ExperimentRecord &record)
{
    std::vector<std::array<double, kOutcomes>> gaps;
    std::array<int, kOutcomes> counts{};
    for (const auto &[coin1, coin2] : record.trialLog()) {
        const int outcome = (coin1 == Face::Head ? 0 : 2) + (coin2 == Face::Head ? 0 : 1);
        ++counts[static_cast<std::size_t>(outcome)];
        std::array<double, kOutcomes> after{};
        for (std::size_t n = 0; n < kOutcomes; ++n)
            after[n] = counts[n] - static_cast<double>(gaps.size() + 1) / 4;
        gaps.push_back(after);
    }
    return gaps;
}

double widest(const std::vector<std::array<double, kOutcomes>> &gaps)
{
    double most = 0;
    for (const auto &after : gaps)
        for (double gap : after)
            most = std::max(most, std::abs(gap));
    return most;
}

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The gap a legend label's words tell: "Head Tail: 12.5 above a quarter", "...: 3 below a
// quarter", "...: exactly a quarter", the number in the locale's form. NaN for other words.
double toldGap(const QString &words, const QLocale &locale)
{
    static const QRegularExpression told(
        QStringLiteral("^[A-Za-z ]+: (?:exactly a quarter|([0-9.,]+) (above|below) a quarter)"));
    const QRegularExpressionMatch match = told.match(words);
    if (!match.hasMatch())
        return std::nan("");
    if (match.captured(1).isEmpty())
        return 0;
    bool number = false;
    const double amount = locale.toDouble(match.captured(1), &number);
    if (!number)
        return std::nan("");
    return match.captured(2) == QLatin1String("above") ? amount : -amount;
}

} // namespace

class GapViewTest : public QObject, ProgramDriver
{
    Q_OBJECT

    [[nodiscard]] QImage plot() const { return graph()->surface()->image(); }
    [[nodiscard]] QLabel *legend(int n) const
    {
        return findControl<QLabel>(graph(), graphWindowLayout(), graph_roles::legendLabel(n));
    }
    [[nodiscard]] QAction *action(const char *text) const
    {
        for (QAction *candidate : graph()->actions())
            if (candidate->text() == QLatin1String(text))
                return candidate;
        return nullptr;
    }
    void gapKey() { QTest::keyClick(graph(), Qt::Key_D, Qt::ControlModifier); }
    // A run of count trials, one at a time through the window's one-trial button.
    void trialsByHand(int count)
    {
        auto *oneTrial = findControl<QPushButton>(experiment(), experimentWindowLayout(),
                                                  experiment_roles::trialButton);
        for (int trial = 0; trial < count; ++trial)
            oneTrial->click();
    }
    // A seeded program, so that the counts are the same on every run of the test.
    void startSeeded(std::uint64_t seed)
    {
        m_program = std::make_unique<Program>(seed, seed);
        m_program->openNewExperimentWindow();
        QVERIFY(waitShown(experiment()));
    }
    // The trial log of a full run of 4000 shown trials, drawn from a seeded generator: the
    // gap view draws from the log alone.
    void logFullRun(std::uint64_t seed)
    {
        Pcg32Source random(seed);
        const auto face = [&random] { return random.next() < 0.5F ? Face::Head : Face::Tail; };
        for (int trial = 0; trial < kMaxShownTrials; ++trial) {
            const Face first = face();
            record().logTrial(first, face());
        }
    }

private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        endProgram();
    }

    void everyCountIsDrawnAgainstAQuarterOfItsTrials_data()
    {
        QTest::addColumn<int>("trials");
        QTest::newRow("twenty trials fill the axis") << 20;
        QTest::newRow("three hundred") << 300;
        QTest::newRow("a full run's 4000") << kMaxShownTrials;
    }
    void everyCountIsDrawnAgainstAQuarterOfItsTrials()
    {
        QFETCH(int, trials);
        startSeeded(7);
        if (trials == kMaxShownTrials)
            logFullRun(7);
        else
            trialsByHand(trials);
        openGraph();
        gapKey();
        const auto gaps = countedGaps(record());
        QCOMPARE(int(gaps.size()), trials);
        const GapPlace place{gapScaleFor(trials, widest(gaps))};
        // A short run's trials take the whole axis.
        QVERIFY(place.x(trials) > 600);
        const QImage image = plot();
        // Every trial of every outcome: its curve's colour, or that of a curve drawn over it,
        // within a pixel (a straight stretch is one line, whose pixels round on their own).
        const auto drawnNear = [&image](QPoint at, int outcome) {
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    for (int over = outcome; over <= kOutcomes; ++over)
                        if (image.pixelColor(at + QPoint(dx, dy)) == kCurve[over - 1])
                            return true;
            return false;
        };
        for (int t = 1; t <= trials; ++t) {
            for (int n = 1; n <= kOutcomes; ++n) {
                const double gap = gaps[std::size_t(t - 1)][std::size_t(n - 1)];
                QVERIFY2(
                    drawnNear(px(place.x(t), place.y(gap)), n),
                    qPrintable(
                        QStringLiteral("trial %1, outcome %2, gap %3").arg(t).arg(n).arg(gap)));
            }
        }
        // The curves start at 0 trials with no gap; nothing lies beyond the axes.
        QCOMPARE(image.pixelColor(px(100, 60)), kCurve[3]);
        for (int y = 0; y < image.height(); ++y)
            QCOMPARE(image.pixelColor(image.width() - 1, y), QColor(Qt::white));
    }

    void theBandWidensAsTheSquareRootOfTheTrials()
    {
        startProgram(3);
        // 4000 trials in turn of each outcome: every gap stays within a trial of 0, so the
        // band's edges are in plain sight.
        for (int trial = 0; trial < kMaxShownTrials; ++trial)
            record().logTrial(trial % 4 < 2 ? Face::Head : Face::Tail,
                              trial % 2 == 0 ? Face::Head : Face::Tail);
        openGraph();
        gapKey();
        QVERIFY(action("Show expected range"));
        action("Show expected range")->trigger();
        const QImage image = plot();
        const GapPlace place{gapScaleFor(kMaxShownTrials, 0.75)};
        QCOMPARE(place.scale.gap, 60LL); // the band reaches 54.8 at 4000
        for (const int trials : {250, 1000, 3960}) {
            const int column = px(place.x(trials), 0).x();
            int top = -1, bottom = -1;
            for (int y = 0; y < image.height(); ++y) {
                if (image.pixelColor(column, y) == kBand) {
                    top = top < 0 ? y : top;
                    bottom = y;
                }
            }
            // Two standard deviations of the count either side of the dashed line at 0.
            const double half = 50 * 2 * std::sqrt(3.0 * trials / 16) / 60 * kPixelsPerUnitY;
            QVERIFY2(std::abs((bottom - top) / 2.0 - half) <= 1.5,
                     qPrintable(QStringLiteral("%1 trials: %2 to %3, half %4")
                                    .arg(trials)
                                    .arg(top)
                                    .arg(bottom)
                                    .arg(half)));
            QVERIFY(std::abs((top + bottom) / 2.0 - px(0, 60).y()) <= 1);
        }
        QVERIFY(image.pixelColor(px(place.x(4000), 10)) != kBand); // within the axis's end
    }

    void theLegendAndReadResultsTellEachGapAsTheTableShowsIt()
    {
        startSeeded(42);
        trialsByHand(201); // not a multiple of four: every gap has a fraction
        openGraph();
        gapKey();
        const int total = trialTotal()->text().toInt();
        QCOMPARE(total, 201);
        std::array<double, kOutcomes> fromTable{};
        for (int n = 1; n <= kOutcomes; ++n) {
            fromTable[std::size_t(n - 1)] = cell(CellKind::Count, n)->text().toInt() - total / 4.0;
            const QString said = accessibleName(legend(n));
            QVERIFY2(said.startsWith(outcomeWords(n) + QLatin1Char(':')), qPrintable(said));
            QCOMPARE(toldGap(said, QLocale::c()), fromTable[std::size_t(n - 1)]);
        }
        // Read results brings a screen reader to the first of them.
        QTest::keyClick(graph(), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(graph()->focusWidget(), legend(1));
        QCOMPARE(toldGap(accessibleName(graph()->focusWidget()), QLocale::c()), fromTable[0]);

        // With the expected range: whether each gap lies within two standard deviations.
        action("Show expected range")->trigger();
        const double band = 2 * std::sqrt(3.0 * total / 16);
        for (int n = 1; n <= kOutcomes; ++n) {
            const bool inside = std::abs(fromTable[std::size_t(n - 1)]) <= band;
            QVERIFY(accessibleName(legend(n)).endsWith(
                inside ? QLatin1String(", inside the expected range")
                       : QLatin1String(", outside the expected range")));
        }
        // The numbers in the language's own form: a decimal comma in German.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        gapKey();
        gapKey();
        const QString said = accessibleName(legend(1));
        QVERIFY2(said.contains(QLatin1Char(',')) && !said.contains(QLatin1Char('.')),
                 qPrintable(said));
        QCOMPARE(toldGap(said, QLocale()), fromTable[0]);
    }

    void gapWordsSayAboveBelowOrExactlyAQuarter()
    {
        QCOMPARE(gapWords(12.5), QStringLiteral("12.5 above a quarter"));
        QCOMPARE(gapWords(-3.25), QStringLiteral("3.25 below a quarter"));
        QCOMPARE(gapWords(0), QStringLiteral("exactly a quarter"));
        QCOMPARE(gapWords(-40), QStringLiteral("40 below a quarter"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(gapWords(12.5), QStringLiteral("12,5 above a quarter"));
    }

    void ctrlDTwiceGivesTheRatioPlotAndItsWordsBackExactly()
    {
        startSeeded(5);
        trialsByHand(150);
        openGraph();
        QAction *gapView = action("Show gap from a quarter");
        QVERIFY(gapView && gapView->isCheckable() && !gapView->isChecked());
        QCOMPARE(gapView->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
        // Beside "Show expected range" in the context menu.
        const QList<QAction *> menu = graph()->actions();
        QCOMPARE(menu.indexOf(gapView), menu.indexOf(action("Show expected range")) + 1);

        const auto words = [this] {
            QStringList said{graph()->surface()->accessibleDescription()};
            for (int n = 1; n <= kOutcomes; ++n)
                said << accessibleName(legend(n));
            return said;
        };
        const QImage ratio = plot().copy();
        const QStringList ratioWords = words();
        gapKey();
        QVERIFY(gapView->isChecked());
        const QImage gap = plot().copy();
        QVERIFY(gap != ratio);
        const QStringList gapWordsSaid = words();
        for (int i = 0; i < ratioWords.size(); ++i)
            QVERIFY(gapWordsSaid[i] != ratioWords[i]);
        focus(experiment()); // activations draw the same gap view
        focus(graph());
        QCOMPARE(plot(), gap);
        gapKey();
        QVERIFY(!gapView->isChecked());
        QCOMPARE(plot(), ratio);
        QCOMPARE(words(), ratioWords);

        // Held while the program runs, as the expected range is...
        gapKey();
        QPointer<GraphWindow> old = graph();
        click(graphClose());
        QVERIFY(QTest::qWaitFor([&] { return old.isNull(); }));
        focus(experiment());
        openGraph();
        QCOMPARE(plot(), gap);
        QCOMPARE(words(), gapWordsSaid);
        // ...but a new start shows the ratio plot.
        endProgram();
        startSeeded(5);
        trialsByHand(150);
        openGraph();
        QCOMPARE(plot(), ratio);
    }

    void theGapViewGoesOnPaperIntoFilesAndThroughEveryZoom()
    {
        startSeeded(42);
        trialsByHand(200);
        openGraph();
        gapKey();
        const QImage shown = plot().copy();
        const auto gaps = countedGaps(record());
        const GapPlace place{gapScaleFor(200, widest(gaps))};
        const QPointF last(place.x(200), place.y(gaps.back()[3])); // the red curve's end

        QTemporaryDir folder;
        QPrinter printer; // as printing to a PDF file from the print dialog
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("printed.pdf")));
        graph()->printGraph(printer);
        const QString pdf = folder.filePath(QStringLiteral("saved.pdf"));
        QCOMPARE(graph()->saveGraphAsPdf(pdf), QString());
        for (const QString &file : {printer.outputFileName(), pdf}) {
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
            QVERIFY(pdftotext.waitForFinished());
            const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
            QVERIFY2(text.contains(QLatin1String("(Vertical axis : Count minus a quarter of the "
                                                 "trials)")) &&
                         text.contains(QLatin1String("(Horizontal axis : Number of trials)")) &&
                         !text.contains(QLatin1String("Ratio")),
                     qPrintable(text));
        }
        const QString svgPath = folder.filePath(QStringLiteral("graph.svg"));
        QCOMPARE(graph()->saveGraphAsSvg(svgPath), QString());
        QFile svg(svgPath);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray svgText = svg.readAll();
        QVERIFY(svgText.contains("Count minus a quarter of the trials") &&
                !svgText.contains("Ratio"));

        QTest::keyClick(graph(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(shown.format()), shown);
        const QString fine = folder.filePath(QStringLiteral("graph@2x.png"));
        QCOMPARE(graph()->saveGraph(fine, true), QString());
        const QImage doubled(fine); // drawn afresh at twice the pixels each way
        QCOMPARE(doubled.size(), shown.size() / shown.devicePixelRatio() * 2);
        QCOMPARE(doubled.scaled(doubled.size() / 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                     .pixelColor(px(last.x(), last.y())),
                 kCurve[3]);

        // At 200 % the same view at twice the size; Ctrl+0 gives back the picture exactly.
        for (int step = 0; step < 4; ++step)
            QTest::keyClick(graph(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(graph()->surface()->zoom(), 200);
        QCOMPARE(plot().pixelColor(graph()->surface()->toPixel(float(last.x()), float(last.y()))),
                 kCurve[3]);
        QTest::keyClick(graph(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(plot(), shown);
    }
};

QUINDLE_WIDGET_TEST_MAIN(GapViewTest)
#include "gap_view_test.moc"
