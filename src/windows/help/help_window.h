// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The help window: the problem statement and the operating instructions, printed afresh on
// its surface each time it becomes the program's active window. Its Close button asks for the
// experiment window back; closing it by its frame just closes it.

#include <QFont>
#include <QWidget>

namespace quindle {

class DrawingSurface;
class ReadableText;
class ZoomControl;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow();

    [[nodiscard]] DrawingSurface *surface() const { return m_surface; }
    // Shows the window and its text at zoom percent of their design size.
    void setZoom(int zoom);

signals:
    void closeClicked();
    // The pupil asked for all windows at this zoom.
    void zoomChosen(int zoom);

private:
    DrawingSurface *m_surface = nullptr;
    ReadableText *m_readable = nullptr;
    ZoomControl *m_zoom = nullptr;
    QFont m_textFont; // the text's face and size at 100 %
};

} // namespace quindle
