#pragma once

// What a screen reader is told about the windows.
//
// A value cell reads as its name and its current value ("Head/Tail frequency 812"): Qt 6.4 on
// Linux gives a label no text interface, so the value has to travel in the accessible name. A
// coin face reads as its coin and face ("Coin1: Head") and is invisible while the other face
// shows. During a run the cells and coins change about a thousand times a second; telling the
// accessibility layer each change would slow the run, so Announcer passes changes on at most
// a few times a second, and at once when the run stops.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace quindle {

// Makes Qt use this program's accessible interfaces for its cells and coin pictures. Call once
// after the application object exists.
void installAccessibility();

class Announcer : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 250;

    explicit Announcer(QObject *parent);

    // A value or a visibility of widget changed. Nothing is kept while no screen reader
    // listens, unless tests asked to see the announcements anyway.
    void changed(QWidget *widget);
    static void announceWithoutScreenReader(bool on);
    // Tells every pending change now.
    void flush();

signals:
    // A change of widget has just been passed on to the accessibility layer.
    void announced(QObject *widget);

private:
    QList<QPointer<QWidget>> m_pending;
    QTimer m_timer;
};

} // namespace quindle
