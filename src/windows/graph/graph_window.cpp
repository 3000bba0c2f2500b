// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/graph/graph_window.h"

#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"
#include "experiment/gap_from_quarter.h"
#include "windows/controls/drawing_surface.h"
#include "windows/controls/line.h"
#include "windows/graph/graph_window_layout.h"
#include "windows/graph/plot.h"
#include "windows/input/activation.h"
#include "windows/input/context_menu.h"
#include "windows/input/keyboard.h"
#include "windows/input/zoom_control.h"
#include "windows/paper/paper.h"
#include "windows/support/gap_words.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_names.h"
#include "windows/support/runtime_errors.h"
#include "windows/support/saving.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>

#include <cmath>

namespace quindle {

namespace {

// The plot's texts: a plain sans-serif about 12 px high, narrow enough for the horizontal
// axis title to fit between its start and the surface's right edge.
QFont plotFont()
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    // Without anti-aliasing, text printed twice at the same place looks as it did once.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// On paper, the legend's row under the plot, in the plot's pixels.
constexpr double kLegendHeight = 34;

} // namespace

GraphWindow::GraphWindow(const ExperimentRecord &record, Preferences &preferences)
    : m_record(record)
    , m_preferences(preferences)
    , m_surface(new DrawingSurface(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, this))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(graphWindowCaption());
    m_surface->setTextFont(plotFont());
    m_surface->setFocusPolicy(Qt::StrongFocus);
    const auto layout = graphWindowLayout();
    buildControls(this, layout, {{graph_roles::surface, m_surface}});
    placeWindow(this, kGraphWindowPlace);
    m_surface->setFocus();

    auto *close = findControl<QPushButton>(this, layout, graph_roles::closeButton);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    addKeyFor(this, QKeySequence(Qt::Key_Escape), close);
    // The legend labels can be reached with Tab after Close: each tells its outcome's result.
    QWidget *previous = close;
    for (int n = 1; n <= kOutcomes; ++n) {
        auto *label = findControl<QLabel>(this, layout, graph_roles::legendLabel(n));
        label->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, label);
        previous = label;
    }
    m_plotDescription = m_surface->accessibleDescription();
    buildContextMenu();
    describeResults();
    ActivationWatcher::instance().watch(this, [this] { guarded([this] { activate(); }); });
}

void GraphWindow::buildContextMenu()
{
    useActionsAsContextMenu(this);
    const QList<QAction *> pictures = pictureActions();
    buildViewActions();
    const QList<QAction *> documents = documentActions();
    QAction *results = readResultsAction();
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &GraphWindow::zoomChosen);
    addActions(pictures + documents +
               QList<QAction *>{m_expectedRange, m_gapView, results, m_zoom->menuAction()});
}

QList<QAction *> GraphWindow::pictureActions()
{
    //: The graph window's context menu: puts the plot on the clipboard as a picture.
    auto *copy = new QAction(tr("Copy graph"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setImage(m_surface->image()); });
    //: The context menu: saves the plot as a PNG picture.
    auto *save = new QAction(tr("Save graph…"), this);
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { chooseFileAndSaveGraph(false); });
    //: The context menu: the plot drawn afresh at twice the pixels, as a PNG picture.
    auto *saveDouble = new QAction(tr("Save graph at double resolution…"), this);
    connect(saveDouble, &QAction::triggered, this, [this] { chooseFileAndSaveGraph(true); });
    return {copy, save, saveDouble};
}

void GraphWindow::buildViewActions()
{
    //: The context menu, a check box: shades the band where chance keeps each ratio about 95 %
    //: of the time.
    m_expectedRange = new QAction(tr("Show expected range"), this);
    m_expectedRange->setCheckable(true);
    connect(m_expectedRange, &QAction::triggered, this, [this](bool shown) {
        setExpectedRangeShown(shown);
        emit expectedRangeToggled(shown);
    });
    // The same run the other way round: how far each count strays from a quarter of the trials.
    //: The graph window's context menu: a check mark turns the graph into each outcome's gap
    //: from a quarter of the trials.
    m_gapView = new QAction(tr("Show gap from a quarter"), this);
    m_gapView->setCheckable(true);
    m_gapView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    connect(m_gapView, &QAction::triggered, this, [this](bool shown) {
        setGapViewShown(shown);
        emit gapViewToggled(shown);
    });
}

QList<QAction *> GraphWindow::documentActions()
{
    //: The context menu: the graph on an A4 page as a PDF document.
    auto *pdf = new QAction(tr("Save graph as PDF…"), this);
    connect(pdf, &QAction::triggered, this, [this] {
        //: The title of the dialog that saves the graph as a PDF document.
        const QString title = tr("Save graph as PDF");
        //: The file dialog's filter for PDF documents.
        saveThroughDialog(this, m_preferences, title, QStringLiteral("quindle-graph.pdf"),
                          tr("PDF documents (*.pdf)"),
                          [this](const QString &path) { return saveGraphAsPdf(path); });
    });
    //: The context menu: the graph as an SVG picture of lines and text.
    auto *svg = new QAction(tr("Save graph as SVG…"), this);
    connect(svg, &QAction::triggered, this, [this] {
        //: The title of the dialog that saves the graph as an SVG picture.
        const QString title = tr("Save graph as SVG");
        //: The file dialog's filter for SVG pictures.
        saveThroughDialog(this, m_preferences, title, QStringLiteral("quindle-graph.svg"),
                          tr("SVG images (*.svg)"),
                          [this](const QString &path) { return saveGraphAsSvg(path); });
    });
    //: The context menu: prints the graph, by the print dialog.
    auto *print = new QAction(tr("Print…"), this);
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] {
        printThroughDialog(this, [this](QPaintDevice &printer) { printGraph(printer); });
    });
    return {pdf, svg, print};
}

QAction *GraphWindow::readResultsAction()
{
    // Ctrl+R brings a screen reader to the results: the first legend label, which tells its
    // outcome's ratio and count (Tab goes on to the others).
    //: The context menu: brings a screen reader to the legend, which tells each outcome's result.
    auto *results = new QAction(tr("Read results"), this);
    results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(results, &QAction::triggered, this, [this] {
        findControl<QLabel>(this, graphWindowLayout(), graph_roles::legendLabel(1))
            ->setFocus(Qt::ShortcutFocusReason);
    });
    return results;
}

void GraphWindow::setExpectedRangeShown(bool shown)
{
    if (m_expectedRange->isChecked() == shown && shown == m_rangeDrawn)
        return;
    m_expectedRange->setChecked(shown);
    m_rangeDrawn = shown;
    m_surface->clear();
    draw();
}

void GraphWindow::setGapViewShown(bool shown)
{
    if (m_gapView->isChecked() == shown && shown == m_gapDrawn)
        return;
    m_gapView->setChecked(shown);
    m_gapDrawn = shown;
    //: What a screen reader says the plot shows in the gap view.
    const QString gaps =
        tr("Each outcome's count minus a quarter of all trials (vertical) against the number of "
           "trials (horizontal), one curve per outcome, with a dashed line at 0");
    m_surface->setAccessibleDescription(shown ? gaps : m_plotDescription);
    m_surface->clear();
    draw();
}

void GraphWindow::setZoom(int zoom)
{
    applyZoom(this, graphWindowLayout(), zoom);
    placeWindow(this, kGraphWindowPlace, zoom);
    m_zoom->show(zoom);
}

void GraphWindow::draw()
{
    // The gap view's scales follow the run: it is drawn afresh, never over an earlier drawing.
    if (m_gapDrawn)
        m_surface->clear();
    m_surface->beginBatch();
    drawPicture(*m_surface);
    m_surface->endBatch();
    describeResults();
}

void GraphWindow::drawPicture(SurfaceOperations &surface) const
{
    if (m_gapDrawn) {
        drawGapPlot(surface, gapsAlong(m_record.trialLog()), m_rangeDrawn);
        return;
    }
    if (m_rangeDrawn)
        drawExpectedRange(surface);
    drawPlot(surface, m_record);
}

QString GraphWindow::saveGraph(const QString &path, bool doubleSize)
{
    QImage image = m_surface->image();
    if (doubleSize) { // the same plot drawn afresh on a surface of four times the pixels
        DrawingSurface fine(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, nullptr);
        fine.setTextFont(m_surface->textFont());
        fine.resize(m_surface->designInnerSize() + 2 * QSize(fine.border(), fine.border()));
        fine.setPixelRatio(2.0);
        drawPicture(fine);
        image = fine.image();
    }
    return writeFileSafely(path, [&image](QIODevice &file) { return image.save(&file, "PNG"); });
}

QString GraphWindow::caption() const
{
    //: The line above the printed graph: %1 the date, %n the number of trials.
    QString text = tr("Quindle, %1: %n trials", nullptr, m_record.recordedTrials())
                       .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    if (m_seed)
        //: Follows the printed graph's caption when the run followed a seed.
        text += tr(", seed %1").arg(*m_seed);
    return text;
}

QSizeF GraphWindow::pageContent() const
{
    // The plot, and the legend in a row under it.
    const QSizeF plot = m_surface->designInnerSize();
    return {plot.width(), plot.height() + kLegendHeight};
}

void GraphWindow::drawOnPage(QPainter &painter, const QRectF &page) const
{
    // Laid out in the plot's pixels at 100 %: the plot in a thin frame, the legend under it; all
    // of it lines and text.
    QFont font = m_surface->textFont();
    font.setStyleStrategy(QFont::PreferAntialias);
    paintPage(painter, page, pageContent(), font, caption(), [this, font](QPainter &p) mutable {
        const QSizeF plot = m_surface->designInnerSize();
        p.setPen(QPen(Qt::gray, 0.5));
        p.drawRect(QRectF(QPointF(0, 0), plot));
        m_surface->renderVectors(p);
        // The legend: each outcome's line in its colour, its label's caption and its words.
        font.setPixelSize(12);
        p.setFont(font);
        const double column = plot.width() / kOutcomes, y = plot.height() + kLegendHeight / 2;
        for (int n = 1; n <= kOutcomes; ++n) {
            const auto *label =
                findControl<QLabel>(this, graphWindowLayout(), graph_roles::legendLabel(n));
            const auto *line =
                findControl<Line>(this, graphWindowLayout(), graph_roles::legendLine(n));
            const double x = column * (n - 1) + 8;
            p.setPen(QPen(line->color(), 2));
            p.drawLine(QPointF(x, y), QPointF(x + 30, y));
            p.setPen(label->palette().color(label->foregroundRole()));
            p.drawText(QRectF(x + 36, y - 10, column - 44, 20), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("%1 (%2)").arg(label->text(), outcomeWords(n)));
        }
    });
}

void GraphWindow::printGraph(QPaintDevice &printer)
{
    QPainter painter(&printer);
    drawOnPage(painter, painter.viewport());
}

QString GraphWindow::saveGraphAsPdf(const QString &path) const
{
    return writeFileSafely(path, [this](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(300);
        pdf.setTitle(caption());
        QPainter painter(&pdf);
        drawOnPage(painter, QRectF(0, 0, pdf.width(), pdf.height()));
        return painter.end();
    });
}

QString GraphWindow::saveGraphAsSvg(const QString &path) const
{
    QString why;
    PaperOutput *paper = paperOutput(&why);
    if (!paper)
        return why;
    return writeFileSafely(path, [this, paper](QIODevice &file) {
        const QSize size = pageSize(pageContent()).toSize();
        return paper->writeSvg(file, size, caption(), [this, size](QPainter &painter) {
            drawOnPage(painter, QRectF(QPointF(0, 0), size));
        });
    });
}

void GraphWindow::chooseFileAndSaveGraph(bool doubleSize)
{
    //: The title of the dialog that saves the graph as a PNG picture.
    const QString title = tr("Save graph");
    //: The file dialog's filter for PNG pictures.
    saveThroughDialog(
        this, m_preferences, title, QStringLiteral("quindle-graph.png"), tr("PNG images (*.png)"),
        [this, doubleSize](const QString &path) { return saveGraph(path, doubleSize); });
}

void GraphWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

void GraphWindow::activate()
{
    draw();
}

void GraphWindow::describeResults()
{
    // What the curves show: each ends at the count of the last trial the experiment window
    // showed, which after the trial that ends a run is one less than the count of its outcome.
    // The gap view's curves end at the last trial of the run's log, which is that same trial.
    const int total = m_record.recordedTrials();
    const std::vector<Gaps> gaps =
        m_gapDrawn ? gapsAlong(m_record.trialLog()) : std::vector<Gaps>();
    for (int n = 1; n <= kOutcomes; ++n) {
        const int count = m_record.lastRecorded(n);
        const double ratio = ratioOf(count, total);
        QString result;
        if (total == 0)
            //: What a legend label tells a screen reader before the first trial.
            result = tr("no trials yet");
        else if (count == 0)
            //: What a legend label tells a screen reader while its outcome has not come up.
            result = tr("not come up yet");
        else
            //: What a legend label tells a screen reader: %1 is the outcome's ratio, %n its
            //: count, the number of times it has come up.
            result = tr("ratio %1 after %n times", nullptr, count).arg(shownRatio(ratio));
        // The band along the outcome's count: the range for the trials that count takes.
        bool inside = insideExpectedRange(ratio, expectedTrialsFor(count));
        bool judged = count > 0; // an outcome that has not come up has no range of its own yet
        if (m_gapDrawn && !gaps.empty()) {
            const double gap = gaps.back()[outcomeIndex(n)];
            result = gapWords(gap);
            inside = insideGapBand(gap, static_cast<long long>(gaps.size()));
            judged = true;
        }
        if (m_rangeDrawn && total > 0 && judged && inside)
            //: Follows a legend label's result while the expected range is shown.
            result += tr(", inside the expected range");
        else if (m_rangeDrawn && total > 0 && judged)
            //: Follows a legend label's result while the expected range is shown.
            result += tr(", outside the expected range");
        findControl<QLabel>(this, graphWindowLayout(), graph_roles::legendLabel(n))
            //: A legend label as a screen reader reads it: %1 the outcome, %2 its result.
            ->setAccessibleName(tr("%1: %2").arg(outcomeWords(n), result));
    }
}

} // namespace quindle
