// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/graph/graph_window.h"

#include "experiment/expected_range.h"
#include "experiment/experiment_control.h"
#include "experiment/gap_from_quarter.h"
#include "experiment/number_of_heads.h"
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
#include "windows/support/heads_words.h"
#include "windows/support/numbers.h"
#include "windows/support/outcome_names.h"
#include "windows/support/runtime_errors.h"
#include "windows/support/saving.h"

#include <QAction>
#include <QActionGroup>
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

// Follows a legend label's result while the expected range is shown.
QString rangeWords(bool inside)
{
    if (inside)
        //: Follows a legend label's result while the expected range is shown.
        return GraphWindow::tr(", inside the expected range");
    //: Follows a legend label's result while the expected range is shown.
    return GraphWindow::tr(", outside the expected range");
}

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
    // The legend labels can be reached with Tab after Close: each tells its outcome's result,
    // or in the number-of-heads view its number of heads'.
    QWidget *previous = close;
    const auto reachable = [this, &previous](QWidget *label) {
        label->setFocusPolicy(Qt::TabFocus);
        setTabOrder(previous, label);
        previous = label;
    };
    for (int n = 1; n <= kOutcomes; ++n)
        reachable(findControl(this, layout, graph_roles::legendLabel(n)));
    for (const Heads heads : {Heads::Two, Heads::One, Heads::None})
        reachable(findControl(this, layout, graph_roles::headsLabel(heads)));
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
    QAction *streaks = makeStreaksAction(this, [this] { emit streaksRequested(); });
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &GraphWindow::zoomChosen);
    addActions(pictures + documents +
               QList<QAction *>{m_expectedRange, m_gapView, m_headsView, results, streaks,
                                m_zoom->menuAction()});
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
    // Two, one and no heads: one head comes up half the time, not a third.
    //: The graph window's context menu: a check mark turns the graph into the shares of trials
    //: with two heads, with one head and with none.
    m_headsView = new QAction(tr("Show number of heads"), this);
    m_headsView->setCheckable(true);
    m_headsView->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    // One view at a time; turning the one on off gives the plot back.
    auto *views = new QActionGroup(this);
    views->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const auto &[action, view] : {std::pair{m_gapView, GraphView::GapsFromQuarter},
                                       std::pair{m_headsView, GraphView::NumberOfHeads}}) {
        views->addAction(action);
        connect(action, &QAction::triggered, this, [this, view](bool shown) {
            const GraphView chosen = shown ? view : GraphView::Ratios;
            setView(chosen);
            emit viewChosen(chosen);
        });
    }
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
        const bool heads = m_view == GraphView::NumberOfHeads;
        findControl(this, graphWindowLayout(),
                    heads ? graph_roles::headsLabel(Heads::Two) : graph_roles::legendLabel(1))
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

void GraphWindow::setView(GraphView view)
{
    m_gapView->setChecked(view == GraphView::GapsFromQuarter);
    m_headsView->setChecked(view == GraphView::NumberOfHeads);
    if (view == m_view)
        return;
    m_view = view;
    QString description = m_plotDescription;
    if (view == GraphView::GapsFromQuarter)
        //: What a screen reader says the plot shows in the gap view.
        description = tr("Each outcome's count minus a quarter of all trials (vertical) against "
                         "the number of trials (horizontal), one curve per outcome, with a dashed "
                         "line at 0");
    else if (view == GraphView::NumberOfHeads)
        //: What a screen reader says the plot shows in the number-of-heads view.
        description = tr("The share of the trials with two heads, with one head and with no heads "
                         "(vertical, 0 to 1) against the number of trials (horizontal), with "
                         "dashed lines at a quarter and a half, what chance gives, and a dotted "
                         "line at a third");
    m_surface->setAccessibleDescription(description);
    showLegend();
    m_surface->clear();
    draw();
}

void GraphWindow::showLegend()
{
    const bool heads = m_view == GraphView::NumberOfHeads;
    const auto layout = graphWindowLayout();
    for (int n = 1; n <= kOutcomes; ++n) {
        findControl(this, layout, graph_roles::legendLabel(n))->setVisible(!heads);
        findControl(this, layout, graph_roles::legendLine(n))->setVisible(!heads);
    }
    for (const Heads kind : {Heads::Two, Heads::One, Heads::None}) {
        findControl(this, layout, graph_roles::headsLabel(kind))->setVisible(heads);
        findControl(this, layout, graph_roles::headsLine(kind))->setVisible(heads);
    }
}

void GraphWindow::setZoom(int zoom)
{
    applyZoom(this, graphWindowLayout(), zoom);
    placeWindow(this, kGraphWindowPlace, zoom);
    m_zoom->show(zoom);
}

void GraphWindow::draw()
{
    // The other views' scales follow the run: each is drawn afresh, never over an earlier
    // drawing.
    if (m_view != GraphView::Ratios)
        m_surface->clear();
    m_surface->beginBatch();
    drawPicture(*m_surface);
    m_surface->endBatch();
    describeResults();
}

void GraphWindow::drawPicture(SurfaceOperations &surface) const
{
    switch (m_view) {
    case GraphView::GapsFromQuarter:
        drawGapPlot(surface, gapsAlong(m_record.trialLog()), m_rangeDrawn);
        return;
    case GraphView::NumberOfHeads:
        drawHeadsPlot(surface, headsSharesAlong(m_record.trialLog()), m_rangeDrawn);
        return;
    case GraphView::Ratios:
        break;
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
    if (m_view == GraphView::NumberOfHeads) {
        describeHeads();
        return;
    }
    const std::vector<Gaps> gaps =
        m_view == GraphView::GapsFromQuarter ? gapsAlong(m_record.trialLog()) : std::vector<Gaps>();
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
        if (!gaps.empty()) {
            const double gap = gaps.back()[outcomeIndex(n)];
            result = gapWords(gap);
            inside = insideGapBand(gap, static_cast<long long>(gaps.size()));
            judged = true;
        }
        if (m_rangeDrawn && total > 0 && judged)
            result += rangeWords(inside);
        findControl<QLabel>(this, graphWindowLayout(), graph_roles::legendLabel(n))
            //: A legend label as a screen reader reads it: %1 the outcome, %2 its result.
            ->setAccessibleName(tr("%1: %2").arg(outcomeWords(n), result));
    }
}

void GraphWindow::describeHeads()
{
    // The curves end at the last trial of the run's log, and so do these words.
    Tally tally;
    for (const LoggedTrial trial : m_record.trialLog())
        tally.add(trial);
    const HeadsCounts counts = headsCounts(tally.counts);
    const HeadsShares shares = headsShares(counts);
    QStringList said;
    for (const Heads heads : {Heads::Two, Heads::One, Heads::None}) {
        auto *label =
            findControl<QLabel>(this, graphWindowLayout(), graph_roles::headsLabel(heads));
        const QString words = headsWords(heads, counts);
        label->setText(words);
        const std::size_t kind = headsIndex(heads);
        const double p = kHeadsProbability[kind];
        const bool inside =
            std::abs(shares[kind] - p) <= shareRangeHalfWidth(p, static_cast<double>(tally.trials));
        label->setAccessibleName(m_rangeDrawn && tally.trials > 0 ? words + rangeWords(inside)
                                                                  : words);
        said << label->accessibleName();
    }
    // Read results brings the focus to the first row, which then tells all three and what many
    // expect instead (a screen reader reads no description of a label).
    findControl(this, graphWindowLayout(), graph_roles::headsLabel(Heads::Two))
        //: What a screen reader says of the first row of the number-of-heads legend: %1, %2 and
        //: %3 the rows (two heads, one head, no heads), %4 the sentence on the three being
        //: equally likely.
        ->setAccessibleName(
            tr("%1. %2. %3. %4").arg(said[0], said[1], said[2], equallyLikelyWords()));
}

} // namespace quindle
