#include "form4.h"

#include "help_text.h"
#include "windows/activation.h"
#include "windows/drawing_surface.h"
#include "windows/keyboard.h"
#include "windows/layout.h"
#include "windows/runtime_errors.h"

#include <QFontMetrics>
#include <QPushButton>

namespace quindle {

namespace {

constexpr ControlSpec kForm4[] = {
    {.name = "Command1",
     .kind = Kind::Button,
     .caption = "Close",
     .left = 8280,
     .top = 0,
     .width = 855,
     .height = 375,
     .tabIndex = 0},
    {.name = "Line1", .kind = Kind::Line, .left = 120, .top = 360, .width = 8400, .height = 360},
    {.name = "Picture1",
     .kind = Kind::Surface,
     .left = 120,
     .top = 480,
     .width = 9015,
     .height = 5655,
     .font = {11.25, false},
     .tabIndex = 1,
     .accessibleName = "Help"},
};

constexpr WindowSpec kForm4Window{232, 149, 619, 418};

// The help text in the windows' Japanese face and size, narrowed just enough for its widest line
// to fit the surface: the Latin letters of the substitute face run wider than the original did,
// and a line that does not fit would lose its end.
QFont helpFont(QFont font, int width)
{
    for (int stretch = 100; stretch > 80; --stretch) {
        font.setStretch(stretch);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (std::string_view line : kHelpLines) {
            const auto text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
            fits = fits && metrics.horizontalAdvance(text) <= width;
        }
        if (fits)
            break;
    }
    return font;
}
constexpr double kTwipsPerUnit = 1; // the surface works in twips

} // namespace

Form4::Form4()
    : m_surface(new DrawingSurface(kTwipsPerUnit, kTwipsPerUnit, this))
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" Quindle＿Help（Question and operation method） ") +
                   makersNotice());
    m_surface->setFocusPolicy(Qt::StrongFocus);
    buildControls(this, kForm4, {{QStringLiteral("Picture1"), m_surface}});
    m_surface->setTextFont(helpFont(m_surface->font(), m_surface->innerSize().width()));
    placeWindow(this, kForm4Window);

    QString text;
    for (std::string_view line : kHelpLines)
        text +=
            QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())) + QLatin1Char('\n');
    m_surface->setAccessibleDescription(text.trimmed());

    auto *close = findChild<QPushButton *>(QStringLiteral("Command1"));
    close->setFocus();
    addKeyFor(this, QKeySequence(Qt::Key_Escape), close);
    connect(close, &QPushButton::clicked, this, &Form4::closeClicked);
    ActivationWatcher::instance().watch(this,
                                        [this] { guarded([this] { printHelp(*m_surface); }); });
}

} // namespace quindle
