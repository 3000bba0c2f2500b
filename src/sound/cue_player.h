#pragma once

// The experiment window's sound device, driven through a command and a file name as playCue
// drives it:
//
//   Stop   stops whatever is playing
//   Close  releases the loaded sound
//   Open   loads the file named by the file name (see locateCue for where)
//   Sound  starts playing what is open, and returns at once
//
// It never blocks and never fails: with no audio output, or a file that is missing or not a
// wave file, a command does nothing; the program says once that cues are silent.

#include "experiment/cue.h"

#include <QObject>
#include <QString>

class QSoundEffect;

namespace quindle {

class CuePlayer : public QObject, public CueDevice
{
    Q_OBJECT
public:
    explicit CuePlayer(QObject *parent);
    ~CuePlayer() override;

    void setCommand(CueCommand command) override;
    void setFileName(std::string_view fileName) override;

    // The sound opened by the last Open, or null when closed.
    [[nodiscard]] QSoundEffect *sound() const { return m_sound; }

private:
    void open();

    QString m_fileName;
    QSoundEffect *m_sound = nullptr;
};

} // namespace quindle
