// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The graph on paper: printed, or saved as a PDF page or an SVG picture, in lines and text.

#include "experiment/experiment_record.h"
#include "windows/controls/drawing_surface.h"
#include "windows/controls/line.h"
#include "windows/graph/graph_window.h"
#include "windows/graph/graph_window_layout.h"
#include "windows/paper/paper.h"
#include "windows/support/outcome_names.h"
#include "windows/support/saving.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

namespace quindle {

namespace {

// On paper, the legend under the plot, in the plot's pixels: a row of the four outcomes, or a
// row for each number of heads.
constexpr double kLegendHeight = 34;
constexpr double kHeadsRow = 18;
constexpr double kHeadsLegendHeight = kHeadCounts * kHeadsRow + 8;

} // namespace

QString GraphWindow::caption() const
{
    //: The line above the printed graph: %1 the date, %n the number of trials.
    QString text = tr("Quindle, %1: %n trials", nullptr, m_record.recordedTrials())
                       .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    if (m_seed)
        //: Follows the printed graph's caption when the run followed a seed.
        text += tr(", seed %1").arg(*m_seed);
    return text;
}

QSizeF GraphWindow::pageContent() const
{
    // The plot, and the legend under it.
    const QSizeF plot = m_surface->designInnerSize();
    return {plot.width(), plot.height() + (m_view == GraphView::NumberOfHeads ? kHeadsLegendHeight
                                                                              : kLegendHeight)};
}

void GraphWindow::drawOnPage(QPainter &painter, const QRectF &page) const
{
    // Laid out in the plot's pixels at 100 %: the plot in a thin frame, the legend under it; all
    // of it lines and text.
    QFont font = m_surface->textFont();
    font.setStyleStrategy(QFont::PreferAntialias);
    paintPage(painter, page, pageContent(), font, caption(), [this](QPainter &p) {
        const QSizeF plot = m_surface->designInnerSize();
        p.setPen(QPen(Qt::gray, 0.5));
        p.drawRect(QRectF(QPointF(0, 0), plot));
        m_surface->renderVectors(p);
        drawLegendOnPage(p, plot);
    });
}

void GraphWindow::printGraph(QPaintDevice &printer)
{
    QPainter painter(&printer);
    drawOnPage(painter, painter.viewport());
}

QString GraphWindow::saveGraphAsPdf(const QString &path) const
{
    return writeFileSafely(path, [this](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(300);
        pdf.setTitle(caption());
        QPainter painter(&pdf);
        drawOnPage(painter, QRectF(0, 0, pdf.width(), pdf.height()));
        return painter.end();
    });
}

QString GraphWindow::saveGraphAsSvg(const QString &path) const
{
    QString why;
    PaperOutput *paper = paperOutput(&why);
    if (!paper)
        return why;
    return writeFileSafely(path, [this, paper](QIODevice &file) {
        const QSize size = pageSize(pageContent()).toSize();
        return paper->writeSvg(file, size, caption(), [this, size](QPainter &painter) {
            drawOnPage(painter, QRectF(QPointF(0, 0), size));
        });
    });
}

void GraphWindow::drawLegendOnPage(QPainter &p, const QSizeF &plot) const
{
    QFont font = m_surface->textFont();
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setPixelSize(12);
    p.setFont(font);
    const auto layout = graphWindowLayout();
    // A line in the colour of its curve, then its label's words.
    const auto entry = [&p, layout, this](QRectF place, Role label, Role line,
                                          const QString &text) {
        const double y = place.center().y(), x = place.left() + 8;
        p.setPen(QPen(findControl<Line>(this, layout, line)->color(), 2));
        p.drawLine(QPointF(x, y), QPointF(x + 30, y));
        const auto *shown = findControl<QLabel>(this, layout, label);
        p.setPen(shown->palette().color(shown->foregroundRole()));
        p.drawText(QRectF(x + 36, y - 10, place.width() - 44, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   text);
    };
    if (m_view == GraphView::NumberOfHeads) {
        for (const Heads heads : {Heads::Two, Heads::One, Heads::None}) {
            const QRectF row(0,
                             plot.height() + 4 + kHeadsRow * static_cast<double>(headsIndex(heads)),
                             plot.width(), kHeadsRow);
            entry(row, graph_roles::headsLabel(heads), graph_roles::headsLine(heads),
                  findControl<QLabel>(this, layout, graph_roles::headsLabel(heads))->text());
        }
        return;
    }
    const double column = plot.width() / kOutcomes;
    for (int n = 1; n <= kOutcomes; ++n) {
        const QRectF place(column * (n - 1), plot.height(), column, kLegendHeight);
        entry(place, graph_roles::legendLabel(n), graph_roles::legendLine(n),
              QStringLiteral("%1 (%2)").arg(
                  findControl<QLabel>(this, layout, graph_roles::legendLabel(n))->text(),
                  outcomeWords(n)));
    }
}

} // namespace quindle
