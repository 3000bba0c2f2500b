// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The module quindle_paper_output: the print dialog and SVG pictures, on Qt Print Support and
// Qt SVG (paper.h).

#include "windows/paper/paper.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace quindle {

namespace {

class Paper final : public QObject, public PaperOutput
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUINDLE_PAPER_OUTPUT_IID)
    Q_INTERFACES(quindle::PaperOutput)

public:
    void printThroughDialog(QWidget *parent,
                            const std::function<void(QPaintDevice &)> &print) override
    {
        QPrinter printer;
        QPrintDialog dialog(&printer, parent);
        if (dialog.exec() == QDialog::Accepted)
            print(printer);
    }

    bool writeSvg(QIODevice &device, const QSize &size, const QString &title,
                  const std::function<void(QPainter &)> &paint) override
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&device);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QPainter painter(&svg);
        paint(painter);
        return painter.end();
    }
};

} // namespace

} // namespace quindle

#include "paper_output_module.moc"
