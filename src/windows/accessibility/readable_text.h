// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>
#include <QObject>
#include <QString>

class QAccessibleInterface;
class QWidget;

namespace quindle {

// Makes a widget that shows text it drew itself readable with a screen reader, line by line:
// it takes the focus with Tab, reports itself as read-only multi-line text through Qt's
// accessible text interface, and keeps an invisible caret that the arrow keys, Home, End and
// Ctrl+Home/End move, telling the screen reader each move. Lines are laid out as the widget
// prints them: one below the other from its top-left corner, one font height apart, after an
// inset of `inset` pixels.
class ReadableText : public QObject
{
    Q_OBJECT
public:
    ReadableText(QWidget *widget, QString text, QFont font, int inset);

    [[nodiscard]] const QString &text() const { return m_text; }
    // The lines are now drawn in font after an inset of inset pixels (a new zoom).
    void setLayout(QFont font, int inset);
    [[nodiscard]] int caret() const { return m_caret; }
    void setCaret(int offset);
    // Where character offset is drawn, in the widget's coordinates.
    [[nodiscard]] QRect characterRect(int offset) const;
    [[nodiscard]] int offsetAt(QPoint point) const;

    // The accessible interface for a widget that may be made readable, before or after.
    static QAccessibleInterface *accessibleFor(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[nodiscard]] int lineStart(int offset) const;
    [[nodiscard]] int lineEnd(int offset) const;

    QWidget *m_widget;
    QString m_text;
    QFont m_font;
    int m_inset;
    int m_caret = 0;
};

} // namespace quindle
