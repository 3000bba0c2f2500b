#pragma once

// Windows as data. Each window's controls are one table of ControlSpec rows, with positions in
// twips (15 to a pixel at 96 dpi) as the window was designed; buildControls() turns a table
// into child widgets named after their rows, and nothing else moves or sizes a control.

#include <QFont>
#include <QString>

#include <span>

class QWidget;

namespace quindle {

enum class Kind { Label, Button, Picture, Line, Hidden };

struct Rgb {
    int r = -1, g = -1, b = -1;
    [[nodiscard]] constexpr bool isSet() const { return r >= 0; }
};

// The design's Japanese face, or the toolkit's default font when points is 0.
struct FontSpec {
    double points = 0;
    bool bold = false;
};

struct ControlSpec {
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
};

inline constexpr int kTwipsPerPixel = 15;
[[nodiscard]] constexpr int pixels(int twips) {
    return twips / kTwipsPerPixel;
}

// Creates the table's controls as children of form, in table order, and sets the tab order of
// the focusable ones by tab index. Hidden rows only reserve their names: the form creates
// those widgets itself and places them with placeControl().
void buildControls(QWidget *form, std::span<const ControlSpec> table);

// Places an existing widget as the row says (geometry, name, visibility).
void placeControl(QWidget *widget, const ControlSpec &spec);

// The design's fonts: "ＭＳ Ｐゴシック" at a point size, bold or normal.
[[nodiscard]] QFont designFont(const FontSpec &spec);

// Makes the design's Japanese face resolve to the installed proportional Japanese face.
// Call once before any window is built.
void installFontSubstitutions();

// A top-level window whose client area sits at (left, top) px on the screen with a fixed size.
void placeWindow(QWidget *window, int left, int top, int width, int height);

// The one-line maker's notice that ends every window's caption.
[[nodiscard]] QString makersNotice();

} // namespace quindle
