#include "graph_window.h"

#include "experiment/experiment_control.h"
#include "graph_window_layout.h"
#include "plot.h"
#include "windows/accessibility.h"
#include "windows/activation.h"
#include "windows/drawing_surface.h"
#include "windows/keyboard.h"
#include "windows/runtime_errors.h"

#include <QLabel>
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
    ActivationWatcher::instance().watch(this, [this] { guarded([this] { activate(); }); });
}

void GraphWindow::activate()
{
    drawPlot(*m_surface, m_record);
    describeResults();
}

void GraphWindow::describeResults()
{
    int total = 0;
    for (int n = 1; n <= kOutcomes; ++n)
        total += m_record.count(n);
    for (int n = 1; n <= kOutcomes; ++n) {
        const int count = m_record.count(n);
        const QString result =
            total == 0 ? QStringLiteral("no trials yet")
                       : QStringLiteral("ratio %1 after %2 times")
                             .arg(QString::fromStdString(ratioText(double(count) / total)))
                             .arg(count);
        findControl<QLabel>(this, graphWindowLayout(), graph_roles::legendLabel(n))
            ->setAccessibleName(outcomeWords(n) + QStringLiteral(": ") + result);
    }
}

} // namespace quindle
