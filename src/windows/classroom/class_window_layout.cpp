// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

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
     //: What a screen reader calls the line that shows the class's folder.
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Folder"),
     .growth = {.width = 1}},
    {.role = roles::closeButton,
     .name = "Close",
     .kind = Kind::Button,
     //: The class window's button, 72 pixels wide in the default font: about 9 characters.
     .caption = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Close"),
     .left = 10260,
     .top = 0,
     .width = 1080,
     .height = 375,
     .tabIndex = 3,
     .growth = {.x = 1}},
    {.name = "Rule",
     .kind = Kind::Line,
     .left = 0,
     .top = 360,
     .endX = 10260,
     .endY = 360,
     .growth = {.width = 1}},
    // Shown only while the folder cannot be read.
    {.role = roles::folderState,
     .name = "FolderState",
     .kind = Kind::Label,
     .left = 120,
     .top = 435,
     .width = 11160,
     .height = 255,
     .foreground = {192, 0, 0},
     .growth = {.width = 1}},
    {.role = roles::runs,
     .name = "Runs",
     .kind = Kind::OwnWidget,
     .left = 120,
     .top = 750,
     .width = 11160,
     .height = 2970,
     .tabIndex = 0,
     //: What a screen reader calls the class table: a row per run and one for the class.
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Runs and the class"),
     .growth = {.width = 1, .height = 0.45}},
    {.role = roles::unpooled,
     .name = "NotPooled",
     .kind = Kind::OwnWidget,
     .left = 120,
     .top = 3810,
     .width = 11160,
     .height = 960,
     .tabIndex = 1,
     //: What a screen reader calls the list of the folder's files that are not pooled.
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Files not pooled"),
     .growth = {.y = 0.45, .width = 1, .height = 0.1}},
    {.role = roles::funnel,
     .name = "Funnel",
     .kind = Kind::OwnWidget,
     .left = 120,
     .top = 4890,
     .width = 5520,
     .height = 3990,
     //: What a screen reader calls the funnel picture.
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "Each run's ratios"),
     //: What a screen reader says the funnel picture shows.
     .description = QT_TRANSLATE_NOOP(
         "quindle::ClassWindow",
         "Each run's four ratios against its number of trials, and the class's pooled ratios"),
     .growth = {.y = 0.55, .width = 0.5, .height = 0.45}},
    {.role = roles::curve,
     .name = "ClassCurve",
     .kind = Kind::OwnWidget,
     .left = 5760,
     .top = 4890,
     .width = 5520,
     .height = 3990,
     //: What a screen reader calls the class curve's picture.
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ClassWindow", "The class curve"),
     //: What a screen reader says the class curve shows.
     .description =
         QT_TRANSLATE_NOOP("quindle::ClassWindow",
                           "Each outcome's share of all the class's trials so far, run after run"),
     .growth = {.x = 0.5, .y = 0.55, .width = 0.5, .height = 0.45}},
};

} // namespace

std::span<const ControlSpec> classWindowLayout()
{
    return kLayout;
}

} // namespace quindle
