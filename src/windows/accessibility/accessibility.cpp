// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/accessibility/accessibility.h"

#include "windows/accessibility/readable_text.h"
#include "windows/controls/cell_label.h"
#include "windows/controls/picture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>

namespace quindle {

namespace {

// A cell whose accessible name, if set, names what the cell shows: its text is appended.
class AccessibleCell : public QAccessibleWidget
{
public:
    explicit AccessibleCell(CellLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const CellLabel *>(widget());
        if (t == QAccessible::Name) {
            const QString what = label->accessibleName();
            if (what.isEmpty())
                return label->text();
            if (!label->property(kReadsValue).toBool() || label->text().isEmpty())
                return what;
            return what + QLatin1Char(' ') + label->text();
        }
        if (t == QAccessible::Value)
            return label->text();
        return QAccessibleWidget::text(t);
    }
};

// A coin face: its name says coin and face; it is invisible while the other face shows.
class AccessiblePicture : public QAccessibleWidget
{
public:
    explicit AccessiblePicture(Picture *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {}

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (!static_cast<const Picture *>(widget())->isShown())
            s.invisible = true;
        return s;
    }
};

bool s_withoutScreenReader = false;

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("quindle::CellLabel"))
        return new AccessibleCell(static_cast<CellLabel *>(object));
    if (className == QLatin1String("quindle::Picture"))
        return new AccessiblePicture(static_cast<Picture *>(object));
    if (className == QLatin1String("quindle::DrawingSurface"))
        return ReadableText::accessibleFor(static_cast<QWidget *>(object));
    if (className == QLatin1String("quindle::Line")) // a rule, not content
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Separator);
    return nullptr;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// The widget whose description carries a sentence, and the description it had before.
QPointer<QWidget> s_describing;
QString s_ownDescription;

void restoreDescription()
{
    if (s_describing)
        s_describing->setAccessibleDescription(s_ownDescription);
    s_describing = nullptr;
}
#endif

} // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
}

Announcer::Announcer(QWidget *window)
    : QObject(window)
{
    setObjectName(QStringLiteral("Announcer"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &Announcer::flush);
}

void Announcer::changed(QWidget *widget)
{
    if (!screenReaderListens())
        return;
    if (!m_pending.contains(widget))
        m_pending.append(widget);
    if (!m_timer.isActive())
        m_timer.start();
}

void Announcer::announceWithoutScreenReader(bool on)
{
    s_withoutScreenReader = on;
}

bool Announcer::screenReaderListens()
{
    return QAccessible::isActive() || s_withoutScreenReader;
}

void Announcer::flush()
{
    m_timer.stop();
    const QList<QPointer<QWidget>> pending = std::exchange(m_pending, {});
    for (QWidget *widget : pending) {
        if (!widget)
            continue;
        if (qobject_cast<Picture *>(widget)) {
            QAccessible::State visibility;
            visibility.invisible = true;
            QAccessibleStateChangeEvent event(widget, visibility);
            QAccessible::updateAccessibility(&event);
        } else {
            QAccessibleEvent name(widget, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&name);
        }
        emit announced(widget);
    }
}

void Announcer::say(const QString &sentence, Speech kind)
{
    if (!screenReaderListens())
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    Q_UNUSED(kind);
    QAccessibleAnnouncementEvent event(parent(), sentence);
    QAccessible::updateAccessibility(&event);
#else
    QWidget *focus = static_cast<QWidget *>(parent())->focusWidget();
    if (kind == Speech::Progress || !focus)
        return;
    restoreDescription();
    s_describing = focus;
    s_ownDescription = focus->accessibleDescription();
    focus->setAccessibleDescription(sentence);
    static const auto once =
        QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *old, QWidget *now) {
            if (old != now)
                restoreDescription();
        });
    Q_UNUSED(once);
#endif
    emit said(sentence);
}

} // namespace quindle
