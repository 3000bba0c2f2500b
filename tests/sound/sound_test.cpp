// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The device cues play on, run by CTest with a PulseAudio server on a null sink, where cues must
// really play (QUINDLE_EXPECT_AUDIO=1), and with none, where every cue must still return normally.

#include "experiment/cue.h"
#include "sound/cue_player.h"

#include <QDir>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quindle;

class SoundTest : public QObject
{
    Q_OBJECT

    const bool m_audio = qgetenv("QUINDLE_EXPECT_AUDIO") == "1";
    std::unique_ptr<QObject> m_window;
    CuePlayer *m_player = nullptr;
    QTemporaryDir m_workDir; // each test runs here, so only the built-in cues are found
    [[nodiscard]] QSoundEffect *sound() const
    {
        return qobject_cast<QSoundEffect *>(m_player->sound());
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QObject>();
        m_player = new CuePlayer(m_window.get());
        for (const QString &name : QDir(m_workDir.path()).entryList(QDir::Files))
            QFile::remove(m_workDir.filePath(name));
        QVERIFY(QDir::setCurrent(m_workDir.path()));
    }
    void cleanup()
    {
        // The sounds go with their audio streams as in the program's event loop, not at exit.
        m_window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void aCuePlaysAndTheNextReplacesIt()
    {
        if (!m_audio)
            QSKIP("needs the PulseAudio fixture");
        playCue(*m_player, kChimeCue);
        QPointer<QSoundEffect> first = sound();
        QCOMPARE(first->source(), QUrl(QStringLiteral("qrc:/sounds/pinpon.wav")));
        QVERIFY(QTest::qWaitFor([&] { return first && first->isPlaying(); }));
        playCue(*m_player, kExitCue);
        QVERIFY(sound() != first.data());
        QVERIFY(!first || !first->isPlaying()); // stopped and closed, not left running
        QCOMPARE(sound()->source(), QUrl(QStringLiteral("qrc:/sounds/endpinpon.wav")));
        QVERIFY(QTest::qWaitFor([&] { return sound()->isPlaying(); }));
    }

    void ownCuesReplaceBuiltInOnesAndMissingOnesReturnNormally()
    {
        // Loaded and ready to play; without any sound output Qt 6.8 gives up with an error.
        const auto loaded = [this] {
            const auto status = sound()->status();
            return status == QSoundEffect::Ready || (!m_audio && status == QSoundEffect::Error);
        };
        // A cue in the folder the program was started from takes the built-in one's place.
        const QString own = QDir::current().filePath(QStringLiteral("pinpon.wav"));
        QVERIFY(QFile::copy(QStringLiteral(":/sounds/endpinpon.wav"), own));
        playCue(*m_player, kChimeCue);
        QCOMPARE(sound()->source(), QUrl::fromLocalFile(own));
        QVERIFY(QTest::qWaitFor(loaded));
        playCue(*m_player, "nothing-here.wav"); // a missing cue returns normally
        QVERIFY(!sound());
        playCue(*m_player, kExitCue); // the device stays usable
        QVERIFY(QTest::qWaitFor(loaded));
    }
};

QTEST_MAIN(SoundTest)
#include "sound_test.moc"
