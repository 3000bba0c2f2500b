// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "app/module_preload.h"

#include "sound/sound_output.h"
#include "sound/sound_warnings.h"
#include "windows/paper/paper.h"

#include <QEvent>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace quindle {

namespace {

// Waits for the window's first paint, then loads the modules once the paint is done, one at a
// time, so that a click in between is not held up by both.
class FirstPaintWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                QString why;
                if (!soundOutput(&why))
                    reportSilentCues(why);
                QTimer::singleShot(0, this, [this] {
                    QString reason;
                    if (!paperOutput(&reason))
                        std::fprintf(stderr, "quindle: cannot print or write SVG files: %s\n",
                                     qPrintable(reason));
                    deleteLater();
                });
            });
        }
        return false;
    }
};

} // namespace

void loadModulesOnceShown(QWidget *window)
{
    window->installEventFilter(new FirstPaintWatcher(window));
}

} // namespace quindle
