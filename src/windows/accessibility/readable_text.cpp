// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/accessibility/readable_text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QWidget>

namespace quindle {

namespace {

// A widget that may carry readable text: read-only multi-line text whose caret a screen reader
// follows while it does, what Qt makes of a plain widget otherwise. The text is looked up on
// every call, since Qt may ask for the interface before the text is attached.
class AccessibleReadableText : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleReadableText(QWidget *widget)
        : QAccessibleWidget(widget)
    {}

    [[nodiscard]] ReadableText *readable() const
    {
        return widget()->findChild<ReadableText *>(QStringLiteral("ReadableText"),
                                                   Qt::FindDirectChildrenOnly);
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && readable())
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    [[nodiscard]] QAccessible::Role role() const override
    {
        return readable() ? QAccessible::EditableText : QAccessibleWidget::role();
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (readable()) {
            s.readOnly = true;
            s.multiLine = true;
        }
        return s;
    }

    // QAccessibleTextInterface: no selections, a caret, the text and where it is drawn.
    void selection(int /*selectionIndex*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    [[nodiscard]] int cursorPosition() const override { return readable()->caret(); }
    void setCursorPosition(int position) override { readable()->setCaret(position); }
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        return readable()->text().mid(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int characterCount() const override
    {
        return static_cast<int>(readable()->text().size());
    }
    [[nodiscard]] QRect characterRect(int offset) const override
    {
        const QRect local = readable()->characterRect(offset);
        return QRect(widget()->mapToGlobal(local.topLeft()), local.size());
    }
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override
    {
        return readable()->offsetAt(widget()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    [[nodiscard]] QString attributes(int /*offset*/, int *startOffset,
                                     int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
};

} // namespace

ReadableText::ReadableText(QWidget *widget, QString text, QFont font, int inset)
    : QObject(widget)
    , m_widget(widget)
    , m_text(std::move(text))
    , m_font(std::move(font))
    , m_inset(inset)
{
    setObjectName(QStringLiteral("ReadableText"));
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(this);
}

void ReadableText::setLayout(QFont font, int inset)
{
    m_font = std::move(font);
    m_inset = inset;
}

QAccessibleInterface *ReadableText::accessibleFor(QWidget *widget)
{
    return new AccessibleReadableText(widget);
}

void ReadableText::setCaret(int offset)
{
    m_caret = std::clamp(offset, 0, static_cast<int>(m_text.size()));
    QAccessibleTextCursorEvent event(m_widget, m_caret);
    QAccessible::updateAccessibility(&event);
}

int ReadableText::lineStart(int offset) const
{
    return offset == 0 ? 0
                       : static_cast<int>(m_text.lastIndexOf(QLatin1Char('\n'), offset - 1)) + 1;
}

int ReadableText::lineEnd(int offset) const
{
    const auto end = m_text.indexOf(QLatin1Char('\n'), offset);
    return end < 0 ? static_cast<int>(m_text.size()) : static_cast<int>(end);
}

QRect ReadableText::characterRect(int offset) const
{
    const QFontMetrics metrics(m_font);
    const int start = lineStart(offset);
    const auto line = m_text.left(start).count(QLatin1Char('\n'));
    const int x = metrics.horizontalAdvance(m_text.mid(start, offset - start));
    const int width = offset < lineEnd(offset) ? metrics.horizontalAdvance(m_text.at(offset)) : 1;
    return {m_inset + x, m_inset + static_cast<int>(line) * metrics.height(), width,
            metrics.height()};
}

int ReadableText::offsetAt(QPoint point) const
{
    const QFontMetrics metrics(m_font);
    const int wanted = std::max(0, (point.y() - m_inset) / metrics.height());
    int start = 0;
    for (int line = 0; line < wanted && lineEnd(start) < m_text.size(); ++line)
        start = lineEnd(start) + 1;
    int offset = start;
    while (offset < lineEnd(start) &&
           metrics.horizontalAdvance(m_text.mid(start, offset - start + 1)) <= point.x() - m_inset)
        ++offset;
    return offset;
}

bool ReadableText::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_widget || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool control = key->modifiers() & Qt::ControlModifier;
    const int start = lineStart(m_caret);
    const int column = m_caret - start;
    switch (key->key()) {
    case Qt::Key_Up:
        if (start > 0) {
            const int previous = lineStart(start - 1);
            setCaret(std::min(previous + column, start - 1));
        }
        return true;
    case Qt::Key_Down:
        if (lineEnd(m_caret) < m_text.size()) {
            const int next = lineEnd(m_caret) + 1;
            setCaret(std::min(next + column, lineEnd(next)));
        }
        return true;
    case Qt::Key_Left:
        setCaret(m_caret - 1);
        return true;
    case Qt::Key_Right:
        setCaret(m_caret + 1);
        return true;
    case Qt::Key_Home:
        setCaret(control ? 0 : start);
        return true;
    case Qt::Key_End:
        setCaret(control ? static_cast<int>(m_text.size()) : lineEnd(m_caret));
        return true;
    default:
        return false;
    }
}

} // namespace quindle
