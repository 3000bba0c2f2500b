#include "sound/cue_player.h"

#include "sound/cue_files.h"
#include "sound/sound_warnings.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>

namespace quindle {

namespace {
constexpr int kLongestCueMs = 30'000;
}

CuePlayer::CuePlayer(QObject *parent)
    : QObject(parent)
{}

CuePlayer::~CuePlayer()
{
    // A cue outlives the window that started it (Help closes the experiment window right
    // after its cue): hand a playing sound to the application until it ends. Without any
    // audio output a sound never ends (it reports playing for ever), so it goes with the
    // window; and none is kept longer than any cue could last.
    if (m_sound && m_sound->isPlaying() && QCoreApplication::instance() &&
        !QMediaDevices::audioOutputs().isEmpty()) {
        m_sound->setParent(QCoreApplication::instance());
        connect(m_sound, &QSoundEffect::playingChanged, m_sound, [sound = m_sound] {
            if (!sound->isPlaying())
                sound->deleteLater();
        });
        QTimer::singleShot(kLongestCueMs, m_sound, &QObject::deleteLater);
    }
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
        if (m_sound) {
            m_sound->stop();
            m_sound->deleteLater();
            m_sound = nullptr;
        }
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

void CuePlayer::open()
{
    if (m_sound)
        setCommand(CueCommand::Close);
    const QUrl url = locateCue(m_fileName);
    if (url.isEmpty()) {
        reportSilentCues();
        return;
    }
    m_sound = new QSoundEffect(this);
    connect(m_sound, &QSoundEffect::statusChanged, this, [sound = m_sound] {
        if (sound->status() == QSoundEffect::Error)
            reportSilentCues();
    });
    m_sound->setSource(url);
}

} // namespace quindle
