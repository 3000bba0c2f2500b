// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Drawings on paper: a page laid out as a caption line above a window's drawing, scaled to the
// page with its proportions kept, for a printer, a PDF page or an SVG picture alike; the print
// dialog that leads to a printer, and SVG pictures.
//
// The print dialog and SVG pictures need Qt Print Support and Qt SVG, which the first window
// does not: they live in a module of their own, quindle_paper_output (paper_output_module.cpp),
// loaded the first time they are needed, or once the first window is on the screen
// (modules/program_modules.h). A page's layout needs neither and is always at hand.

#include <QFont>
#include <QObject>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QIODevice;
class QPaintDevice;
class QPainter;
class QSize;
class QWidget;

namespace quindle {

// The size of a page's drawing, in the content's pixels: the caption line above the content.
[[nodiscard]] QSizeF pageSize(QSizeF content);

// Paints caption in font, 14 pixels high, above content of the given size (its pixels at 100 %),
// the whole as large as fits page with its proportions kept. paintContent draws the content
// with the painter's origin at its top-left corner and one unit a pixel of it.
void paintPage(QPainter &painter, const QRectF &page, QSizeF content, QFont font,
               const QString &caption, const std::function<void(QPainter &)> &paintContent);

// What the paper module does.
class PaperOutput
{
public:
    // Asks for a printer (the dialog also offers printing to a PDF file) and prints on it, a
    // QPrinter, unless the dialog is cancelled.
    virtual void printThroughDialog(QWidget *parent,
                                    const std::function<void(QPaintDevice &)> &print) = 0;
    // Writes to device an SVG picture of size, with title, that paint draws; false when it
    // could not be written.
    virtual bool writeSvg(QIODevice &device, const QSize &size, const QString &title,
                          const std::function<void(QPainter &)> &paint) = 0;

protected:
    ~PaperOutput() = default;
};

} // namespace quindle

#define QUINDLE_PAPER_OUTPUT_IID "io.github.quindle.PaperOutput/1"
Q_DECLARE_INTERFACE(quindle::PaperOutput, QUINDLE_PAPER_OUTPUT_IID)

namespace quindle {

// The paper module's, loaded on the first call; null, with why in error, when the module cannot
// be loaded.
[[nodiscard]] PaperOutput *paperOutput(QString *error = nullptr);

// The print dialog as PaperOutput shows it; without the module, a message over parent says why
// nothing can be printed.
void printThroughDialog(QWidget *parent, const std::function<void(QPaintDevice &)> &print);

} // namespace quindle
