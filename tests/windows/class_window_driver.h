// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What the class window's tests share: pupils' runs saved as a pupil saves them, the class
// window opened on them and turned into a view by its shortcuts, its table's rows and its
// pictures' pixels.

#include "windows/window_driver.h"

#include "windows/classroom/class_window.h"
#include "windows/classroom/class_window_layout.h"

#include <QAction>

namespace quindle::testing {

// A pupil's run of so many trials with its own seed, saved into path as the pupil saves it: its
// trials, then each outcome's count.
using Saved = std::array<int, 1 + kOutcomes>;
inline Saved saveRun(const QString &path, std::uint64_t seed, int trials)
{
    Program run{seed, seed};
    ExperimentWindow *window = run.openNewExperimentWindow();
    for (int trial = 0; trial < trials; ++trial)
        findControl<QPushButton>(window, experimentWindowLayout(), experiment_roles::trialButton)
            ->click();
    Saved saved{run.record().trials()};
    for (int n = 1; n <= kOutcomes; ++n)
        saved[std::size_t(n)] = run.record().count(n);
    return window->saveResults(path).isEmpty() ? saved : Saved{};
}

// The class's row of the table, or a run's (line 1 the first), in the plain form files keep.
inline QStringList classRow(const ClassWindow &window, int line = -1)
{
    const QString table = window.tableText(QLatin1Char(','), ClassWindow::NumberForm::Plain);
    return table.trimmed().section(QLatin1Char('\n'), line, line).split(QLatin1Char(','));
}

// Shows window, active (shortcuts reach the active window only), once it has pooled so many.
inline bool opened(ClassWindow &window, std::size_t runs, std::size_t unpooled = 0)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window) && pooled(window.folder(), runs, unpooled, 5000);
}

// The y of each pixel of image's column x in colour.
inline QList<int> rowsIn(const QImage &image, int x, const QColor &colour)
{
    QList<int> found;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(x, y) == colour)
            found << y;
    return found;
}

enum class View { Shares, Gaps, Heads };

// The window's context menu entry with this shortcut, with Ctrl.
inline QAction *actionFor(const QWidget &window, Qt::Key key)
{
    for (QAction *action : window.actions())
        if (action->shortcut() == QKeySequence(Qt::CTRL | key))
            return action;
    return nullptr;
}

// Turns the window into the view asked for by its shortcuts: the gaps (Ctrl+D), the number of
// heads (Ctrl+H) or neither.
inline void showView(ClassWindow &window, View view)
{
    for (const auto &[key, on] :
         {std::pair{Qt::Key_D, view == View::Gaps}, std::pair{Qt::Key_H, view == View::Heads}})
        if (actionFor(window, key)->isChecked() != on)
            type(&window, key, Qt::ControlModifier);
}

inline DrawingSurface *classCurve(ClassWindow &window)
{
    return findControl<DrawingSurface>(&window, classWindowLayout(), class_roles::curve);
}
inline DrawingSurface *funnel(ClassWindow &window)
{
    return findControl<DrawingSurface>(&window, classWindowLayout(), class_roles::funnel);
}

} // namespace quindle::testing
