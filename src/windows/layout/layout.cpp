// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/layout/layout.h"

#include "windows/controls/cell_label.h"
#include "windows/controls/drawing_surface.h"
#include "windows/controls/line.h"
#include "windows/controls/picture.h"
#include "windows/input/keyboard.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QLocale>
#include <QPushButton>
#include <QWidget>

#include <algorithm>
#include <cmath>
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

// Where the row puts its control at a zoom, in a window `extra` pixels larger than designed.
void placeGeometry(QWidget *widget, const ControlSpec &spec, int zoom, QSize extra)
{
    const Growth &g = spec.growth;
    const auto share = [](double part, int room) {
        return static_cast<int>(std::lround(part * room));
    };
    if (auto *line = qobject_cast<Line *>(widget)) {
        // The line's points at 100 %, moved by their share of the room as it is at 100 %.
        const int dx = extra.width() * kDesignZoom / zoom, dy = extra.height() * kDesignZoom / zoom;
        const QPoint from(pixels(spec.left) + share(g.x, dx), pixels(spec.top) + share(g.y, dy));
        const QPoint to(pixels(spec.endX) + share(g.x + g.width, dx),
                        pixels(spec.endY) + share(g.y + g.height, dy));
        line->place(from, to, spec.lineWidth, zoom);
        return;
    }
    // Fixed, as the layout is: a new text then asks no layout pass of its window (a label
    // changes its text nine times in every trial).
    widget->setFixedSize(std::max(pixels(spec.width, zoom) + share(g.width, extra.width()), 0),
                         std::max(pixels(spec.height, zoom) + share(g.height, extra.height()), 0));
    widget->move(pixels(spec.left, zoom) + share(g.x, extra.width()),
                 pixels(spec.top, zoom) + share(g.y, extra.height()));
}

// Where the row puts its control at a zoom, with its font and the widths of its lines.
void place(QWidget *widget, const ControlSpec &spec, int zoom)
{
    placeGeometry(widget, spec, zoom, {});
    if (qobject_cast<Line *>(widget))
        return;
    if (spec.font.points > 0)
        widget->setFont(zoomedFont(windowFont(spec.font), zoom));
    else if (zoom != kDesignZoom) // the toolkit's default font, enlarged
        widget->setFont(zoomedFont(QApplication::font(), zoom));
    else
        widget->setFont(QFont());
    if (auto *label = qobject_cast<CellLabel *>(widget)) {
        const int border = spec.border ? lineWidth(1, zoom) : 0;
        label->setBorder(border);
        // The design sized each label for its own face's line of text. A face with a taller
        // line, as the Korean and Chinese faces are (19 pixels at 12 points, where the design's
        // face fills the legend label's 17), grows the label up and down alike by the
        // difference and its border, measured at 100 % and scaled by the zoom, so that none of
        // its letters is cut off and the label grows alike at every zoom. English and Japanese,
        // the design's own languages, keep its places and sizes exactly, whatever face the
        // system gives them.
        const QLocale::Language language = QLocale().language();
        if (spec.font.points > 0 && language != QLocale::English && language != QLocale::Japanese &&
            language != QLocale::C) {
            const int line = QFontMetrics(windowFont(spec.font)).height();
            const int height = pixels(spec.height, kDesignZoom);
            if (line > height) {
                const int grow = (line - height + 2 * (spec.border ? 1 : 0)) * zoom / kDesignZoom;
                label->setFixedHeight(label->height() + grow);
                label->move(label->x(), label->y() - grow / 2);
            }
        }
    }
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

void fitControls(QWidget *form, std::span<const ControlSpec> table, int zoom, QSize extra)
{
    for (const ControlSpec &spec : table) {
        if (spec.kind == Kind::Component)
            continue;
        for (QWidget *widget : form->findChildren<QWidget *>(QString::fromLatin1(spec.name),
                                                             Qt::FindDirectChildrenOnly)) {
            if (spec.index < 0 || widget->property("index").toInt() == spec.index)
                placeGeometry(widget, spec, zoom, extra);
        }
    }
}

QString makersNotice()
{
    //: Ends every window's title.
    return QCoreApplication::translate("quindle::Caption", "(C) 2026 The Quindle developers");
}

} // namespace quindle
