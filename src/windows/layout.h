#pragma once

// Windows as data. Each window's controls are one table of ControlSpec rows, with positions in
// twips (15 to a pixel at 96 dpi); buildControls() turns a table into child widgets named after
// their rows, and nothing else moves or sizes a control.
//
// A row's object name is the name tests, accessibility tools and style sheets know the control
// by. Code that drives a control asks for it by its role instead (findControl), so the pairing
// of roles and names is written once, in the table.

#include "rgb.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <span>
#include <utility>

namespace quindle {

// Label, Button, Picture and Line rows are created by the builder. Surface and Hidden rows are
// widgets the window makes itself (a drawing surface, the hidden sound device) and hands to the
// builder to place; Hidden ones are never shown and never focused.
enum class Kind { Label, Button, Picture, Line, Surface, Hidden };

// The windows' Japanese face at a point size, or the toolkit's default font when points is 0.
struct FontSpec
{
    double points = 0;
    bool bold = false;
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
    const char *caption = ""; // UTF-8; for a picture, its resource path
    // left, top, width, height; for a line: x1, y1, x2, y2
    int left = 0, top = 0, width = 0, height = 0;
    FontSpec font{};
    Rgb foreground{};
    Rgb background{};
    bool border = false;  // a single one-pixel border
    bool centred = false; // centred text
    int tabIndex = -1;    // -1: takes no part in the tab order
    int index = -1;       // position in a control array (the coins), -1 when not in one
    int lineWidth = 1;    // pixels, for lines
    bool visible = true;  // false: never shown and never focused
    // For screen readers: what the control is (a value cell's name is followed by its value)
    // and, where useful, a longer description.
    const char *accessibleName = "";
    const char *description = "";
};

inline constexpr int kTwipsPerPixel = 15;
[[nodiscard]] constexpr int pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

// Creates the table's controls as children of form, in table order, places the widgets the form
// made itself (own, by role) and sets the tab order of the focusable ones by tab index.
void buildControls(QWidget *form, std::span<const ControlSpec> table,
                   std::initializer_list<std::pair<Role, QWidget *>> own = {});

// The control built from the table's row with this role, or null when there is none.
[[nodiscard]] QWidget *findControl(const QWidget *window, std::span<const ControlSpec> table,
                                   Role role);
template<class T>
[[nodiscard]] T *findControl(const QWidget *window, std::span<const ControlSpec> table, Role role)
{
    return qobject_cast<T *>(findControl(window, table, role));
}

// The windows' fonts: "ＭＳ Ｐゴシック" at a point size, bold or normal.
[[nodiscard]] QFont windowFont(const FontSpec &spec);

// Makes "ＭＳ Ｐゴシック" resolve to the installed proportional Japanese face.
// Call once before any window is built.
void installFontSubstitutions();

// A top-level window's client area on the screen, in pixels.
struct WindowSpec
{
    int left, top, width, height;
};

// Puts the window's client area where the spec says, with a fixed size: the layout does not
// follow the window's size.
void placeWindow(QWidget *window, const WindowSpec &spec);

// The one-line maker's notice that ends every window's caption.
[[nodiscard]] QString makersNotice();

// A focus frame along rect, on a control that shows where the keyboard focus is.
void drawFocusFrame(QPainter &painter, const QWidget *control, const QRect &rect);

} // namespace quindle
