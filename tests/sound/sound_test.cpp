// The device cues play on. Run twice by CTest: once with a PulseAudio server on a null sink
// (QUINDLE_EXPECT_AUDIO=1), where cues must really reach the playing state, and once with no
// server at all, where every cue must still return normally.

#include "experiment/cue.h"
#include "sound/cue_files.h"
#include "sound/cue_player.h"
#include "sound/sound_warnings.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quindle;

class SoundTest : public QObject
{
    Q_OBJECT

    const bool m_audio = qgetenv("QUINDLE_EXPECT_AUDIO") == "1";
    std::unique_ptr<QWidget> m_window;
    CuePlayer *m_player = nullptr;
    QString m_savedDir;
    std::unique_ptr<QTemporaryDir> m_workDir;

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_player = new CuePlayer(m_window.get());
        // Each test runs from an empty folder, so only the built-in cues are found.
        m_savedDir = QDir::currentPath();
        m_workDir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(m_workDir->path()));
    }
    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(m_savedDir);
        m_workDir.reset();
    }

    void cuesAreLookedUpInTheWorkingDirThenTheProgramsThenBuiltIn()
    {
        QTemporaryDir first, second;
        const QStringList dirs{first.path(), second.path()};
        const QString name = QStringLiteral("pinpon.wav");
        QCOMPARE(locateCue(name, dirs), QUrl(QStringLiteral("qrc:/sounds/pinpon.wav")));
        write(second.filePath(name), "RIFF");
        QCOMPARE(locateCue(name, dirs), QUrl::fromLocalFile(second.filePath(name)));
        write(first.filePath(name), "RIFF");
        QCOMPARE(locateCue(name, dirs), QUrl::fromLocalFile(first.filePath(name)));
        QCOMPARE(locateCue(QStringLiteral("unknown.wav"), dirs), QUrl());
        QCOMPARE(cueSearchDirectories().first(), QDir::currentPath());

        // A teacher's own cue in the working folder replaces the built-in one.
        QFile::copy(QStringLiteral(":/sounds/endpinpon.wav"), QDir::current().filePath(name));
        playCue(*m_player, kChimeCue);
        QCOMPARE(m_player->sound()->source(), QUrl::fromLocalFile(QDir::current().filePath(name)));
    }

    void aCuePlaysAndTheNextReplacesIt()
    {
        if (!m_audio)
            QSKIP("needs the PulseAudio fixture");
        QVERIFY2(!QMediaDevices::audioOutputs().isEmpty(), "no audio output: is the server up?");
        playCue(*m_player, kChimeCue);
        QPointer<QSoundEffect> first = m_player->sound();
        QVERIFY(first);
        QCOMPARE(first->source(), QUrl(QStringLiteral("qrc:/sounds/pinpon.wav")));
        QTRY_VERIFY(first && first->isPlaying());
        playCue(*m_player, kExitCue);
        QSoundEffect *second = m_player->sound();
        QVERIFY(second && second != first.data());
        QVERIFY(!first || !first->isPlaying()); // stopped and closed, not left running
        QCOMPARE(second->source(), QUrl(QStringLiteral("qrc:/sounds/endpinpon.wav")));
        QTRY_VERIFY(second->isPlaying());
    }

    void missingOrCorruptFilesAndNoServerReturnNormally()
    {
        playCue(*m_player, "nothing-here.wav");
        QVERIFY(!m_player->sound());
        // A name of its own: Qt keeps decoded sounds by address for a while.
        write(QDir::current().filePath(QStringLiteral("broken.wav")),
              QByteArray("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24));
        playCue(*m_player, "broken.wav");
        QTest::qWait(200);
        QVERIFY(m_player->sound()->status() != QSoundEffect::Ready);
        for (int i = 0; i < 3; ++i) // the device stays usable
            playCue(*m_player, i % 2 ? kChimeCue : kExitCue);
        QTRY_COMPARE(m_player->sound()->status(), QSoundEffect::Ready);
        QVERIFY(
            isSoundOutputMessage(QStringLiteral("PulseAudioService: pa_context_connect() failed")));
        QVERIFY(!isSoundOutputMessage(QStringLiteral("This plugin does not support raise()")));
    }

    void aCueOutlivesTheWindowThatStartedItOnlyWhereItCanEnd()
    {
        playCue(*m_player, kChimeCue);
        QPointer<QSoundEffect> sound = m_player->sound();
        QTRY_VERIFY(sound && sound->status() == QSoundEffect::Ready);
        // Without any output a sound reports playing for ever: it goes with the window then.
        const bool handedOn = sound->isPlaying() && !QMediaDevices::audioOutputs().isEmpty();
        QCOMPARE(handedOn, m_audio);
        m_window.reset();
        QCOMPARE(!sound.isNull(), handedOn);
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "sound_test.moc"
