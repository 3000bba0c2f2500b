// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>
#include <QTimer>

namespace quindle {

// A short message over a corner of a window for a few seconds, then gone: a confirmation that
// asks for nothing and leaves no control behind. It takes no focus; a click hides it at once.
class TransientMessage : public QLabel
{
    Q_OBJECT
public:
    static constexpr int kShownMs = 6000;

    explicit TransientMessage(QWidget *window);

    // Shows text in the window's font at font, wrapped to the width of area and standing on
    // its bottom edge, for kShownMs; a message shown before goes.
    void showMessage(const QString &text, const QFont &font, const QRect &area);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QTimer m_timer;
};

} // namespace quindle
