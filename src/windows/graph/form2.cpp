#include "form2.h"

#include "form2_layout.h"
#include "plot.h"
#include "windows/activation.h"
#include "windows/drawing_surface.h"
#include "windows/keyboard.h"
#include "windows/runtime_errors.h"

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

Form2::Form2(const Module1 &record)
    : m_record(record)
    , m_surface(new DrawingSurface(kPlotTwipsPerUnitX, kPlotTwipsPerUnitY, this))
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(form2Caption());
    m_surface->setTextFont(plotFont());
    m_surface->setFocusPolicy(Qt::StrongFocus);
    buildControls(this, form2Layout(), {{QStringLiteral("Picture1"), m_surface}});
    placeWindow(this, kForm2Window);
    m_surface->setFocus();

    auto *close = findChild<QPushButton *>(QStringLiteral("Command1"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    addKeyFor(this, QKeySequence(Qt::Key_Escape), close);
    ActivationWatcher::instance().watch(this, [this] { guarded([this] { activate(); }); });
}

void Form2::activate()
{
    drawPlot(*m_surface, m_record);
}

} // namespace quindle
