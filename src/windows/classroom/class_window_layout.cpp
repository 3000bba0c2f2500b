#include "windows/classroom/class_window_layout.h"

#include <QCoreApplication>

namespace quindle {

namespace {

namespace roles = class_roles;

constexpr ControlSpec kLayout[] = {
    {.role = roles::folder,
     .name = "Folder",
     .kind = Kind::Label,
     .left = 120,
     .top = 60,
     .width = 10020,
     .height = 255,
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Folder")},
    {.role = roles::closeButton,
     .name = "Close",
     .kind = Kind::Button,
     .caption = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Close"),
     .left = 10260,
     .top = 0,
     .width = 1080,
     .height = 375,
     .tabIndex = 3},
    {.name = "Rule", .kind = Kind::Line, .left = 0, .top = 360, .endX = 10260, .endY = 360},
    {.role = roles::runs,
     .name = "Runs",
     .kind = Kind::OwnWidget,
     .left = 120,
     .top = 480,
     .width = 11160,
     .height = 3240,
     .tabIndex = 0,
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Runs and the class")},
    {.role = roles::unpooled,
     .name = "NotPooled",
     .kind = Kind::OwnWidget,
     .left = 120,
     .top = 3810,
     .width = 11160,
     .height = 960,
     .tabIndex = 1,
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Files not pooled")},
    {.role = roles::funnel,
     .name = "Funnel",
     .kind = Kind::OwnWidget,
     .left = 120,
     .top = 4890,
     .width = 5520,
     .height = 3990,
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Each run's ratios"),
     .description = QT_TRANSLATE_NOOP(
         "quindle::ClassWindow",
         "Each run's four ratios against its number of trials, and the class's pooled ratios")},
    {.role = roles::curve,
     .name = "ClassCurve",
     .kind = Kind::OwnWidget,
     .left = 5760,
     .top = 4890,
     .width = 5520,
     .height = 3990,
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "The class curve"),
     .description =
         QT_TRANSLATE_NOOP("quindle::ClassWindow",
                           "Each outcome's share of all the class's trials so far, run after run")},
};

} // namespace

std::span<const ControlSpec> classWindowLayout()
{
    return kLayout;
}

} // namespace quindle
