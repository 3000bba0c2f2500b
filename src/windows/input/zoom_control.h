// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include "windows/controls/zoom.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace quindle {

// A window's way to zoom all of the program's windows together: Ctrl+plus (or Ctrl+=),
// Ctrl+minus and Ctrl+0, and a Zoom submenu in its context menu that shows the zoom and offers
// every step. It only asks; the program applies the zoom to every window and shows it here.
class ZoomControl : public QObject
{
    Q_OBJECT
public:
    explicit ZoomControl(QWidget *window);

    // The submenu's entry, for the window's context menu.
    [[nodiscard]] QAction *menuAction() const;
    // Shows zoom (percent) as the one in force.
    void show(int zoom);

signals:
    void zoomChosen(int zoom);

private:
    void step(int direction); // one step larger (+1) or smaller (-1)

    QMenu *m_menu;
    int m_zoom = kDesignZoom;
};

} // namespace quindle
