// A class hands in its runs: with a class folder set up in the system's settings, Ctrl+S and
// Return or the context menu's Hand in put each run there under the pupil's name, never over
// another; a class folder that is missing or read-only costs nothing; Class results… opens the
// class folder; the zoom and the folder saved into last are remembered for the next start.

#include "app/settings.h"
#include "shared/permissions.h"
#include "windows/support/hand_in.h"
#include "windows/support/saving.h"
#include "windows/window_driver.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

namespace {

// The answers waiting for their dialogs; cleanup() drops those of a test that failed first.
QObject s_waiting;

// Runs answer on the next modal dialog of its kind once it is up, inside the dialog's loop.
template<class Dialog> void whenDialogShows(const std::function<void(Dialog *)> &answer)
{
    auto *poll = new QTimer(&s_waiting);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(20);
}

// The folder and name a file dialog offered; the pupil types path, if any, and presses Return.
void answerFileDialog(QString &offered, const QString &path = {})
{
    whenDialogShows<QFileDialog>([&offered, path](QFileDialog *dialog) {
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        offered = QDir(dialog->directory()).filePath(name->text());
        if (!path.isEmpty())
            name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    });
}
void answerMessage(QString &text)
{
    whenDialogShows<QMessageBox>([&text](QMessageBox *box) {
        text = box->text();
        box->accept();
    });
}

// The trials of the run in a results file, as the class window reads them; -1 for none.
int trialsIn(const QString &path)
{
    const QByteArray bytes = fileBytes(path);
    const ReadResult read =
        readResults(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return read.run() ? read.run()->trials : -1;
}

// Every file in folder, hidden ones too.
QStringList files(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

class HandInTest : public QObject, ProgramDriver
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<Settings> m_settings;

    [[nodiscard]] QString home(const char *path) const
    {
        return m_home->filePath(QLatin1String(path));
    }

    // A pupil's machine, its system's settings naming classFolder (if any), started as main()
    // starts the program.
    void start(const QString &classFolder = {})
    {
        endProgram();
        QFile system(home("xdg/Quindle/Quindle.conf"));
        QVERIFY(QDir().mkpath(home("xdg/Quindle")) && system.open(QIODevice::WriteOnly));
        system.write("[class]\nfolder=" + QFile::encodeName(classFolder) + '\n');
        system.close();
        m_settings = std::make_unique<Settings>();
        m_program = std::make_unique<Program>(7);
        useSettings(*m_program, *m_settings);
        m_program->openNewExperimentWindow();
        QVERIFY(waitShown(experiment()));
    }
    [[nodiscard]] QAction *action(const char *text) const
    {
        for (QAction *entry : experiment()->actions())
            if (entry->text() == QString::fromUtf8(text))
                return entry;
        return nullptr;
    }
    void saveWithCtrlS()
    {
        focus(experiment()); // back from a message box
        type(experiment(), Qt::Key_S, Qt::ControlModifier);
    }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(home("Documents")) && QDir().mkpath(home("class")));
        qputenv("HOME", QFile::encodeName(m_home->path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home(".config")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home("xdg")));
    }
    void cleanup()
    {
        qDeleteAll(s_waiting.children());
        endProgram();
        SaveFolders::instance().setClassFolder({});
        SaveFolders::instance().setLastFolder({});
    }

    void handInsInTheSameSecondGiveTwoFilesAndSaySo()
    {
        start(home("class"));
        Announcer::announceWithoutScreenReader(true);
        QString spoken;
        connect(experiment()->findChild<Announcer *>(), &Announcer::said, this,
                [&spoken](const QString &sentence) { spoken = sentence; });
        runTrials(3);
        const QDateTime moment = QDateTime::currentDateTime();
        const QString first = experiment()->handIn(moment);
        const int firstTrials = trials();
        runTrials(3);
        action("Hand in")->trigger(); // with handIn(moment) below: the same second twice over
        const QString second = experiment()->handIn(moment);
        Announcer::announceWithoutScreenReader(false);
        QCOMPARE(files(home("class")).size(), 3);
        QCOMPARE(trialsIn(first), firstTrials);
        QCOMPARE(trialsIn(second), trials());
        const QString told = QStringLiteral("Handed in as %1.").arg(QFileInfo(second).fileName());
        QCOMPARE(spoken, told);
        // On screen for a moment, beside the buttons, covering none of them; a click takes it.
        QLabel *shown = nullptr;
        for (QLabel *label : experiment()->findChildren<QLabel *>())
            shown = label->isVisible() && label->text() == told ? label : shown;
        QVERIFY(shown && experiment()->rect().contains(shown->geometry()));
        for (Button which : kButtons)
            QVERIFY(!shown->geometry().intersects(button(which)->geometry()));
        QTest::mouseClick(shown, Qt::LeftButton);
        QVERIFY(!shown->isVisible());
    }

    void aClassFolderThatCannotBeWrittenLosesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("handIn"); // or Save results…
        QTest::newRow("missing, handed in") << QStringLiteral("missing") << ENOENT << true;
        QTest::newRow("read-only, handed in") << QStringLiteral("read-only") << EACCES << true;
        QTest::newRow("a file in its place, handed in")
            << QStringLiteral("file") << ENOTDIR << true;
        QTest::newRow("missing, saved") << QStringLiteral("missing") << ENOENT << false;
    }

    void aClassFolderThatCannotBeWrittenLosesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(int, error);
        QFETCH(bool, handIn);
        const QString folder = kind == QLatin1String("read-only") ? home("class") : home("gone");
        if (kind == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (kind == QLatin1String("file"))
            QVERIFY(writeTextSafely(folder, QStringLiteral("not a folder")).isEmpty());
        start(folder);
        runTrials(5);
        const int done = trials();
        const QString counts = cell(CellKind::Count, 1)->text() + cell(CellKind::Count, 4)->text();
        const PermissionsHold hold;

        QString said, again, offered;
        if (handIn) {
            answerMessage(said);
            action("Hand in")->trigger();
        }
        // Save results… offers the Documents folder (after a failed hand-in, without a second
        // message).
        answerMessage(handIn ? again : said);
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(again, QString());
        // The message names the folder and the system's reason; the run stays in the window.
        QVERIFY2(said.contains(folder) && said.contains(qt_error_string(error)), qPrintable(said));
        QCOMPARE(trials(), done);
        QCOMPARE(cell(CellKind::Count, 1)->text() + cell(CellKind::Count, 4)->text(), counts);
        QCOMPARE(QFileInfo(offered).absolutePath(), home("Documents"));
        QCOMPARE(trialsIn(offered), done);
        QVERIFY(!QFileInfo(folder).isDir() || files(folder).isEmpty());
    }

    void classResultsOpensTheClassFolderOrAsks()
    {
        start(home("class"));
        QVERIFY(action("Hand in")->isEnabled());
        QSignalSpy asked(experiment(), &ExperimentWindow::classResultsRequested);
        QStringList dialogs; // where each folder dialog started
        const auto answer = [&dialogs, this] {
            whenDialogShows<QFileDialog>([&dialogs, this](QFileDialog *dialog) {
                dialogs << dialog->directory().absolutePath();
                dialog->setDirectory(home("class"));
                QMetaObject::invokeMethod(dialog, "accept");
            });
        };
        answer();
        action("Class results…")->trigger(); // the class folder, at once
        QCOMPARE(dialogs, QStringList());
        qDeleteAll(s_waiting.children());

        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0][0].toString(), home("class"));

        start(); // no class folder: the dialog, in the last folder chosen
        QVERIFY(!action("Hand in")->isEnabled());
        QSignalSpy chosen(experiment(), &ExperimentWindow::classResultsRequested);
        for (int time = 0; time < 2; ++time) {
            answer();
            action("Class results…")->trigger();
        }
        QCOMPARE(dialogs, QStringList({home("Documents"), home("class")}));
        QCOMPARE(chosen.size(), 2);
    }

    void ctrlSThenReturnSavesWhereTheSchoolAndThePupilLeftIt()
    {
        start(); // Documents, the first time; the zoom and the folder saved into are remembered
        type(experiment(), Qt::Key_Plus, Qt::ControlModifier);
        QString offered;
        answerFileDialog(offered, home("Results/mine.csv"));
        QVERIFY(QDir().mkpath(home("Results")));
        saveWithCtrlS();
        QCOMPARE(QFileInfo(offered).absolutePath(), home("Documents"));
        QCOMPARE(files(home("Results")), QStringList(QStringLiteral("mine.csv")));
        start();
        QCOMPARE(experiment()->width(), 434 * 125 / 100);
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(QFileInfo(offered).absolutePath(), home("Results"));

        // A class folder set up by the school comes first: Ctrl+S and Return hand the run in,
        // under the pupil's name and the moment, to the second.
        start(home("class"));
        runTrials(5);
        const QDateTime before = QDateTime::currentDateTime();
        answerFileDialog(offered);
        saveWithCtrlS();
        QVERIFY2(QStringList({resultsFileName(pupilName(), before),
                              resultsFileName(pupilName(), before.addSecs(1))})
                     .contains(QFileInfo(offered).fileName()),
                 qPrintable(offered));
        QCOMPARE(QFileInfo(offered).absolutePath(), home("class"));
        QCOMPARE(trialsIn(offered), trials());
        QCOMPARE(m_settings->lastFolder(), home("Results")); // the class folder is not remembered
    }
};

QUINDLE_WIDGET_TEST_MAIN(HandInTest)
#include "hand_in_test.moc"
