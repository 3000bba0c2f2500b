// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The module quindle_sound_output: the sound output on Qt Multimedia (sound_output.h).

#include "sound/sound_output.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>

#include <utility>

namespace quindle {

namespace {

constexpr int kLongestCueMs = 30'000;

class EffectCue final : public CueSound
{
public:
    EffectCue(const QUrl &url, QObject *owner, void (*failed)())
        : m_effect(new QSoundEffect(owner))
    {
        QObject::connect(m_effect, &QSoundEffect::statusChanged, m_effect,
                         [effect = m_effect, failed] {
                             if (effect->status() == QSoundEffect::Error)
                                 failed();
                         });
        m_effect->setSource(url);
    }
    ~EffectCue() override
    {
        if (m_effect) {
            m_effect->stop();
            m_effect->deleteLater();
        }
    }

    void play() override { m_effect->play(); }
    void stop() override { m_effect->stop(); }
    void finishAndGo() override
    {
        // A cue outlives the window that started it (Help closes the experiment window right
        // after its cue): the application keeps a playing sound until it ends. Without any
        // audio output a sound never ends (it reports playing for ever), so it goes at once;
        // and none is kept longer than any cue could last.
        QSoundEffect *effect = std::exchange(m_effect, nullptr);
        if (effect->isPlaying() && QCoreApplication::instance() &&
            !QMediaDevices::audioOutputs().isEmpty()) {
            effect->setParent(QCoreApplication::instance());
            QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect] {
                if (!effect->isPlaying())
                    effect->deleteLater();
            });
            QTimer::singleShot(kLongestCueMs, effect, &QObject::deleteLater);
        }
        delete this;
    }
    [[nodiscard]] QObject *player() const override { return m_effect; }

private:
    QSoundEffect *m_effect;
};

class EffectOutput final : public QObject, public SoundOutput
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QUINDLE_SOUND_OUTPUT_IID)
    Q_INTERFACES(quindle::SoundOutput)

public:
    CueSound *open(const QUrl &url, QObject *owner, void (*failed)()) override
    {
        return new EffectCue(url, owner, failed);
    }
};

} // namespace

} // namespace quindle

#include "sound_output_module.moc"
