#include "mm_control.h"

#include "cue_files.h"
#include "sound_warnings.h"

#include <QCoreApplication>
#include <QSoundEffect>

namespace quindle {

MMControl::MMControl(QWidget *parent)
    : QWidget(parent)
{
    setVisible(false);
    setFocusPolicy(Qt::NoFocus);
}

MMControl::~MMControl()
{
    // A cue outlives the window that started it (Help closes the experiment window right
    // after its cue): hand a playing sound to the application until it ends.
    if (m_sound && m_sound->isPlaying() && QCoreApplication::instance()) {
        m_sound->setParent(QCoreApplication::instance());
        connect(m_sound, &QSoundEffect::playingChanged, m_sound, [sound = m_sound] {
            if (!sound->isPlaying())
                sound->deleteLater();
        });
    }
}

void MMControl::setFileName(std::string_view fileName)
{
    m_fileName = QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size()));
}

void MMControl::setCommand(std::string_view command)
{
    if (command == "Stop") {
        if (m_sound)
            m_sound->stop();
    } else if (command == "Close") {
        if (m_sound) {
            m_sound->stop();
            m_sound->deleteLater();
            m_sound = nullptr;
        }
    } else if (command == "Open") {
        open();
    } else if (command == "Sound") {
        if (m_sound)
            m_sound->play(); // starts once loaded; never waits for the end
    }
}

void MMControl::open()
{
    if (m_sound)
        setCommand("Close");
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
