// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// What a screen reader is told about the windows.
//
// A value cell reads as its name and its current value ("Head Tail frequency 812"): Qt 6.4 on
// Linux gives a label no text interface, so the value has to travel in the accessible name. A
// coin face reads as its coin and face ("Coin1: Head") and is invisible while the other face
// shows. During a run the cells and coins change about a thousand times a second; telling the
// accessibility layer each change would slow the run, so Announcer passes changes on at most
// a few times a second, and at once when the run stops.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QWidget;

namespace quindle {

// Makes Qt use this program's accessible interfaces for its cells and coin pictures. Call once
// after the application object exists.
void installAccessibility();

// What a sentence for the screen reader is: an outcome the pupil must hear, or progress that may
// be left unsaid where the platform cannot say it without taking the focus.
enum class Speech { Outcome, Progress };

class Announcer : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 250;

    explicit Announcer(QWidget *window);

    // A value or a visibility of widget changed. Nothing is kept while no screen reader
    // listens, unless tests asked to see the announcements anyway.
    void changed(QWidget *widget);
    static void announceWithoutScreenReader(bool on);
    // Whether a screen reader listens (or tests asked to see the announcements anyway).
    [[nodiscard]] static bool screenReaderListens();
    // Tells every pending change now.
    void flush();

    // Has a screen reader say sentence about the window this announcer belongs to, politely,
    // after what it is saying now. With Qt 6.8 and later that is an announcement. Qt 6.4 has
    // none, and Orca ignores the name and description changes of Qt's objects (their event
    // carries the object, not the text), but it reads the description of the widget the focus
    // comes to, and every keyboard Stop, run end and Init moves the focus: the sentence becomes
    // the description of the focused widget until the focus moves on. Progress is not said
    // there.
    void say(const QString &sentence, Speech kind);

signals:
    // A change of widget has just been passed on to the accessibility layer.
    void announced(QObject *widget);
    // A sentence has just been passed on.
    void said(const QString &sentence);

private:
    QList<QPointer<QWidget>> m_pending;
    QTimer m_timer;
};

} // namespace quindle
