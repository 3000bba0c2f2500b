// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/layout/window_place.h"

#include <QApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace quindle {

namespace {

// Where a window was last put by placeWindow, where it should be (its design place, or where
// the user moved it) and at which zoom: kept on the window itself.
constexpr const char *kPlacedAt = "quindlePlacedAt";
constexpr const char *kAnchor = "quindleAnchor";
constexpr const char *kPlacedZoom = "quindlePlacedZoom";
// Between a window and the one it opens beside, in pixels.
constexpr int kBesideGap = 8;

// The window's top-left corner as it should stay: where the user moved it, if they did since
// it was last placed, else where it was meant to be.
QPoint anchorOf(const QWidget *window, QPoint first)
{
    const QVariant placedAt = window->property(kPlacedAt);
    if (!placedAt.isValid())
        return first;
    if (window->isVisible() && window->geometry().topLeft() != placedAt.toPoint())
        return window->geometry().topLeft();
    return window->property(kAnchor).toPoint();
}

// The title bar and borders around a window's client area: its own where it has been shown,
// else those of a window of the program that has (the same window manager draws both).
QMargins frameOf(const QWidget *window)
{
    const auto margins = [](const QWidget *shown) {
        const QRect frame = shown->frameGeometry(), client = shown->geometry();
        return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                        frame.right() - client.right(), frame.bottom() - client.bottom());
    };
    if (window->isVisible())
        return margins(window);
    for (const QWidget *other : QApplication::topLevelWidgets()) {
        if (other->isVisible() && other->isWindow())
            return margins(other);
    }
    return {};
}

// The room a window's client area has on its screen, its frame kept on the screen too.
QRect roomFor(const QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return {};
    return screen->availableGeometry() - frameOf(window);
}

// Moved only as far as it takes to lie within the room; where it is larger, its top-left
// corner (and the title bar above it) stays in.
QRect within(QRect placed, const QRect &room)
{
    if (room.isEmpty())
        return placed;
    placed.moveRight(std::min(placed.right(), room.right()));
    placed.moveBottom(std::min(placed.bottom(), room.bottom()));
    placed.moveLeft(std::max(placed.left(), room.left()));
    placed.moveTop(std::max(placed.top(), room.top()));
    return placed;
}

void putAt(QWidget *window, const QRect &placed, QPoint anchor, int zoom)
{
    window->setGeometry(placed);
    window->setProperty(kPlacedAt, placed.topLeft());
    window->setProperty(kAnchor, anchor);
    window->setProperty(kPlacedZoom, zoom);
}

// Beside the neighbour where the room has space for a window this wide, to its right or else
// its left; else over it.
QPoint besidePlace(const QWidget *neighbour, int width, const QRect &room, QMargins frame)
{
    const QRect next = neighbour->frameGeometry(), client = neighbour->geometry();
    const int right = next.right() + 1 + kBesideGap + frame.left();
    if (right + width - 1 <= room.right())
        return {right, client.top()};
    const int left = next.left() - kBesideGap - frame.right() - width;
    if (left >= room.left())
        return {left, client.top()};
    return client.topLeft();
}

} // namespace

void placeWindow(QWidget *window, const WindowSpec &spec, int zoom)
{
    const QSize size(zoomed(spec.width, zoom), zoomed(spec.height, zoom));
    window->setFixedSize(size);
    const QPoint design(spec.left, spec.top);
    const QPoint anchor = anchorOf(window, design);
    const QRect placed(anchor, size);
    putAt(window,
          zoom == kDesignZoom && anchor == design ? placed : within(placed, roomFor(window)),
          anchor, zoom);
}

void placeResizableWindow(QWidget *window, const WindowSpec &spec, int zoom, const QWidget *beside)
{
    const QRect room = roomFor(window);
    const QSize given = window->size(); // before a new least size enlarges it
    QSize least(zoomed(spec.width, zoom), zoomed(spec.height, zoom));
    if (!room.isEmpty())
        least = least.boundedTo(room.size());
    window->setMinimumSize(least);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    if (window->isMaximized() || window->isFullScreen())
        return;
    QSize size = least;
    QPoint first(spec.left, spec.top);
    if (const QVariant before = window->property(kPlacedZoom); before.isValid()) {
        size = (given * zoom / before.toInt()).expandedTo(least);
    } else if (beside) {
        first = besidePlace(beside, size.width(), room, frameOf(window));
    }
    if (!room.isEmpty())
        size = size.boundedTo(room.size()).expandedTo(least);
    const QPoint anchor = anchorOf(window, first);
    putAt(window, within(QRect(anchor, size), room), anchor, zoom);
}

} // namespace quindle
