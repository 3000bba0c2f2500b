// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The device cues play on, run by CTest with a PulseAudio server on a null sink, where cues must
// really play (QUINDLE_EXPECT_AUDIO=1), and with none, where every cue must still return normally.

#include "experiment/cue.h"
#include "sound/cue_player.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <memory>

#include <unistd.h>

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
        // A missing cue returns normally, and the user is told, once, that cues are silent.
        QTemporaryFile said;
        QVERIFY(said.open());
        const int standardError = ::dup(STDERR_FILENO);
        ::dup2(said.handle(), STDERR_FILENO);
        playCue(*m_player, "nothing-here.wav");
        playCue(*m_player, "nothing-here.wav");
        ::dup2(standardError, STDERR_FILENO);
        ::close(standardError);
        QVERIFY(!sound() && said.seek(0));
        QCOMPARE(said.readAll(), QByteArray("quindle: sound cues are silent: no sound output, or a "
                                            "cue file that cannot be played\n"));

        // Loaded and ready to play; without any sound output Qt 6.8 gives up with an error.
        const auto loaded = [this] {
            const auto status = sound()->status();
            return status == QSoundEffect::Ready || (!m_audio && status == QSoundEffect::Error);
        };
        // A cue beside the program gives way to one in the folder the program was started from.
        const QString own = QDir::current().filePath(QStringLiteral("pinpon.wav"));
        const QString besideProgram =
            QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pinpon.wav"));
        QVERIFY(QFile::copy(QStringLiteral(":/sounds/endpinpon.wav"), besideProgram));
        playCue(*m_player, kChimeCue);
        QCOMPARE(sound()->source(), QUrl::fromLocalFile(besideProgram));
        QVERIFY(QFile::copy(QStringLiteral(":/sounds/endpinpon.wav"), own));
        playCue(*m_player, kChimeCue);
        QCOMPARE(sound()->source(), QUrl::fromLocalFile(own));
        QVERIFY(QTest::qWaitFor(loaded));
        playCue(*m_player, "nothing-here.wav");
        QVERIFY(!sound());
        playCue(*m_player, kExitCue); // the device stays usable
        QVERIFY(QTest::qWaitFor(loaded));
    }
};

namespace {

// The test puts a cue beside its own program file; so that none is left for later runs to find,
// it runs as a copy of itself in a temporary folder that goes, however the copy ends.
int runAsTemporaryCopy(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    const QString original = QCoreApplication::applicationFilePath();
    const QTemporaryDir folder;
    const QString copy = folder.filePath(QFileInfo(original).fileName());
    if (!folder.isValid() || !QFile::copy(original, copy)) {
        qCritical("sound_test: cannot copy %s into a temporary folder", qPrintable(original));
        return 1;
    }
    QProcess test;
    test.setProcessChannelMode(QProcess::ForwardedChannels);
    qputenv("QUINDLE_SOUND_TEST_COPY", "1");
    qputenv("TMPDIR", QFile::encodeName(folder.path())); // its own temporary folders too
    test.start(copy, QCoreApplication::arguments().mid(1));
    if (!test.waitForFinished(300'000) || test.exitStatus() == QProcess::CrashExit) {
        qCritical("sound_test: %s did not finish normally: %s", qPrintable(copy),
                  qPrintable(test.errorString()));
        return 1; // one still running is killed, and waited for, as test goes
    }
    return test.exitCode();
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QUINDLE_SOUND_TEST_COPY"))
        return runAsTemporaryCopy(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "sound_test.moc"
