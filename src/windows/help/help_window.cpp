// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/help/help_window.h"

#include "windows/accessibility/readable_text.h"
#include "windows/controls/drawing_surface.h"
#include "windows/help/help_text.h"
#include "windows/help/help_window_layout.h"
#include "windows/input/activation.h"
#include "windows/input/context_menu.h"
#include "windows/input/keyboard.h"
#include "windows/input/zoom_control.h"
#include "windows/support/runtime_errors.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPushButton>

namespace quindle {

namespace {

constexpr double kTwipsPerUnit = 1; // the surface works in twips

// The help text in the windows' Japanese face and size, narrowed just enough for its widest line
// to fit the surface at the zoom: the Latin letters of the substitute face run wider than the
// original did, and a line that does not fit would lose its end. Returned at its 100 % size.
QFont helpFont(QFont font, int width, int zoom)
{
    for (int stretch = 100; stretch > 80; --stretch) {
        font.setStretch(stretch);
        const QFontMetrics metrics(zoomedFont(font, zoom));
        bool fits = true;
        for (const QString &line : helpLines())
            fits = fits && metrics.horizontalAdvance(line) <= width;
        if (fits)
            break;
    }
    return font;
}

} // namespace

HelpWindow::HelpWindow()
    : m_surface(new DrawingSurface(kTwipsPerUnit, kTwipsPerUnit, this))
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(helpWindowCaption());
    m_surface->setFocusPolicy(Qt::StrongFocus);
    const auto layout = helpWindowLayout();
    buildControls(this, layout, {{help_roles::surface, m_surface}});
    m_textFont = m_surface->font();
    m_surface->setTextFont(helpFont(m_textFont, m_surface->innerSize().width(), kDesignZoom));
    placeWindow(this, kHelpWindowPlace);

    // Read line by line with a screen reader, as printed; the caret starts on the first words.
    m_readable = new ReadableText(m_surface, helpLines().join(QLatin1Char('\n')),
                                  m_surface->textFont(), m_surface->border());
    m_readable->setCaret(1);
    m_surface->setFocusFrameShown(true);

    auto *close = findControl<QPushButton>(this, layout, help_roles::closeButton);
    close->setFocus();
    addKeyFor(this, QKeySequence(Qt::Key_Escape), close);
    connect(close, &QPushButton::clicked, this, &HelpWindow::closeClicked);
    ActivationWatcher::instance().watch(this,
                                        [this] { guarded([this] { printHelp(*m_surface); }); });
    useActionsAsContextMenu(this);
    m_zoom = new ZoomControl(this);
    connect(m_zoom, &ZoomControl::zoomChosen, this, &HelpWindow::zoomChosen);
    addAction(m_zoom->menuAction());
}

void HelpWindow::setZoom(int zoom)
{
    applyZoom(this, helpWindowLayout(), zoom);
    placeWindow(this, kHelpWindowPlace, zoom);
    m_surface->setTextFont(helpFont(m_textFont, m_surface->innerSize().width(), zoom));
    m_readable->setLayout(m_surface->zoomedTextFont(), m_surface->border());
    m_zoom->show(zoom);
    // Printed afresh at the new size, as on an activation.
    guarded([this] { printHelp(*m_surface); });
}

} // namespace quindle
