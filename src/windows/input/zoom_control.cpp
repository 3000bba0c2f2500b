#include "windows/input/zoom_control.h"

#include "windows/controls/twips.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace quindle {

ZoomControl::ZoomControl(QWidget *window)
    : QObject(window)
    , m_menu(new QMenu(window))
{
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence::ZoomIn, 1},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1}, // plus without Shift on many keyboards
        {QKeySequence::ZoomOut, -1},
        {QKeySequence(Qt::CTRL | Qt::Key_0), 0}};
    for (const auto &[key, direction] : keys) {
        auto *shortcut = new QShortcut(key, window);
        connect(shortcut, &QShortcut::activated, this, [this, d = direction] { step(d); });
    }
    //: Zooms all windows one step larger.
    m_menu->addAction(tr("Larger\tCtrl++"), this, [this] { step(1); });
    //: Zooms all windows one step smaller.
    m_menu->addAction(tr("Smaller\tCtrl+-"), this, [this] { step(-1); });
    m_menu->addSeparator();
    auto *steps = new QActionGroup(m_menu);
    for (int zoom : kZoomSteps) {
        //: A zoom step in the context menu: %1 is the percentage.
        QAction *choice = m_menu->addAction(tr("%1%").arg(zoom));
        choice->setCheckable(true);
        choice->setData(zoom);
        steps->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, zoom] { emit zoomChosen(zoom); });
    }
    show(100);
}

QAction *ZoomControl::menuAction() const
{
    return m_menu->menuAction();
}

void ZoomControl::show(int zoom)
{
    m_zoom = zoom;
    //: The context menu's zoom entry, with the zoom in force: %1 is the percentage.
    m_menu->setTitle(tr("Zoom (%1%)").arg(zoom));
    for (QAction *action : m_menu->actions())
        action->setChecked(action->data().toInt() == zoom && zoom > 0);
}

void ZoomControl::step(int direction)
{
    const auto *first = std::begin(kZoomSteps), *last = std::end(kZoomSteps);
    const auto *at = std::find(first, last, m_zoom);
    if (direction == 0 || at == last)
        emit zoomChosen(100);
    else if (direction > 0 && at + 1 != last)
        emit zoomChosen(*(at + 1));
    else if (direction < 0 && at != first)
        emit zoomChosen(*(at - 1));
}

} // namespace quindle
