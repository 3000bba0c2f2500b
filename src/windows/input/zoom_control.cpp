// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/input/zoom_control.h"

#include "windows/controls/zoom.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace quindle {

ZoomControl::ZoomControl(QWidget *window)
    : QObject(window)
    , m_menu(new QMenu(window))
{
    // The keys are the actions' own, so the menu shows them as the desktop writes them.
    //: Zooms all windows one step larger.
    QAction *larger = m_menu->addAction(tr("Larger"), this, [this] { step(1); });
    larger->setShortcuts({QKeySequence(QKeySequence::ZoomIn),
                          QKeySequence(Qt::CTRL | Qt::Key_Equal)}); // plus without Shift
    //: Zooms all windows one step smaller.
    QAction *smaller = m_menu->addAction(tr("Smaller"), this, [this] { step(-1); });
    smaller->setShortcuts(QKeySequence::ZoomOut);
    m_menu->addSeparator();
    auto *steps = new QActionGroup(m_menu);
    for (int zoom : kZoomSteps) {
        //: A zoom step in the context menu: %1 is the percentage.
        QAction *choice = m_menu->addAction(tr("%1%").arg(zoom));
        choice->setCheckable(true);
        choice->setData(zoom);
        steps->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, zoom] { emit zoomChosen(zoom); });
        if (zoom == kDesignZoom)
            choice->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    }
    show(kDesignZoom);
}

QAction *ZoomControl::menuAction() const
{
    return m_menu->menuAction();
}

void ZoomControl::show(int zoom)
{
    m_zoom = zoom;
    //: The context menu's zoom entry, with the zoom in force: %1 is the percentage.
    m_menu->setTitle(tr("Zoom (%1%)").arg(zoom));
    for (QAction *action : m_menu->actions())
        action->setChecked(action->data().toInt() == zoom && zoom > 0);
}

void ZoomControl::step(int direction)
{
    const auto *first = std::begin(kZoomSteps), *last = std::end(kZoomSteps);
    const auto *at = std::find(first, last, m_zoom);
    if (at == last)
        emit zoomChosen(kDesignZoom);
    else if (direction > 0 && at + 1 != last)
        emit zoomChosen(*(at + 1));
    else if (direction < 0 && at != first)
        emit zoomChosen(*(at - 1));
}

} // namespace quindle
