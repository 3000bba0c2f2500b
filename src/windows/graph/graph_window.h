#pragma once

// The graph window: the plot on a drawing surface, a colour legend and a Close button. It
// draws the whole plot from the record each time it becomes the program's active window, over
// whatever the surface already shows. Closing it destroys it with its drawing.

#include <QWidget>

class QAction;
class QCloseEvent;
class QPrinter;

namespace quindle {

class DrawingSurface;
class ExperimentRecord;

class GraphWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GraphWindow(const ExperimentRecord &record);

    [[nodiscard]] DrawingSurface *surface() const { return m_surface; }

    // Whether the plot shades the band chance keeps each ratio in; redraws when it changes.
    void setExpectedRangeShown(bool shown);
    // The plot written to path as PNG at the screen's pixel ratio, or drawn afresh at twice the
    // resolution; an empty string, or why it could not be written.
    QString saveGraph(const QString &path, bool doubleSize = false);
    // Prints the plot as large as fits the page, keeping its proportions.
    void printGraph(QPrinter &printer);

signals:
    void expectedRangeToggled(bool shown);
    // The window has closed, by its Close button, Escape or its frame.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void activate();
    void buildContextMenu();
    void draw();
    void chooseFileAndSaveGraph(bool doubleSize);
    void choosePrinterAndPrint();
    // Each legend label's accessible name: its outcome's final ratio and count.
    void describeResults();

    const ExperimentRecord &m_record;
    DrawingSurface *m_surface = nullptr;
    QAction *m_expectedRange = nullptr;
    bool m_rangeDrawn = false;
};

} // namespace quindle
