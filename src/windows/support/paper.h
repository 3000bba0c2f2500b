#pragma once

// Printing and SVG files: Qt Print Support and Qt SVG, which the first window does not need.
// They live in a module of their own, quindle_paper (paper_module.cpp), loaded the first time
// the graph or the class pictures go on paper, or once the first window is on the screen.

#include <QString>

#include <functional>

class QIODevice;
class QPaintDevice;
class QPainter;
class QSize;
class QWidget;

namespace quindle {

class PaperOutput
{
public:
    // Shows the print dialog over window (it also offers printing to a PDF file); once the
    // teacher accepts it, print draws on the printer chosen.
    virtual void printThroughDialog(QWidget *window,
                                    const std::function<void(QPaintDevice &)> &print) = 0;
    // Writes to device an SVG picture of size, with title, that paint draws; false when it
    // could not be written.
    virtual bool writeSvg(QIODevice &device, const QSize &size, const QString &title,
                          const std::function<void(QPainter &)> &paint) = 0;

protected:
    ~PaperOutput() = default;
};

// The paper module's, loaded on the first call; null, with why in error, when the module cannot
// be loaded.
[[nodiscard]] PaperOutput *paperOutput(QString *error = nullptr);

// The print dialog as PaperOutput shows it; without the module, a message over window says why
// nothing can be printed.
void printThroughDialog(QWidget *window, const std::function<void(QPaintDevice &)> &print);

} // namespace quindle
