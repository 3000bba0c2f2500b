// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/controls/transient_message.h"

#include <QMouseEvent>

namespace quindle {

TransientMessage::TransientMessage(QWidget *window)
    : QLabel(window)
{
    setWordWrap(true);
    setFrameShape(QFrame::Box);
    setMargin(3);
    setAutoFillBackground(true);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setFocusPolicy(Qt::NoFocus);
    hide();
    m_timer.setSingleShot(true);
    m_timer.setInterval(kShownMs);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void TransientMessage::showMessage(const QString &text, const QFont &font, const QRect &area)
{
    setFont(font);
    setText(text);
    const int height = heightForWidth(area.width());
    setGeometry(area.left(), area.bottom() + 1 - height, area.width(), height);
    raise();
    show();
    m_timer.start();
}

void TransientMessage::mousePressEvent(QMouseEvent *event)
{
    hide();
    event->accept();
}

} // namespace quindle
