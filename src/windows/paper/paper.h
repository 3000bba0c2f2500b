#pragma once

// Drawings on paper: a page laid out as a caption line above a window's drawing, scaled to the
// page with its proportions kept, for a printer, a PDF page or an SVG picture alike; and the
// print dialog that leads to a printer.

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace quindle {

// The size of a page's drawing, in the content's pixels: the caption line above the content.
[[nodiscard]] QSizeF pageSize(QSizeF content);

// Paints caption in font, 14 pixels high, above content of the given size (its pixels at 100 %),
// the whole as large as fits page with its proportions kept. paintContent draws the content
// with the painter's origin at its top-left corner and one unit a pixel of it.
void paintPage(QPainter &painter, const QRectF &page, QSizeF content, QFont font,
               const QString &caption, const std::function<void(QPainter &)> &paintContent);

// Asks for a printer (the dialog also offers printing to a PDF file) and prints on it, unless
// the dialog is cancelled.
void printThroughDialog(QWidget *parent, const std::function<void(QPrinter &)> &print);

} // namespace quindle
