// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Where the program's windows go on the screen: a window of fixed size in its design place or
// where the user last put it, a window that can be resized beside the one it opens from, each
// wholly on its screen as far as it fits.

#include "windows/controls/zoom.h"

class QWidget;

namespace quindle {

// A top-level window's client area on the screen, in pixels.
struct WindowSpec
{
    int left, top, width, height;
};

// Puts a window of fixed size, its client area as large as the spec's at the zoom, where the
// user last put it, or at first in the spec's place. A window in its design place at 100 % is
// exactly as designed; anywhere else, or at any other zoom, it keeps its top-left corner and
// moves only as far as it takes to lie wholly on its screen (as far as it fits at all).
void placeWindow(QWidget *window, const WindowSpec &spec, int zoom = kDesignZoom);

// The same for a window that can be resized and maximised, at least as large as the spec at
// the zoom (or the screen, where that is smaller). It opens beside `beside` where the screen has
// room, else over it (without one, in the spec's place); a zoom scales the size the user gave
// it, and a maximised window stays maximised.
void placeResizableWindow(QWidget *window, const WindowSpec &spec, int zoom,
                          const QWidget *beside = nullptr);

} // namespace quindle
