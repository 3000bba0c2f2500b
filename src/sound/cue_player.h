// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The experiment window's sound device, driven through a command and a file name as playCue
// drives it:
//
//   Stop   stops whatever is playing
//   Close  releases the loaded sound
//   Open   loads the file named by the file name (see locateCue for where)
//   Sound  starts playing what is open, and returns at once
//
// It never blocks and never fails: with no audio output, a file that is missing or not a wave
// file, or no sound output module, a command does nothing; the program says once that cues are
// silent. The sound output (sound_output.h) is loaded with the first cue opened.

#include "experiment/cue.h"

#include <QObject>
#include <QString>

namespace quindle {

class CueSound;

class CuePlayer : public QObject, public CueDevice
{
    Q_OBJECT
public:
    explicit CuePlayer(QObject *parent);
    ~CuePlayer() override;

    void setCommand(CueCommand command) override;
    void setFileName(std::string_view fileName) override;

    // The player of the sound opened by the last Open (a QSoundEffect), or null when closed.
    [[nodiscard]] QObject *sound() const;

private:
    void open();
    void close();

    QString m_fileName;
    CueSound *m_sound = nullptr;
};

} // namespace quindle
