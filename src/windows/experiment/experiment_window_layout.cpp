// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/experiment/experiment_window_layout.h"
#include <QCoreApplication>

#include <QPushButton>

namespace quindle {

namespace {

namespace roles = experiment_roles;

constexpr FontSpec kLarge{15.75, true};
constexpr FontSpec kSmall{9.75, true};
constexpr FontSpec kMedium{12, true};
constexpr FontSpec kNormal{11.25, false};

constexpr Rgb kPink{255, 192, 192};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};

// The table's columns: the row names, then one column per outcome 1..4, 1200 twips apart. Its
// rows: coin 1's face, coin 2's face, the counts and the ratios, 360 twips apart. The cells are
// 15 twips (a pixel) wider and taller than that, so neighbours share one border line.
constexpr int kNamesColumn = 240;
constexpr int outcomeColumn(int outcome)
{
    return 240 + 1200 * outcome;
}
constexpr int kCoin1Row = 2400, kCoin2Row = 2760, kCountRow = 3120, kRatioRow = 3480;

constexpr const char *kHeadFace = ":/coin_head.bmp";
constexpr const char *kTailFace = ":/coin_tail.bmp";

// One cell of the table: white, bordered, centred.
constexpr ControlSpec cell(const char *name, const char *caption, int left, int top, int tab,
                           Rgb color = {}, FontSpec font = kLarge, const char *accessibleName = "",
                           const char *description = "", Role role = {})
{
    return {.role = role,
            .name = name,
            .kind = Kind::Label,
            .caption = caption,
            .left = left,
            .top = top,
            .width = 1215,
            .height = 375,
            .font = font,
            .foreground = color,
            .background = kWhite,
            .border = true,
            .centred = true,
            .tabIndex = tab,
            .accessibleName = accessibleName,
            .description = description};
}

//: What a screen reader says a count cell of the table holds.
constexpr const char *kCountDescription = QT_TRANSLATE_NOOP(
    "quindle::ExperimentWindow", "How often this outcome has come up in the current run");
//: What a screen reader says a ratio cell of the table holds.
constexpr const char *kRatioDescription = QT_TRANSLATE_NOOP(
    "quindle::ExperimentWindow", "This outcome's share of all trials of the current run");

// The value cells of one outcome's column: how often it came up, and its share of all trials.
// The window names each after its outcome.
constexpr ControlSpec valueCell(CellKind kind, const char *name, int outcome, int tab)
{
    ControlSpec spec =
        cell(name, "", outcomeColumn(outcome), kind == CellKind::Count ? kCountRow : kRatioRow, tab,
             {}, kLarge, "", kind == CellKind::Count ? kCountDescription : kRatioDescription,
             roles::cell(kind, outcome));
    spec.readsValue = true;
    return spec;
}

constexpr ControlSpec coin(const char *name, int number, Face shows, int left,
                           const char *accessibleName)
{
    const int index = static_cast<int>(shows);
    return {.role = roles::face(number, shows),
            .name = name,
            .kind = Kind::Picture,
            .image = index == 0 ? kHeadFace : kTailFace,
            .left = left,
            .top = 720,
            .width = 1215,
            .height = 975,
            .index = index,
            .accessibleName = accessibleName};
}

constexpr ControlSpec pushButton(Button role, const char *name, const char *caption, int left,
                                 int top, int width, int height, FontSpec font, int tab)
{
    return {.role = roles::button(role),
            .name = name,
            .kind = Kind::Button,
            .caption = caption,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .font = font,
            .tabIndex = tab};
}

constexpr ControlSpec kLayout[] = {
    // top row
    //: The top row's buttons (Exit, Help, Init) are 57 pixels wide: about 6 characters.
    pushButton(Button::Exit, "Command4", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Exit"), 0,
               0, 855, 375, kNormal, 25),
    {.name = "Label15",
     .kind = Kind::Label,
     .caption = "Quindle",
     .left = 1800,
     .top = 0,
     .width = 2895,
     .height = 375,
     .font = kLarge,
     .background = kPink,
     .border = true,
     .centred = true,
     .tabIndex = 28},
    //: The top row's button that shows the help window, 57 pixels wide: about 6 characters.
    pushButton(Button::Help, "Command7", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Help"),
               4800, 0, 855, 375, kNormal, 32),
    //: The top row's button that clears the counts for a new run, 57 pixels wide: about 6
    //: characters.
    pushButton(Button::Init, "Command5", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Init"),
               5640, 0, 855, 375, kNormal, 26),
    {.name = "Line1", .kind = Kind::Line, .left = 0, .top = 360, .endX = 6480, .endY = 360},

    // the coins
    //: What a screen reader calls coin 1's picture while it shows its head face.
    coin("coin1", 1, Face::Head, 1560,
         QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Coin1: Head")),
    //: Coin 1's picture while it shows its tail face.
    coin("coin1", 1, Face::Tail, 1560,
         QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Coin1: Tail")),
    //: Coin 2's picture while it shows its head face.
    coin("coin2", 2, Face::Head, 3840,
         QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Coin2: Head")),
    //: Coin 2's picture while it shows its tail face.
    coin("coin2", 2, Face::Tail, 3840,
         QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Coin2: Tail")),
    {.name = "Label1",
     .kind = Kind::Label,
     .caption = QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Coin1"),
     .left = 1560,
     .top = 1800,
     .width = 1215,
     .height = 375,
     .font = kLarge,
     .centred = true,
     .tabIndex = 0},
    {.name = "Label2",
     .kind = Kind::Label,
     //: The second coin's name, under its picture and in the table: 81 pixels wide in a large
     //: bold face, about 6 characters.
     .caption = QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Coin2"),
     .left = 3840,
     .top = 1800,
     .width = 1215,
     .height = 375,
     .font = kLarge,
     .centred = true,
     .tabIndex = 1},
    {.role = roles::trialButton,
     .name = "Command2",
     .kind = Kind::Button,
     .caption = "コインが止まる",
     .left = 120,
     .top = 1320,
     .width = 1095,
     .height = 615,
     .font = kMedium,
     .tabIndex = 3,
     .visible = false},

    // the table
    //: Each cell of the table is 81 pixels wide in a large bold face: about 6 characters.
    cell("Label3", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Coin1"), kNamesColumn, kCoin1Row,
         4),
    //: A coin's face in the table's header rows, in blue: 81 pixels wide in a large bold face.
    cell("Label5", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Head"), outcomeColumn(1),
         kCoin1Row, 6, kBlue),
    cell("Label7", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Head"), outcomeColumn(2),
         kCoin1Row, 8, kBlue),
    //: A coin's other face in the table's header rows, in red: 81 pixels wide in a large bold
    //: face.
    cell("Label10", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Tail"), outcomeColumn(3),
         kCoin1Row, 11, kRed),
    cell("Label11", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Tail"), outcomeColumn(4),
         kCoin1Row, 12, kRed),
    cell("Label4", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Coin2"), kNamesColumn, kCoin2Row,
         5),
    cell("Label6", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Head"), outcomeColumn(1),
         kCoin2Row, 7, kBlue),
    cell("Label9", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Tail"), outcomeColumn(2),
         kCoin2Row, 10, kRed),
    cell("Label8", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Head"), outcomeColumn(3),
         kCoin2Row, 9, kBlue),
    cell("Label12", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Tail"), outcomeColumn(4),
         kCoin2Row, 13, kRed),
    //: The table's row names are 81 pixels wide in a small bold face: about 11 characters.
    cell("Label13", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Frequency"), kNamesColumn,
         kCountRow, 14, {}, kSmall),
    valueCell(CellKind::Count, "dosuu1", 1, 15),
    valueCell(CellKind::Count, "dosuu2", 2, 16),
    valueCell(CellKind::Count, "dosuu3", 3, 17),
    valueCell(CellKind::Count, "dosuu4", 4, 18),
    //: The table's row of each outcome's share of all trials so far: its relative frequency, the
    //: observed share, which the lesson tells apart from the probability of 1/4 it settles near
    //: (school mathematics has its own word for it). 81 pixels wide in a small bold face: about
    //: 11 characters.
    cell("Label14", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Probability"), kNamesColumn,
         kRatioRow, 19, {}, kSmall),
    valueCell(CellKind::Ratio, "kaku1", 1, 20),
    valueCell(CellKind::Ratio, "kaku2", 2, 21),
    valueCell(CellKind::Ratio, "kaku3", 3, 22),
    valueCell(CellKind::Ratio, "kaku4", 4, 23),

    // the bottom area
    {.name = "Label16",
     .kind = Kind::Label,
     //: Above the number of trials: 165 pixels wide in a small bold face, about 24 characters.
     .caption = QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Number of experiment"),
     .left = 120,
     .top = 4080,
     .width = 2475,
     .height = 255,
     .font = kSmall,
     .background = kWhite,
     .border = true,
     .centred = true,
     .tabIndex = 29},
    {.role = roles::trialTotal,
     .name = "Label17",
     .kind = Kind::Label,
     .left = 480,
     .top = 4440,
     .width = 1695,
     .height = 375,
     .font = kLarge,
     .background = kWhite,
     .border = true,
     .centred = true,
     .tabIndex = 30,
     .readsValue = true,
     //: What a screen reader calls the number under the table, before reading it.
     .accessibleName = QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Number of trials")},
    //: Stop and Start are 105 pixels wide: about 10 characters.
    pushButton(Button::Stop, "Command3", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Stop"),
               2880, 4440, 1575, 495, kMedium, 24),
    //: Starts a run, or goes on with the last one: 105 pixels wide, about 10 characters.
    pushButton(Button::Start, "Command1", QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Start"),
               4680, 4440, 1575, 495, kMedium, 2),
    //: 129 pixels wide: about 13 characters.
    pushButton(Button::GraphDisplay, "Command6",
               QT_TRANSLATE_NOOP("quindle::ExperimentWindow", "Graph display"), 360, 5040, 1935,
               375, kMedium, 31),

    // without a place on the screen
    {.role = roles::cueDevice, .name = "MMControl1", .kind = Kind::Component},
    {.role = roles::timer(Timer::Flip), .name = "Timer1", .kind = Kind::Component},
    {.role = roles::timer(Timer::Trial), .name = "Timer2", .kind = Kind::Component},
};

} // namespace

std::span<const ControlSpec> experimentWindowLayout()
{
    return kLayout;
}

QString experimentWindowCaption()
{
    return QStringLiteral(" Quindle ") + makersNotice();
}

QPushButton *findButton(const QWidget *experimentWindow, Button which)
{
    return findControl<QPushButton>(experimentWindow, kLayout, experiment_roles::button(which));
}

} // namespace quindle
