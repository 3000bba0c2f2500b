// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// A class hands in its runs into a class folder set up in the system's settings, and saves them
// elsewhere when there is none or it cannot be written.

#include "app/settings.h"
#include "shared/permissions.h"
#include "windows/support/hand_in.h"
#include "windows/support/saving.h"
#include "windows/window_driver.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

namespace {

// The trials of the run in a results file, as the class window reads them; -1 for none.
int trialsIn(const QString &path)
{
    const QByteArray bytes = fileBytes(path);
    const ReadResult read =
        readResults(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return read.run() ? read.run()->trials : -1;
}

} // namespace

class HandInTest : public QObject, ProgramDriver
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<Settings> m_settings;

    QString home(const char *path) const { return m_home->filePath(QLatin1String(path)); }

    // A pupil's machine whose system's settings name classFolder (if any), started as main() does.
    void start(const QString &classFolder = {})
    {
        endProgram();
        QVERIFY(writeTextSafely(home("xdg/Quindle/Quindle.conf"),
                                QLatin1String("[class]\nfolder=") + classFolder + u'\n')
                    .isEmpty());
        m_settings = std::make_unique<Settings>();
        m_program = std::make_unique<Program>(7);
        useSettings(*m_program, *m_settings);
        m_program->openNewExperimentWindow();
        QVERIFY(waitShown(experiment()));
    }
    [[nodiscard]] QAction *action(const char *text) const
    {
        return menuEntry(experiment(), QString::fromUtf8(text));
    }
    // Ctrl+S; in the file dialog the pupil types path, if any, and presses Return. The folder and
    // name the dialog offered.
    QString saveWithCtrlS(const QString &path = {})
    {
        QString offered;
        whenDialogShows<QFileDialog>([&offered, path](QFileDialog *dialog) {
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            offered = QDir(dialog->directory()).filePath(name->text());
            if (!path.isEmpty())
                name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
        focus(experiment()); // back from a message box
        type(experiment(), Qt::Key_S, Qt::ControlModifier);
        return offered;
    }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        for (const char *folder : {"Documents", "class", "xdg/Quindle"})
            QVERIFY(QDir().mkpath(home(folder)));
        qputenv("HOME", QFile::encodeName(m_home->path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home(".config")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home("xdg")));
    }
    void cleanup()
    {
        qDeleteAll(s_waiting.children());
        endProgram();
    }

    void handInsGoToTheClassFolderUnderThePupilsNameNeverOverAnotherAndSaySo()
    {
        start(home("class"));
        Announcer::announceWithoutScreenReader(true);
        QSignalSpy spoken(experiment()->findChild<Announcer *>(), &Announcer::said);
        runTrials(3);
        // The school's class folder first: Ctrl+S, Return hand in under the pupil's name and time.
        const QDateTime before = QDateTime::currentDateTime();
        const QString offered = saveWithCtrlS();
        QVERIFY2(QStringList({resultsFileName(pupilName(), before),
                              resultsFileName(pupilName(), before.addSecs(1))})
                     .contains(QFileInfo(offered).fileName()),
                 qPrintable(offered));
        QCOMPARE(QFileInfo(offered).absolutePath(), home("class"));
        const QDateTime moment = QDateTime::currentDateTime();
        const QString first = experiment()->handIn(moment);
        const int firstTrials = trials();
        runTrials(3);
        action("Hand in")->trigger(); // with handIn(moment) below: the same second twice over
        const QString second = experiment()->handIn(moment);
        Announcer::announceWithoutScreenReader(false);
        QCOMPARE((QList<qsizetype>{QDir(home("class")).entryList(QDir::Files | QDir::Hidden).size(),
                                   trialsIn(offered), trialsIn(first), trialsIn(second)}),
                 (QList<qsizetype>{4, firstTrials, firstTrials, trials()}));
        const QString told = QStringLiteral("Handed in as %1.").arg(QFileInfo(second).fileName());
        QCOMPARE(spoken.last().value(0).toString(), told);
    }

    void aClassFolderThatCannotBeWrittenLosesNothing_data()
    {
        QTest::addColumn<int>("error");   // missing, read-only
        QTest::addColumn<bool>("handIn"); // or Save results…
        QTest::newRow("missing, handed in") << ENOENT << true;
        QTest::newRow("read-only, handed in") << EACCES << true;
        QTest::newRow("missing, saved") << ENOENT << false;
    }

    void aClassFolderThatCannotBeWrittenLosesNothing()
    {
        QFETCH(int, error);
        QFETCH(bool, handIn);
        const QString folder = error == EACCES ? home("class") : home("gone");
        if (error == EACCES)
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        start(folder);
        runTrials(5);
        const int done = trials();
        const PermissionsHold hold;
        QString said, again;
        if (handIn) {
            answerMessage(said);
            action("Hand in")->trigger();
        }
        // Save results… offers Documents (after a failed hand-in, without a second message).
        answerMessage(handIn ? again : said);
        const QString offered = saveWithCtrlS();
        QCOMPARE(again, QString());
        // The message names the folder and the system's reason; the run stayed in the window.
        QVERIFY2(said.contains(folder) && said.contains(qt_error_string(error)), qPrintable(said));
        QCOMPARE(QFileInfo(offered).absolutePath(), home("Documents"));
        QCOMPARE(trialsIn(offered), done);
        QVERIFY(!QFileInfo(folder).isDir() ||
                QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QUINDLE_WIDGET_TEST_MAIN(HandInTest)
#include "hand_in_test.moc"
