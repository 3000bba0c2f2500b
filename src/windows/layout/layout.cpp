#include "windows/layout/layout.h"

#include "windows/controls/cell_label.h"
#include "windows/controls/line.h"
#include "windows/controls/picture.h"
#include "windows/input/keyboard.h"

#include "windows/controls/drawing_surface.h"
#include <QCoreApplication>

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace quindle {

namespace {

const QString kWindowFace = QStringLiteral("ＭＳ Ｐゴシック");

// A table's text in the pupil's language: the tables mark their texts with the window's class
// as the context.
QString translated(const QWidget *form, const char *text)
{
    return QCoreApplication::translate(form->metaObject()->className(), text);
}

QColor toColor(Rgb rgb)
{
    return QColor(rgb.r, rgb.g, rgb.b);
}

QWidget *createControl(QWidget *form, const ControlSpec &spec)
{
    const QString caption = translated(form, spec.caption);
    switch (spec.kind) {
    case Kind::Label: {
        auto *label = new CellLabel(caption, form);
        if (spec.centred)
            label->setAlignment(Qt::AlignCenter);
        QPalette palette = label->palette();
        if (spec.foreground.isSet())
            palette.setColor(QPalette::WindowText, toColor(spec.foreground));
        if (spec.background.isSet()) {
            palette.setColor(QPalette::Window, toColor(spec.background));
            label->setAutoFillBackground(true);
        } else if (spec.background == Rgb::systemWindowBackground()) {
            label->setBackgroundRole(QPalette::Base);       // follows the desktop's palette
            label->setForegroundRole(QPalette::WindowText); // not Base's partner, Text
            label->setAutoFillBackground(true);
        }
        label->setPalette(palette);
        return label;
    }
    case Kind::Button:
        return new QPushButton(caption, form);
    case Kind::Picture:
        return new Picture(QString::fromUtf8(spec.image), form);
    case Kind::Line: {
        const QColor color = spec.foreground.isSet() ? toColor(spec.foreground) : QColor(Qt::black);
        return new Line(QPoint(pixels(spec.left), pixels(spec.top)),
                        QPoint(pixels(spec.endX), pixels(spec.endY)), color, spec.lineWidth, form);
    }
    case Kind::OwnWidget:
    case Kind::Component:
        return nullptr;
    }
    return nullptr;
}

void nameControl(QWidget *widget, const ControlSpec &spec)
{
    widget->setObjectName(QString::fromLatin1(spec.name));
    if (spec.index >= 0)
        widget->setProperty("index", spec.index);
    if (!spec.visible) {
        widget->hide();
        widget->setFocusPolicy(Qt::NoFocus);
    }
}

// Where the row puts its control at a zoom, with its font and the widths of its lines.
void place(QWidget *widget, const ControlSpec &spec, int zoom)
{
    if (auto *line = qobject_cast<Line *>(widget)) {
        line->place(QPoint(pixels(spec.left), pixels(spec.top)),
                    QPoint(pixels(spec.endX), pixels(spec.endY)), spec.lineWidth, zoom);
        return;
    }
    // Fixed, as the layout is: a new text then asks no layout pass of its window (a label
    // changes its text nine times in every trial).
    widget->setFixedSize(pixels(spec.width, zoom), pixels(spec.height, zoom));
    widget->move(pixels(spec.left, zoom), pixels(spec.top, zoom));
    if (spec.font.points > 0)
        widget->setFont(zoomedFont(windowFont(spec.font), zoom));
    else if (zoom != kDesignZoom) // the toolkit's default font, enlarged
        widget->setFont(zoomedFont(QApplication::font(), zoom));
    else
        widget->setFont(QFont());
    if (auto *label = qobject_cast<CellLabel *>(widget))
        label->setBorder(spec.border ? lineWidth(1, zoom) : 0);
    if (auto *picture = qobject_cast<Picture *>(widget))
        picture->setEnlarged(zoom > kDesignZoom);
    if (auto *surface = qobject_cast<DrawingSurface *>(widget))
        surface->setZoom(zoom);
}

} // namespace

QFont windowFont(const FontSpec &spec)
{
    // Asked for by the faces it resolves to, in their order: asked for by its own name, which
    // no installed font has, Qt first searches all fonts for one like it, at every start.
    const QStringList faces = QFont::substitutes(kWindowFace);
    QFont font;
    font.setFamilies(faces.isEmpty() ? QStringList{kWindowFace} : faces);
    font.setPointSizeF(spec.points);
    font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void installFontSubstitutions(const QLocale &language)
{
    // A Chinese or Korean text in Japanese letterforms, or with no Hangul at all, would not be
    // what the pupil reads at school: those languages get their own face first.
    QStringList faces;
    if (language.language() == QLocale::Chinese)
        faces << QStringLiteral("WenQuanYi Micro Hei");
    else if (language.language() == QLocale::Korean)
        faces << QStringLiteral("NanumGothic");
    faces << QStringLiteral("IPAPGothic") << QStringLiteral("IPAGothic");
    QFont::removeSubstitutions(kWindowFace);
    QFont::insertSubstitutions(kWindowFace, faces);
}

void buildControls(QWidget *form, std::span<const ControlSpec> table,
                   std::initializer_list<std::pair<Role, QObject *>> own)
{
    std::vector<std::pair<int, QWidget *>> focusable;
    for (const ControlSpec &spec : table) {
        if (spec.kind == Kind::Component) {
            for (const auto &[role, made] : own) {
                if (role == spec.role)
                    made->setObjectName(QString::fromLatin1(spec.name));
            }
            continue;
        }
        QWidget *widget = createControl(form, spec);
        for (const auto &[role, made] : own) {
            if (!widget && role == spec.role)
                widget = qobject_cast<QWidget *>(made);
        }
        if (!widget)
            continue;
        nameControl(widget, spec);
        place(widget, spec, kDesignZoom);
        if (*spec.accessibleName)
            widget->setAccessibleName(translated(form, spec.accessibleName));
        if (spec.readsValue)
            widget->setProperty(kReadsValue, true);
        if (*spec.description)
            widget->setAccessibleDescription(translated(form, spec.description));
        if (auto *button = qobject_cast<QPushButton *>(widget))
            pressOnEnter(button);
        if (widget->focusPolicy() != Qt::NoFocus && spec.tabIndex >= 0)
            focusable.emplace_back(spec.tabIndex, widget);
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
}

QWidget *findControl(const QWidget *window, std::span<const ControlSpec> table, Role role)
{
    for (const ControlSpec &spec : table) {
        if (spec.role != role)
            continue;
        for (QWidget *widget : window->findChildren<QWidget *>(QString::fromLatin1(spec.name))) {
            if (spec.index < 0 || widget->property("index").toInt() == spec.index)
                return widget;
        }
    }
    return nullptr;
}

void applyZoom(QWidget *form, std::span<const ControlSpec> table, int zoom)
{
    for (const ControlSpec &spec : table) {
        if (spec.kind == Kind::Component)
            continue;
        for (QWidget *widget : form->findChildren<QWidget *>(QString::fromLatin1(spec.name),
                                                             Qt::FindDirectChildrenOnly)) {
            if (spec.index < 0 || widget->property("index").toInt() == spec.index)
                place(widget, spec, zoom);
        }
    }
}

void placeWindow(QWidget *window, const WindowSpec &spec, int zoom)
{
    const int width = zoomed(spec.width, zoom), height = zoomed(spec.height, zoom);
    window->setFixedSize(width, height);
    QRect placed(zoomed(spec.left, zoom), zoomed(spec.top, zoom), width, height);
    // On the screen: moved only as far as it takes, never off its top-left corner.
    if (const QScreen *screen = window->screen(); screen && zoom != kDesignZoom) {
        const QRect room = screen->availableGeometry();
        placed.moveRight(std::min(placed.right(), room.right()));
        placed.moveBottom(std::min(placed.bottom(), room.bottom()));
        placed.moveLeft(std::max(placed.left(), room.left()));
        placed.moveTop(std::max(placed.top(), room.top()));
    }
    window->setGeometry(placed);
}

QString makersNotice()
{
    //: Ends every window's title.
    return QCoreApplication::translate("quindle::Caption", "(C) 2026 The Quindle developers");
}

} // namespace quindle
