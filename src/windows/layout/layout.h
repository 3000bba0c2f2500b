// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Windows as data. Each window's controls are one table of ControlSpec rows, with positions in
// twips (15 to a pixel at 96 dpi); buildControls() turns a table into child widgets named after
// their rows, and places them again at each zoom and, in a window that can be resized, by each
// row's share of the room it gained. No handler moves or sizes a control. Placed from code are
// only what lies over or beside the table's controls: the experiment window's result table,
// over the value cells wherever they are, and a passing message in the room beside them.
//
// A row's object name is the name tests, accessibility tools and style sheets know the control
// by. Code that drives a control asks for it by its role instead (findControl), so the pairing
// of roles and names is written once, in the table.

#include "windows/controls/rgb.h"
#include "windows/controls/twips.h"
#include "windows/controls/zoom.h"

#include <QFont>
#include <QLocale>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <span>
#include <utility>

namespace quindle {

// Label, Button, Picture and Line rows are created by the builder. An OwnWidget row is a widget
// the window makes itself (a drawing surface, a table, a list) and hands to the builder to name,
// place and zoom. A Component row is a part of the window without a place on the screen (a
// timer, the sound device): the window makes it, and the builder only gives it its name.
enum class Kind { Label, Button, Picture, Line, OwnWidget, Component };

// The windows' Japanese face at a point size, or the toolkit's default font when points is 0.
struct FontSpec
{
    double points = 0;
    bool bold = false;
};

// How a control of a window that can be resized follows the window's size: the shares of the
// room the window has beyond its design size that the control moves by (x, y) and grows by
// (width, height). A window smaller than designed takes the same shares away.
struct Growth
{
    double x = 0, y = 0, width = 0, height = 0;
};

// What a control is to the code that drives it. Each window numbers its own kinds of role;
// index tells apart the controls of one kind (an outcome, a button, a coin's face).
struct Role
{
    int kind = 0; // 0: a control no code needs to find
    int index = 0;
    constexpr bool operator==(const Role &) const = default;
};

struct ControlSpec
{
    Role role{};
    const char *name = "";
    Kind kind = Kind::Label;
    const char *caption = ""; // UTF-8
    const char *image = "";   // a picture's bitmap, as a resource path
    // Where the control lies; a line runs from (left, top) to its end point.
    int left = 0, top = 0, width = 0, height = 0;
    int endX = 0, endY = 0;
    FontSpec font{};
    Rgb foreground{};
    Rgb background{};
    bool border = false;  // a single one-pixel border
    bool centred = false; // centred text
    int tabIndex = -1;    // -1: takes no part in the tab order
    int index = -1;       // position in a control array (the coins), -1 when not in one
    int lineWidth = 1;    // pixels, for lines
    bool visible = true;  // false: never shown and never focused
    // For screen readers: what the control is and, where useful, a longer description. A cell
    // that reads its value is read as its name followed by its text ("Number of trials 812").
    bool readsValue = false;
    const char *accessibleName = "";
    const char *description = "";
    Growth growth{}; // in a window that can be resized
};

// Creates the table's controls as children of form, in table order, places and names the parts
// the form made itself (own, by role) and sets the tab order of the focusable ones by tab index.
void buildControls(QWidget *form, std::span<const ControlSpec> table,
                   std::initializer_list<std::pair<Role, QObject *>> own = {});

// The control built from the table's row with this role, or null when there is none.
[[nodiscard]] QWidget *findControl(const QWidget *window, std::span<const ControlSpec> table,
                                   Role role);
template<class T>
[[nodiscard]] T *findControl(const QWidget *window, std::span<const ControlSpec> table, Role role)
{
    return qobject_cast<T *>(findControl(window, table, role));
}

// The windows' fonts: "ＭＳ Ｐゴシック" at a point size, bold or normal, at 100 %.
[[nodiscard]] QFont windowFont(const FontSpec &spec);

// Makes "ＭＳ Ｐゴシック" resolve to an installed proportional face for the language: a Chinese or
// Korean one for those, else the Japanese one. Call before any window is built.
void installFontSubstitutions(const QLocale &language = QLocale::c());

// Places and sizes the table's controls, their fonts and lines, at zoom percent of their design.
void applyZoom(QWidget *form, std::span<const ControlSpec> table, int zoom);
// Places and sizes them again in a window `extra` pixels larger than its design size at the
// zoom (see Growth), for a window that can be resized.
void fitControls(QWidget *form, std::span<const ControlSpec> table, int zoom, QSize extra);

// The one-line maker's notice that ends every window's caption.
[[nodiscard]] QString makersNotice();

} // namespace quindle
