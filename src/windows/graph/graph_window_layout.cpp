// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/graph/graph_window_layout.h"

#include "windows/support/outcome_colors.h"

#include <QCoreApplication>

namespace quindle {

namespace {

namespace roles = graph_roles;

constexpr FontSpec kLegendFont{12, true};
// The legend's line for outcome 2 is a lighter green than its label and its curve.
constexpr Rgb kLighterGreen{0, 192, 0};

// The window names each label after its outcome and tells that outcome's result there.
constexpr ControlSpec legendLabel(int outcome, const char *name, const char *caption, int left,
                                  const char *curve)
{
    return {.role = roles::legendLabel(outcome),
            .name = name,
            .kind = Kind::Label,
            .caption = caption,
            .left = left,
            .top = 5640,
            .width = 855,
            .height = 255,
            .font = kLegendFont,
            .foreground = outcomeColor(outcome),
            .background = Rgb::systemWindowBackground(),
            .border = true,
            .centred = true,
            .description = curve};
}

// A legend line in its outcome's colour, unless given another.
constexpr ControlSpec legendLine(int outcome, const char *name, int left, Rgb color = {})
{
    return {.role = roles::legendLine(outcome),
            .name = name,
            .kind = Kind::Line,
            .left = left,
            .top = 5760,
            .endX = left + 600,
            .endY = 5760,
            .foreground = color.isSet() ? color : outcomeColor(outcome),
            .lineWidth = 2};
}

// The number-of-heads view's legend: three rows under the plot, hidden in the other views, each
// a line in its curve's colour and a label in that colour that tells its share, its count and
// what chance gives, across the plot's width.
constexpr FontSpec kHeadsLegendFont{9, false};

constexpr ControlSpec headsLabel(Heads heads, const char *name, int top)
{
    return {.role = roles::headsLabel(heads),
            .name = name,
            .kind = Kind::Label,
            .left = 1440,
            .top = top,
            .width = 8415,
            .height = 225,
            .font = kHeadsLegendFont,
            .foreground = kHeadsColors[headsIndex(heads)],
            .visible = false};
}

constexpr ControlSpec headsLine(Heads heads, const char *name, int top)
{
    return {.role = roles::headsLine(heads),
            .name = name,
            .kind = Kind::Line,
            .left = 840,
            .top = top + 112,
            .endX = 1290,
            .endY = top + 112,
            .foreground = kHeadsColors[headsIndex(heads)],
            .lineWidth = 2,
            .visible = false};
}

constexpr ControlSpec kLayout[] = {
    {.role = roles::closeButton,
     .name = "Command1",
     .kind = Kind::Button,
     //: The graph window's button, 65 pixels wide in the default font: about 8 characters.
     .caption = QT_TRANSLATE_NOOP("quindle::GraphWindow", "Close"),
     .left = 8880,
     .top = 0,
     .width = 975,
     .height = 375,
     .tabIndex = 1},
    {.role = roles::surface,
     .name = "Picture1",
     .kind = Kind::OwnWidget,
     .left = 240,
     .top = 600,
     .width = 9615,
     .height = 4815,
     .tabIndex = 0,
     //: What a screen reader calls the plot.
     .accessibleName = QT_TRANSLATE_NOOP("quindle::GraphWindow", "Graph"),
     //: What a screen reader says the plot shows. Write 0.25 as the language writes it.
     .description = QT_TRANSLATE_NOOP(
         "quindle::GraphWindow",
         "Each outcome's share of all trials (vertical, 0 to 1) against the number of times "
         "that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed "
         "line at the theoretical 0.25")},
    {.name = "Line5", .kind = Kind::Line, .left = 9720, .top = 360, .endX = 0, .endY = 360},
    legendLine(4, "Line4", 8280),
    //: The legend's labels are 57 pixels wide in a 12-point bold face: an outcome in a few
    //: letters, coin 1's face first, Fr for front (head) and Ba for back (tail), here back on
    //: both coins. The original joins them by a Japanese middle dot: join them as your language
    //: writes such a pair.
    legendLabel(4, "Label4", QT_TRANSLATE_NOOP("quindle::GraphWindow", "Ba・Ba"), 7320,
                //: What a screen reader says a legend label stands for: its outcome's curve.
                QT_TRANSLATE_NOOP("quindle::GraphWindow", "the red curve")),
    legendLine(3, "Line3", 6120),
    //: A legend label: back (tail) on coin 1, front (head) on coin 2.
    legendLabel(3, "Label3", QT_TRANSLATE_NOOP("quindle::GraphWindow", "Ba・Fr"), 5160,
                //: The curve is teal, a dark blue-green (RGB 0, 128, 128).
                QT_TRANSLATE_NOOP("quindle::GraphWindow", "the teal curve")),
    legendLine(2, "Line2", 3960, kLighterGreen),
    //: A legend label: front (head) on coin 1, back (tail) on coin 2.
    legendLabel(2, "Label2", QT_TRANSLATE_NOOP("quindle::GraphWindow", "Fr・Ba"), 3000,
                //: The curve is a dark green.
                QT_TRANSLATE_NOOP("quindle::GraphWindow", "the green curve")),
    legendLine(1, "Line1", 1800),
    //: A legend label: front (head) on both coins.
    legendLabel(1, "Label1", QT_TRANSLATE_NOOP("quindle::GraphWindow", "Fr・Fr"), 840,
                //: The curve is a bright blue.
                QT_TRANSLATE_NOOP("quindle::GraphWindow", "the blue curve")),
    headsLine(Heads::Two, "twoHeadsLine", 5520),
    headsLabel(Heads::Two, "twoHeadsLabel", 5520),
    headsLine(Heads::One, "oneHeadLine", 5745),
    headsLabel(Heads::One, "oneHeadLabel", 5745),
    headsLine(Heads::None, "noHeadsLine", 5970),
    headsLabel(Heads::None, "noHeadsLabel", 5970),
};

} // namespace

std::span<const ControlSpec> graphWindowLayout()
{
    return kLayout;
}

QString graphWindowCaption()
{
    //: The graph window's title, before the maker's notice.
    return QCoreApplication::translate("quindle::GraphWindow", " Graph  ") + makersNotice();
}

} // namespace quindle
