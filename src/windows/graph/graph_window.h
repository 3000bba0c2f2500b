#pragma once

// The graph window: the plot on a drawing surface, a colour legend and a Close button. It
// draws the whole plot from the record each time it becomes the program's active window, over
// whatever the surface already shows. Closing it destroys it with its drawing.

#include <QWidget>

namespace quindle {

class DrawingSurface;
class ExperimentRecord;

class GraphWindow : public QWidget
{
    Q_OBJECT
public:
    explicit GraphWindow(const ExperimentRecord &record);

    [[nodiscard]] DrawingSurface *surface() const { return m_surface; }

private:
    void activate();
    // Each legend label's accessible name: its outcome's final ratio and count.
    void describeResults();

    const ExperimentRecord &m_record;
    DrawingSurface *m_surface = nullptr;
};

} // namespace quindle
