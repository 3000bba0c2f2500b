// The sound device behind PlayCue. Run twice by CTest: once with a PulseAudio server on a null
// sink (QUINDLE_EXPECT_AUDIO=1), where cues must really reach the playing state, and once with
// no server at all, where every cue must still return normally.

#include "sound/cue_files.h"
#include "sound/mm_control.h"
#include "sound/play_cue.h"
#include "sound/sound_warnings.h"

#include <QApplication>
#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quindle;

namespace {

bool expectAudio()
{
    return qgetenv("QUINDLE_EXPECT_AUDIO") == "1";
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class SoundTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> m_window;
    MMControl *m_device = nullptr;
    QString m_savedDir;
    QTemporaryDir m_workDir;

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_device = new MMControl(m_window.get());
        // Run each test from an empty folder, so only the built-in cues are found.
        m_savedDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_workDir.path()));
    }

    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(m_savedDir);
        for (const QString &name : QDir(m_workDir.path()).entryList(QDir::Files))
            QFile::remove(QDir(m_workDir.path()).filePath(name));
    }

    void lookupPrefersWorkingDirThenProgramDirThenBuiltIn()
    {
        QTemporaryDir first, second;
        const QStringList dirs{first.path(), second.path()};
        const QString name = QStringLiteral("pinpon.wav");
        QCOMPARE(locateCue(name, dirs), QUrl(QStringLiteral("qrc:/sounds/pinpon.wav")));
        writeFile(second.filePath(name), "RIFF");
        QCOMPARE(locateCue(name, dirs), QUrl::fromLocalFile(second.filePath(name)));
        writeFile(first.filePath(name), "RIFF");
        QCOMPARE(locateCue(name, dirs), QUrl::fromLocalFile(first.filePath(name)));
        QCOMPARE(locateCue(QStringLiteral("unknown.wav"), dirs), QUrl());
        QCOMPARE(locateCue(QString(), dirs), QUrl());

        QCOMPARE(cueSearchDirectories(),
                 QStringList({QDir::currentPath(), QCoreApplication::applicationDirPath()}));
    }

    void builtInCuesAreShortSixteenBitPcm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("pinpon") << QStringLiteral("pinpon.wav");
        QTest::newRow("endpinpon") << QStringLiteral("endpinpon.wav");
    }

    void builtInCuesAreShortSixteenBitPcm()
    {
        QFETCH(QString, name);
        QFile file(QStringLiteral(":/sounds/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QCOMPARE(data.mid(0, 4), QByteArray("RIFF"));
        QCOMPARE(data.mid(8, 8), QByteArray("WAVEfmt "));
        auto le = [&data](int at, int bytes) {
            quint32 v = 0;
            for (int i = bytes - 1; i >= 0; --i)
                v = (v << 8) | static_cast<quint8>(data[at + i]);
            return v;
        };
        QCOMPARE(le(20, 2), 1U);  // PCM
        QCOMPARE(le(34, 2), 16U); // bits per sample
        const double seconds = static_cast<double>(le(40, 4)) / le(28, 4);
        QVERIFY2(seconds > 0.2 && seconds < 1.0, qPrintable(QString::number(seconds)));
    }

    void cueReachesThePlayingState()
    {
        if (!expectAudio())
            QSKIP("needs the PulseAudio fixture");
        QVERIFY2(!QMediaDevices::audioOutputs().isEmpty(), "no audio output: is the server up?");
        PlayCue(*m_device, kPinponCue);
        QSoundEffect *sound = m_device->sound();
        QVERIFY(sound);
        QCOMPARE(sound->source(), QUrl(QStringLiteral("qrc:/sounds/pinpon.wav")));
        QTRY_COMPARE(sound->status(), QSoundEffect::Ready);
        QTRY_VERIFY(sound->isPlaying());
    }

    void secondCueReplacesTheFirst()
    {
        if (!expectAudio())
            QSKIP("needs the PulseAudio fixture");
        PlayCue(*m_device, kPinponCue);
        QPointer<QSoundEffect> first = m_device->sound();
        QTRY_VERIFY(first && first->isPlaying());
        PlayCue(*m_device, kEndPinponCue);
        QSoundEffect *second = m_device->sound();
        QVERIFY(second && second != first.data());
        QVERIFY(!first || !first->isPlaying()); // stopped and closed, not left running
        QCOMPARE(second->source(), QUrl(QStringLiteral("qrc:/sounds/endpinpon.wav")));
        QTRY_VERIFY(second->isPlaying());
    }

    void teachersOwnCueIsPlayed()
    {
        QFile::copy(QStringLiteral(":/sounds/endpinpon.wav"),
                    QDir::current().filePath(QStringLiteral("pinpon.wav")));
        PlayCue(*m_device, kPinponCue);
        QVERIFY(m_device->sound());
        QCOMPARE(m_device->sound()->source(),
                 QUrl::fromLocalFile(QDir::current().filePath(QStringLiteral("pinpon.wav"))));
        if (expectAudio())
            QTRY_VERIFY(m_device->sound()->isPlaying());
    }

    void missingOrCorruptFilesReturnNormally()
    {
        PlayCue(*m_device, "nothing-here.wav");
        QVERIFY(!m_device->sound());
        // A name of its own: Qt keeps decoded sounds by address for a while.
        writeFile(QDir::current().filePath(QStringLiteral("broken.wav")),
                  QByteArray("RIFF\x10\0\0\0WAVEjunkjunkjunk", 24));
        PlayCue(*m_device, "broken.wav");
        QVERIFY(m_device->sound());
        QTest::qWait(200);
        QVERIFY(m_device->sound()->status() != QSoundEffect::Ready); // never loads
        // The device stays usable: the next cue is opened as usual.
        PlayCue(*m_device, kEndPinponCue);
        QVERIFY(m_device->sound());
        QTRY_COMPARE(m_device->sound()->status(), QSoundEffect::Ready);
    }

    void withoutAnyServerPlayCueStillReturns()
    {
        if (expectAudio())
            QSKIP("runs without an audio server");
        for (int i = 0; i < 3; ++i)
            PlayCue(*m_device, i % 2 ? kPinponCue : kEndPinponCue);
        QVERIFY(m_device->sound());
        QTest::qWait(100); // whatever the backend reports later must not bring the test down
    }

    void multimediaNoiseIsRecognisedAndNothingElse()
    {
        // The lines Qt Multimedia 6.4 prints without a server, without a device, and for a
        // wave file it cannot decode; the program turns them into one line of its own.
        QVERIFY(
            isSoundOutputMessage(QStringLiteral("PulseAudioService: pa_context_connect() failed")));
        QVERIFY(isSoundOutputMessage(QStringLiteral("No audio device detected")));
        QVERIFY(isSoundOutputMessage(
            QStringLiteral("QSoundEffect(qaudio): Error decoding source file:///x/pinpon.wav")));
        QVERIFY(!isSoundOutputMessage(QStringLiteral("This plugin does not support raise()")));
        QVERIFY(!isSoundOutputMessage(QString()));
    }

    void aCueOutlivesTheWindowThatStartedIt()
    {
        PlayCue(*m_device, kPinponCue);
        QPointer<QSoundEffect> sound = m_device->sound();
        QTRY_VERIFY(sound && sound->status() == QSoundEffect::Ready);
        // Without any output a sound reports playing for ever: it goes with the window then.
        const bool handedOn = sound->isPlaying() && !QMediaDevices::audioOutputs().isEmpty();
        QCOMPARE(handedOn, expectAudio());
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
