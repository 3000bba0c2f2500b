// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/paper/paper.h"

#include "modules/program_modules.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace quindle {

namespace {

// The caption line above the content, with a little room under its text.
constexpr double kCaptionHeight = 28;
constexpr double kCaptionGap = 6;
constexpr int kCaptionPixels = 14;

} // namespace

QSizeF pageSize(QSizeF content)
{
    return {content.width(), kCaptionHeight + content.height()};
}

void paintPage(QPainter &painter, const QRectF &page, QSizeF content, QFont font,
               const QString &caption, const std::function<void(QPainter &)> &paintContent)
{
    const QSizeF whole = pageSize(content);
    const double scale = std::min(page.width() / whole.width(), page.height() / whole.height());
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    font.setPixelSize(kCaptionPixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 0, whole.width(), kCaptionHeight - kCaptionGap),
                     Qt::AlignLeft | Qt::AlignBottom, caption);
    painter.translate(0, kCaptionHeight);
    paintContent(painter);
    painter.restore();
}

PaperOutput *paperOutput(QString *error)
{
    return loadModule<PaperOutput>("quindle_paper_output", error);
}

void printThroughDialog(QWidget *parent, const std::function<void(QPaintDevice &)> &print)
{
    QString why;
    if (PaperOutput *paper = paperOutput(&why)) {
        paper->printThroughDialog(parent, print);
        return;
    }
    //: Shown instead of the print dialog; %1 says why (a missing part of the installation).
    QMessageBox::warning(
        parent, parent->windowTitle(),
        QCoreApplication::translate("quindle::Paper", "Cannot print: %1").arg(why));
}

} // namespace quindle
