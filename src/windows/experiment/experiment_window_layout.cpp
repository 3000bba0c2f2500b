#include "experiment_window_layout.h"
#include "windows/translation.h"

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

// Column lefts and row tops of the table.
constexpr int kC0 = 240, kC1 = 1440, kC2 = 2640, kC3 = 3840, kC4 = 5040;
constexpr int kR0 = 2400, kR1 = 2760, kR2 = 3120, kR3 = 3480;
constexpr int kRowCounts = kR2, kRowRatios = kR3;

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

// A count cell and a ratio cell of one outcome's column.
constexpr ControlSpec countCell(const char *name, int outcome, int left, const char *what, int tab)
{
    return cell(name, "", left, kRowCounts, tab, {}, kLarge, what,
                "How often this outcome has come up in the current run",
                roles::cell(CellKind::Count, outcome));
}
constexpr ControlSpec ratioCell(const char *name, int outcome, int left, const char *what, int tab)
{
    return cell(name, "", left, kRowRatios, tab, {}, kLarge, what,
                "This outcome's share of all trials of the current run",
                roles::cell(CellKind::Ratio, outcome));
}

constexpr ControlSpec coin(const char *name, int number, Face shows, int left,
                           const char *accessibleName)
{
    const int index = static_cast<int>(shows);
    return {.role = roles::face(number, shows),
            .name = name,
            .kind = Kind::Picture,
            .caption = index == 0 ? kHeadFace : kTailFace,
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
    pushButton(Button::Exit, "Command4", "Exit", 0, 0, 855, 375, kNormal, 25),
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
    pushButton(Button::Help, "Command7", "Help", 4800, 0, 855, 375, kNormal, 32),
    pushButton(Button::Init, "Command5", "Init", 5640, 0, 855, 375, kNormal, 26),
    {.name = "Line1", .kind = Kind::Line, .left = 0, .top = 360, .width = 6480, .height = 360},

    // the coins
    coin("coin1", 1, Face::Head, 1560, "Coin1: Head"),
    coin("coin1", 1, Face::Tail, 1560, "Coin1: Tail"),
    coin("coin2", 2, Face::Head, 3840, "Coin2: Head"),
    coin("coin2", 2, Face::Tail, 3840, "Coin2: Tail"),
    {.name = "Label1",
     .kind = Kind::Label,
     .caption = "Coin1",
     .left = 1560,
     .top = 1800,
     .width = 1215,
     .height = 375,
     .font = kLarge,
     .centred = true,
     .tabIndex = 0},
    {.name = "Label2",
     .kind = Kind::Label,
     .caption = "Coin2",
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
    cell("Label3", "Coin1", kC0, kR0, 4),
    cell("Label5", "Head", kC1, kR0, 6, kBlue),
    cell("Label7", "Head", kC2, kR0, 8, kBlue),
    cell("Label10", "Tail", kC3, kR0, 11, kRed),
    cell("Label11", "Tail", kC4, kR0, 12, kRed),
    cell("Label4", "Coin2", kC0, kR1, 5),
    cell("Label6", "Head", kC1, kR1, 7, kBlue),
    cell("Label9", "Tail", kC2, kR1, 10, kRed),
    cell("Label8", "Head", kC3, kR1, 9, kBlue),
    cell("Label12", "Tail", kC4, kR1, 13, kRed),
    cell("Label13", "Frequency", kC0, kR2, 14, {}, kSmall),
    countCell("dosuu1", 1, kC1, "Head/Head frequency", 15),
    countCell("dosuu2", 2, kC2, "Head/Tail frequency", 16),
    countCell("dosuu3", 3, kC3, "Tail/Head frequency", 17),
    countCell("dosuu4", 4, kC4, "Tail/Tail frequency", 18),
    cell("Label14", "Probability", kC0, kR3, 19, {}, kSmall),
    ratioCell("kaku1", 1, kC1, "Head/Head probability", 20),
    ratioCell("kaku2", 2, kC2, "Head/Tail probability", 21),
    ratioCell("kaku3", 3, kC3, "Tail/Head probability", 22),
    ratioCell("kaku4", 4, kC4, "Tail/Tail probability", 23),

    // the bottom area
    {.name = "Label16",
     .kind = Kind::Label,
     .caption = "Number of experiment",
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
     .accessibleName = "Number of trials"},
    pushButton(Button::Stop, "Command3", "Stop", 2880, 4440, 1575, 495, kMedium, 24),
    pushButton(Button::Start, "Command1", "Start", 4680, 4440, 1575, 495, kMedium, 2),
    pushButton(Button::GraphDisplay, "Command6", "Graph display", 360, 5040, 1935, 375, kMedium,
               31),
    {.role = roles::cueDevice,
     .name = "MMControl1",
     .kind = Kind::Hidden,
     .left = 2880,
     .top = 5160,
     .width = 3540,
     .height = 330,
     .tabIndex = 27},
};

} // namespace

std::span<const ControlSpec> experimentWindowLayout()
{
    return kLayout;
}

QString experimentWindowCaption()
{
    return ui(" Quindle ") + makersNotice();
}

QPushButton *findButton(const QWidget *experimentWindow, Button which)
{
    return findControl<QPushButton>(experimentWindow, kLayout, experiment_roles::button(which));
}

} // namespace quindle
