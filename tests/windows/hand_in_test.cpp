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
        const QList<QAction *> all = experiment()->actions();
        const auto found = std::ranges::find(all, QString::fromUtf8(text), &QAction::text);
        return found == all.end() ? nullptr : *found;
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
        QString offered;
        answerFileDialog(offered);
        saveWithCtrlS();
        QVERIFY2(QStringList({resultsFileName(pupilName(), before),
                              resultsFileName(pupilName(), before.addSecs(1))})
                     .contains(QFileInfo(offered).fileName()),
                 qPrintable(offered));
        QCOMPARE(QFileInfo(offered).absolutePath(), home("class"));
        // The class folder is not the last folder.
        QCOMPARE(m_program->preferences().lastFolder(), QString());
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
        QTest::addColumn<int>("error");   // missing, read-only, a file in its place
        QTest::addColumn<bool>("handIn"); // or Save results…
        QTest::newRow("missing, handed in") << ENOENT << true;
        QTest::newRow("read-only, handed in") << EACCES << true;
        QTest::newRow("a file in its place, handed in") << ENOTDIR << true;
        QTest::newRow("missing, saved") << ENOENT << false;
    }

    void aClassFolderThatCannotBeWrittenLosesNothing()
    {
        QFETCH(int, error);
        QFETCH(bool, handIn);
        const QString folder = error == EACCES ? home("class") : home("gone");
        if (error == EACCES)
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (error == ENOTDIR)
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
        // Save results… offers Documents (after a failed hand-in, without a second message).
        answerMessage(handIn ? again : said);
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(again, QString());
        // The message names the folder and the system's reason; the run stays in the window.
        QVERIFY2(said.contains(folder) && said.contains(qt_error_string(error)), qPrintable(said));
        QCOMPARE(cell(CellKind::Count, 1)->text() + cell(CellKind::Count, 4)->text(), counts);
        QCOMPARE(QFileInfo(offered).absolutePath(), home("Documents"));
        QCOMPARE(trialsIn(offered), done); // and still in the window
        QVERIFY(!QFileInfo(folder).isDir() ||
                QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void classResultsOpensTheClassFolderOrAsks()
    {
        start(home("class"));
        QVERIFY(action("Hand in")->isEnabled());
        QSignalSpy asked(experiment(), &ExperimentWindow::classResultsRequested);
        QStringList dialogs; // where each folder dialog started
        const auto classResults = [&dialogs, this] {
            whenDialogShows<QFileDialog>([&dialogs, this](QFileDialog *dialog) {
                dialogs << dialog->directory().absolutePath();
                dialog->setDirectory(home("class"));
                QMetaObject::invokeMethod(dialog, "accept");
            });
            action("Class results…")->trigger();
        };
        classResults(); // the class folder, at once
        QCOMPARE(dialogs, QStringList());
        qDeleteAll(s_waiting.children());
        QCOMPARE(QList<QVariantList>(asked), QList<QVariantList>{{home("class")}});

        start(); // no class folder: the dialog, in the last folder chosen
        QVERIFY(!action("Hand in")->isEnabled());
        QSignalSpy chosen(experiment(), &ExperimentWindow::classResultsRequested);
        classResults();
        classResults();
        QCOMPARE(dialogs, QStringList({home("Documents"), home("class")}));
        QCOMPARE(chosen.size(), 2);
    }

    void eachFolderSavedIntoIsTheLastFolderNowAndNextTime()
    {
        start();
        for (const char *folder : {"A", "B"})
            QVERIFY(QDir().mkpath(home(folder)));
        QString offered;
        answerFileDialog(offered, home("A/one.csv"));
        saveWithCtrlS();
        answerFileDialog(offered, home("B/two.csv"));
        saveWithCtrlS();
        QCOMPARE(QFileInfo(offered).absolutePath(), home("A"));
        // The second folder saved into, not the first: in the next dialog and in the file.
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(QFileInfo(offered).absolutePath(), home("B"));
        QVERIFY2(fileBytes(Settings::userFile()).contains("lastFolder=" + home("B").toUtf8()),
                 fileBytes(Settings::userFile()).constData());
        start();
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(QFileInfo(offered).absolutePath(), home("B"));
    }

    void aClassFolderWrittenWithATrailingSlashIsTheSameFolder()
    {
        start(home("class") + QStringLiteral("/"));
        QSignalSpy asked(experiment(), &ExperimentWindow::classResultsRequested);
        action("Class results…")->trigger();
        QCOMPARE(QList<QVariantList>(asked), QList<QVariantList>{{home("class")}});
        // The class window's folder too, however its path is written.
        ClassWindow *window = m_program->openClassWindow(home("class") + QStringLiteral("/./"));
        QCOMPARE(window->folder().path(), home("class"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Class results: class"));
        window->close();
        // Saved into, it is the class folder: not a last folder to remember.
        QString offered;
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(QFileInfo(offered).absolutePath(), home("class"));
        QCOMPARE(QDir(home("class")).entryList(QDir::Files).size(), 1);
        QCOMPARE(m_program->preferences().lastFolder(), QString());
        QVERIFY(!fileBytes(Settings::userFile()).contains("lastFolder"));
    }

    void theFolderChosenForClassResultsLastsAsLongAsTheProgram()
    {
        start();
        QStringList dialogs; // where each folder dialog started
        const auto classResults = [&dialogs, this] {
            whenDialogShows<QFileDialog>([&dialogs, this](QFileDialog *dialog) {
                dialogs << dialog->directory().absolutePath();
                dialog->setDirectory(home("class"));
                QMetaObject::invokeMethod(dialog, "accept");
            });
            action("Class results…")->trigger();
        };
        classResults();
        openHelp(); // the experiment window closes, and a new one opens after the help
        click(helpClose());
        QVERIFY(waitShown(experiment()));
        classResults();
        start(); // another program: the Documents folder again
        classResults();
        QCOMPARE(dialogs, QStringList({home("Documents"), home("class"), home("Documents")}));
    }

    void handInIsOfferedWhileThereIsAClassFolder()
    {
        // Whenever the class folder is set: before the window opens, or after.
        start();
        QVERIFY(!action("Hand in")->isEnabled());
        m_program->preferences().setClassFolder(home("class"));
        QVERIFY(action("Hand in")->isEnabled());
        m_program->preferences().setClassFolder({});
        QVERIFY(!action("Hand in")->isEnabled());
        start(home("class"));
        QVERIFY(action("Hand in")->isEnabled());
    }

    void ctrlSThenReturnSavesWhereThePupilLeftIt()
    {
        start(); // Documents, the first time; the zoom and the folder saved into are remembered
        type(experiment(), Qt::Key_Plus, Qt::ControlModifier);
        QString offered;
        answerFileDialog(offered, home("Results/mine.csv"));
        QVERIFY(QDir().mkpath(home("Results")));
        saveWithCtrlS();
        QCOMPARE(QFileInfo(offered).absolutePath(), home("Documents"));
        QCOMPARE(QDir(home("Results")).entryList(QDir::Files | QDir::Hidden),
                 QStringList(QStringLiteral("mine.csv")));
        start();
        QCOMPARE(experiment()->width(), 434 * 125 / 100);
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(QFileInfo(offered).absolutePath(), home("Results"));
    }
};

QUINDLE_WIDGET_TEST_MAIN(HandInTest)
#include "hand_in_test.moc"
