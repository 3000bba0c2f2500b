// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "sound/cue_player.h"

#include "modules/program_modules.h"
#include "sound/cue_files.h"
#include "sound/sound_output.h"
#include "sound/sound_warnings.h"

namespace quindle {

SoundOutput *soundOutput(QString *error)
{
    return loadModule<SoundOutput>("quindle_sound_output", error);
}

CuePlayer::CuePlayer(QObject *parent)
    : QObject(parent)
{}

CuePlayer::~CuePlayer()
{
    if (m_sound)
        std::exchange(m_sound, nullptr)->finishAndGo();
}

QObject *CuePlayer::sound() const
{
    return m_sound ? m_sound->player() : nullptr;
}

void CuePlayer::setFileName(std::string_view fileName)
{
    m_fileName = QString::fromUtf8(fileName);
}

void CuePlayer::setCommand(CueCommand command)
{
    switch (command) {
    case CueCommand::Stop:
        if (m_sound)
            m_sound->stop();
        break;
    case CueCommand::Close:
        close();
        break;
    case CueCommand::Open:
        open();
        break;
    case CueCommand::Sound:
        if (m_sound)
            m_sound->play(); // starts once loaded; never waits for the end
        break;
    }
}

void CuePlayer::close()
{
    delete std::exchange(m_sound, nullptr);
}

void CuePlayer::open()
{
    close();
    const QUrl url = locateCue(m_fileName);
    if (url.isEmpty()) {
        reportSilentCues();
        return;
    }
    QString why;
    SoundOutput *output = soundOutput(&why);
    if (!output) {
        reportSilentCues(why);
        return;
    }
    m_sound = output->open(url, this, [] { reportSilentCues(); });
}

} // namespace quindle
