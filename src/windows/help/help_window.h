#pragma once

// The help window: the problem statement and the operating instructions, printed afresh on
// its surface each time it becomes the program's active window. Its Close button asks for the
// experiment window back; closing it by its frame just closes it.

#include <QWidget>

namespace quindle {

class DrawingSurface;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    HelpWindow();

    [[nodiscard]] DrawingSurface *surface() const { return m_surface; }

signals:
    void closeClicked();

private:
    DrawingSurface *m_surface = nullptr;
};

} // namespace quindle
