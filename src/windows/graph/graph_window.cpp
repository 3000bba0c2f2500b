#include "graph_window.h"

#include "experiment/experiment_control.h"
#include "graph_window_layout.h"
#include "plot.h"
#include "windows/controls/drawing_surface.h"
#include "windows/input/activation.h"
#include "windows/input/context_menu.h"
#include "windows/input/keyboard.h"
#include "windows/support/outcome_names.h"
#include "windows/support/runtime_errors.h"
#include "windows/support/saving.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

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

} // namespace

GraphWindow::GraphWindow(const ExperimentRecord &record)
    : m_record(record)
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
    buildContextMenu();
    describeResults();
    ActivationWatcher::instance().watch(this, [this] { guarded([this] { activate(); }); });
}

void GraphWindow::buildContextMenu()
{
    useActionsAsContextMenu(this);
    auto *copy = new QAction(tr("Copy graph"), this);
    copy->setShortcut(QKeySequence::Copy);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setImage(m_surface->image()); });
    auto *save = new QAction(tr("Save graph…"), this);
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { chooseFileAndSaveGraph(false); });
    auto *saveDouble = new QAction(tr("Save graph at double resolution…"), this);
    connect(saveDouble, &QAction::triggered, this, [this] { chooseFileAndSaveGraph(true); });
    m_expectedRange = new QAction(tr("Show expected range"), this);
    m_expectedRange->setCheckable(true);
    connect(m_expectedRange, &QAction::triggered, this, [this](bool shown) {
        setExpectedRangeShown(shown);
        emit expectedRangeToggled(shown);
    });
    auto *print = new QAction(tr("Print…"), this);
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &GraphWindow::choosePrinterAndPrint);
    // Ctrl+R brings a screen reader to the results: the first legend label, which tells its
    // outcome's ratio and count (Tab goes on to the others).
    auto *results = new QAction(tr("Read results"), this);
    results->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(results, &QAction::triggered, this, [this] {
        findControl<QLabel>(this, graphWindowLayout(), graph_roles::legendLabel(1))
            ->setFocus(Qt::ShortcutFocusReason);
    });
    addActions({copy, save, saveDouble, print, m_expectedRange, results});
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

void GraphWindow::draw()
{
    if (m_rangeDrawn)
        drawExpectedRange(*m_surface);
    drawPlot(*m_surface, m_record);
    describeResults();
}

QString GraphWindow::saveGraph(const QString &path, bool doubleSize)
{
    QImage image = m_surface->image();
    if (doubleSize) { // the same plot drawn afresh on a surface of four times the pixels
        DrawingSurface fine(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, nullptr);
        fine.setTextFont(m_surface->textFont());
        fine.resize(m_surface->size());
        fine.setPixelRatio(2.0);
        if (m_rangeDrawn)
            drawExpectedRange(fine);
        drawPlot(fine, m_record);
        image = fine.image();
    }
    return writeFileSafely(path, [&image](QIODevice &file) { return image.save(&file, "PNG"); });
}

void GraphWindow::printGraph(QPrinter &printer)
{
    const QImage &image = m_surface->image();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
}

void GraphWindow::choosePrinterAndPrint()
{
    QPrinter printer; // the dialog also offers printing to a PDF file
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printGraph(printer);
}

void GraphWindow::chooseFileAndSaveGraph(bool doubleSize)
{
    saveThroughDialog(
        this, tr("Save graph"), QStringLiteral("quindle-graph.png"), tr("PNG images (*.png)"),
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
    const int total = m_record.recordedTrials();
    for (int n = 1; n <= kOutcomes; ++n) {
        const int count = m_record.lastRecorded(n);
        const double ratio = total == 0 ? 0.0 : double(count) / total;
        //: What a legend label tells a screen reader before the first trial.
        QString result = total == 0 ? tr("no trials yet")
                                    //: %1 is the outcome's ratio, %2 its count.
                                    : tr("ratio %1 after %2 times")
                                          .arg(QString::fromStdString(ratioText(ratio)))
                                          .arg(count);
        if (m_rangeDrawn && total > 0)
            result += insideExpectedRange(ratio, count) ? tr(", inside the expected range")
                                                        : tr(", outside the expected range");
        findControl<QLabel>(this, graphWindowLayout(), graph_roles::legendLabel(n))
            //: A legend label as a screen reader reads it: %1 the outcome, %2 its result.
            ->setAccessibleName(tr("%1: %2").arg(outcomeWords(n), result));
    }
}

} // namespace quindle
