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

constexpr ControlSpec kLayout[] = {
    {.role = roles::closeButton,
     .name = "Command1",
     .kind = Kind::Button,
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
     .accessibleName = QT_TRANSLATE_NOOP("quindle::GraphWindow", "Graph"),
     .description = QT_TRANSLATE_NOOP(
         "quindle::GraphWindow",
         "Each outcome's share of all trials (vertical, 0 to 1) against the number of times "
         "that outcome has come up (horizontal, 0 to 1000), one curve per outcome, with a dashed "
         "line at the theoretical 0.25")},
    {.name = "Line5", .kind = Kind::Line, .left = 9720, .top = 360, .endX = 0, .endY = 360},
    legendLine(4, "Line4", 8280),
    //: The legend's labels are 57 pixels wide in a bold face: an outcome in a few letters, coin 1
    //: first, Fr for front (head) and Ba for back (tail), joined by a katakana middle dot.
    legendLabel(4, "Label4", QT_TRANSLATE_NOOP("quindle::GraphWindow", "Ba・Ba"), 7320,
                QT_TRANSLATE_NOOP("quindle::GraphWindow", "the red curve")),
    legendLine(3, "Line3", 6120),
    legendLabel(3, "Label3", QT_TRANSLATE_NOOP("quindle::GraphWindow", "Ba・Fr"), 5160,
                QT_TRANSLATE_NOOP("quindle::GraphWindow", "the cyan curve")),
    legendLine(2, "Line2", 3960, kLighterGreen),
    legendLabel(2, "Label2", QT_TRANSLATE_NOOP("quindle::GraphWindow", "Fr・Ba"), 3000,
                QT_TRANSLATE_NOOP("quindle::GraphWindow", "the green curve")),
    legendLine(1, "Line1", 1800),
    legendLabel(1, "Label1", QT_TRANSLATE_NOOP("quindle::GraphWindow", "Fr・Fr"), 840,
                QT_TRANSLATE_NOOP("quindle::GraphWindow", "the blue curve")),
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
