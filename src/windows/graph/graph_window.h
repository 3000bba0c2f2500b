// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The graph window: the plot on a drawing surface, a colour legend and a Close button. It
// draws the whole plot from the record each time it becomes the program's active window, over
// whatever the surface already shows. Closing it destroys it with its drawing. Its context menu
// turns the plot into one of two other views of the same run (GraphView): each count's gap from
// a quarter of the trials, or the shares of two, one and no heads, with a legend of their own.

#include "windows/support/preferences.h"

#include <QWidget>

#include <cstdint>
#include <optional>

class QAction;
class QCloseEvent;
class QPaintDevice;
class QPainter;
class QRectF;
class QSizeF;

namespace quindle {

class DrawingSurface;
class SurfaceOperations;
class ZoomControl;
class ExperimentRecord;
class Preferences;

class GraphWindow : public QWidget
{
    Q_OBJECT
public:
    // The preferences give the folder a save dialog opens in, and note each save.
    GraphWindow(const ExperimentRecord &record, Preferences &preferences);

    [[nodiscard]] DrawingSurface *surface() const { return m_surface; }

    // Shows the window and its plot at zoom percent of their design size.
    void setZoom(int zoom);
    // Whether the plot shades the band chance keeps each ratio in; redraws when it changes.
    void setExpectedRangeShown(bool shown);
    // What the surface shows (plot.h): the plot, the gap view, whose legend tells each outcome's
    // gap, or the number of heads, whose legend is a row for each; redraws when it changes.
    void setView(GraphView view);
    [[nodiscard]] GraphView view() const { return m_view; }
    // The plot written to path as PNG at the screen's pixel ratio, or drawn afresh at twice the
    // resolution; an empty string, or why it could not be written.
    QString saveGraph(const QString &path, bool doubleSize = false);
    // The seed the run follows, for the printed caption; none: the clock.
    void setSeed(std::optional<std::uint64_t> seed) { m_seed = seed; }
    // Prints the graph as lines and text, as large as fits the page with its proportions kept:
    // a caption (date, trials, seed), the plot, and the legend with each outcome's colour.
    void printGraph(QPaintDevice &printer);
    // The same drawing as a PDF page or an SVG picture; an empty string, or why the file could
    // not be written.
    QString saveGraphAsPdf(const QString &path) const;
    QString saveGraphAsSvg(const QString &path) const;

signals:
    void expectedRangeToggled(bool shown);
    // The pupil chose a view (the plot when they turned the other view off).
    void viewChosen(quindle::GraphView view);
    // The pupil asked for all windows at this zoom.
    void zoomChosen(int zoom);
    // The pupil asked for the streaks window on the run.
    void streaksRequested();
    // The window has closed, by its Close button, Escape or its frame.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void activate();
    [[nodiscard]] QString caption() const;
    // What a page shows under its caption: the plot and the legend, in the plot's pixels.
    [[nodiscard]] QSizeF pageContent() const;
    void drawOnPage(QPainter &painter, const QRectF &page) const;
    void buildContextMenu();
    // The context menu's entries that copy the plot or save it as a picture.
    [[nodiscard]] QList<QAction *> pictureActions();
    // The check marks that show the expected range and the two other views.
    void buildViewActions();
    // Shows the legend of the view and lets Tab reach it.
    void showLegend();
    // The entries that save the graph as a document or print it.
    [[nodiscard]] QList<QAction *> documentActions();
    // The entry that brings a screen reader to the results.
    [[nodiscard]] QAction *readResultsAction();
    void draw();
    // The view chosen, with the expected range if it is shown.
    void drawPicture(SurfaceOperations &surface) const;
    void chooseFileAndSaveGraph(bool doubleSize);
    // Each legend label's accessible name: its outcome's final ratio and count, or in the gap
    // view its final gap from a quarter; in the number-of-heads view, each row's share, count
    // and what chance gives, shown and read.
    void describeResults();
    // The rows' words; for Read results, the first row tells a screen reader all three and what
    // the shares would be if the three were equally likely.
    void describeHeads();
    // The legend under a page's plot: each outcome's line and label, or each number of heads'.
    void drawLegendOnPage(QPainter &painter, const QSizeF &plot) const;

    const ExperimentRecord &m_record;
    Preferences &m_preferences;
    DrawingSurface *m_surface = nullptr;
    QAction *m_expectedRange = nullptr;
    ZoomControl *m_zoom = nullptr;
    bool m_rangeDrawn = false;
    QAction *m_gapView = nullptr;
    QAction *m_headsView = nullptr;
    GraphView m_view = GraphView::Ratios;
    QString m_plotDescription; // the surface's accessible description while it shows the plot
    std::optional<std::uint64_t> m_seed;
};

} // namespace quindle
