// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/help/help_window_layout.h"
#include <QCoreApplication>

namespace quindle {

namespace {

constexpr ControlSpec kLayout[] = {
    {.role = help_roles::closeButton,
     .name = "Command1",
     .kind = Kind::Button,
     //: The help window's button, which closes it and brings the experiment window back: 57
     //: pixels wide in the default font, about 7 characters.
     .caption = QT_TRANSLATE_NOOP("quindle::HelpWindow", "Close"),
     .left = 8280,
     .top = 0,
     .width = 855,
     .height = 375,
     .tabIndex = 0},
    {.name = "Line1", .kind = Kind::Line, .left = 120, .top = 360, .endX = 8400, .endY = 360},
    {.role = help_roles::surface,
     .name = "Picture1",
     .kind = Kind::OwnWidget,
     .left = 120,
     .top = 480,
     .width = 9015,
     .height = 5655,
     .font = {11.25, false},
     .tabIndex = 1,
     //: What a screen reader calls the surface the help text is printed on.
     .accessibleName = QT_TRANSLATE_NOOP("quindle::HelpWindow", "Help text")},
};

} // namespace

std::span<const ControlSpec> helpWindowLayout()
{
    return kLayout;
}

QString helpWindowCaption()
{
    //: The help window's title, before the maker's notice.
    return QCoreApplication::translate("quindle::HelpWindow",
                                       " Quindle＿Help（Question and operation method） ") +
           makersNotice();
}

} // namespace quindle
