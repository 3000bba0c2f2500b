// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The graph window: the plot on a drawing surface, a colour legend and a Close button. It
// draws the whole plot from the record each time it becomes the program's active window, over
// whatever the surface already shows. Closing it destroys it with its drawing.

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
    // Whether the surface shows the gap view (how far each count strays from a quarter of the
    // trials, plot.h) instead of the plot, and the legend tells each outcome's gap; redraws
    // when it changes.
    void setGapViewShown(bool shown);
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
    void gapViewToggled(bool shown);
    // The pupil asked for all windows at this zoom.
    void zoomChosen(int zoom);
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
    // The check marks that show the expected range and the gap view.
    void buildViewActions();
    // The entries that save the graph as a document or print it.
    [[nodiscard]] QList<QAction *> documentActions();
    // The entry that brings a screen reader to the results.
    [[nodiscard]] QAction *readResultsAction();
    void draw();
    // The plot or the gap view, as chosen, with the expected range if it is shown.
    void drawPicture(SurfaceOperations &surface) const;
    void chooseFileAndSaveGraph(bool doubleSize);
    // Each legend label's accessible name: its outcome's final ratio and count, or in the gap
    // view its final gap from a quarter.
    void describeResults();

    const ExperimentRecord &m_record;
    Preferences &m_preferences;
    DrawingSurface *m_surface = nullptr;
    QAction *m_expectedRange = nullptr;
    ZoomControl *m_zoom = nullptr;
    bool m_rangeDrawn = false;
    QAction *m_gapView = nullptr;
    bool m_gapDrawn = false;
    QString m_plotDescription; // the surface's accessible description while it shows the plot
    std::optional<std::uint64_t> m_seed;
};

} // namespace quindle
