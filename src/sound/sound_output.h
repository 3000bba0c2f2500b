// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The sound output: wave files played through Qt Multimedia. It lives in a module of its own,
// quindle_sound_output (sound_output_module.cpp), loaded when the first cue is opened or once
// the first window is on the screen, so that the program starts without Qt Multimedia.

#include <QObject>

class QString;
class QUrl;

namespace quindle {

// One cue's wave file on the sound output. Deleting it stops it.
class CueSound
{
public:
    virtual ~CueSound() = default;
    // Starts playing once loaded; never waits for the end.
    virtual void play() = 0;
    virtual void stop() = 0;
    // For the owner's end: a cue that is playing is left to finish on its own (for no longer
    // than any cue lasts), where the program has a sound output; otherwise its player goes
    // with the owner. This object is gone after the call.
    virtual void finishAndGo() = 0;
    // The player underneath (a QSoundEffect), or null once handed on.
    [[nodiscard]] virtual QObject *player() const = 0;
};

class SoundOutput
{
public:
    // A sound for the wave file at url, its player a child of owner; failed is called (once or
    // more) when it turns out that it cannot be played.
    [[nodiscard]] virtual CueSound *open(const QUrl &url, QObject *owner, void (*failed)()) = 0;

protected:
    ~SoundOutput() = default;
};

} // namespace quindle

#define QUINDLE_SOUND_OUTPUT_IID "io.github.quindle.SoundOutput/1"
Q_DECLARE_INTERFACE(quindle::SoundOutput, QUINDLE_SOUND_OUTPUT_IID)

namespace quindle {

// The sound output module's, loaded on the first call; null, with why in error, when the
// module cannot be loaded.
[[nodiscard]] SoundOutput *soundOutput(QString *error = nullptr);

} // namespace quindle
