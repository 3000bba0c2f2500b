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
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace quindle;
using namespace quindle::testing;

namespace {

// The answers waiting for their dialogs, which a test that failed before its dialog came leaves
// behind for cleanup() to drop.
QObject &waitingAnswers()
{
    static QObject answers;
    return answers;
}

// Runs answer on the next modal dialog of its kind (a file dialog, a message box) once it is
// up, inside the event loop the dialog runs.
template<class Dialog> void whenDialogShows(const std::function<void(Dialog *)> &answer)
{
    auto *poll = new QTimer(&waitingAnswers());
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        if (dialog && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start();
}

// What a file dialog offered, and the answer given: Return, after the path typed, if any.
struct Offered
{
    QString folder;
    QString name;
};
void answerFileDialog(Offered &offered, const QString &typed = {})
{
    whenDialogShows<QFileDialog>([&offered, typed](QFileDialog *files) {
        offered = {files->directory().absolutePath(),
                   QFileInfo(files->selectedFiles().value(0)).fileName()};
        // The file name field, as the pupil types into it.
        auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        if (!typed.isEmpty())
            name->setText(typed);
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

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList files(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// The trials a results file records, as the class window reads them.
int trialsIn(const QString &path)
{
    const QByteArray bytes = contents(path);
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

    [[nodiscard]] QString home(const QString &path) const { return m_home->filePath(path); }
    [[nodiscard]] QString documents() const { return home(QStringLiteral("Documents")); }
    [[nodiscard]] QString classFolder() const { return home(QStringLiteral("class")); }

    // A pupil's machine: the system's settings file as the school deployed it, the pupil's own
    // as the last start left it; the program starts as main() starts it.
    void start(const QByteArray &systemSettings = {})
    {
        if (!systemSettings.isEmpty()) {
            QVERIFY(QDir().mkpath(home(QStringLiteral("xdg/Quindle"))));
            QFile file(home(QStringLiteral("xdg/Quindle/Quindle.conf")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(systemSettings);
        }
        m_settings = std::make_unique<Settings>();
        m_program = std::make_unique<Program>(7);
        useSettings(*m_program, *m_settings);
        m_program->openNewExperimentWindow();
        QVERIFY(waitShown(experiment()));
    }
    void restart()
    {
        endProgram();
        start();
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
        QTest::keyClick(experiment(), Qt::Key_S, Qt::ControlModifier);
    }
    [[nodiscard]] QByteArray classSettings(const QString &folder) const
    {
        return "[class]\nfolder=" + QFile::encodeName(folder) + '\n';
    }

private slots:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir().mkpath(documents()));
        QVERIFY(QDir().mkpath(classFolder()));
        qputenv("HOME", QFile::encodeName(m_home->path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home(QStringLiteral(".config"))));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home(QStringLiteral("xdg"))));
    }
    void cleanup()
    {
        qDeleteAll(waitingAnswers().findChildren<QTimer *>());
        endProgram();
        m_settings.reset();
        SaveFolders::instance().setClassFolder({});
        SaveFolders::instance().setLastFolder({});
    }

    void ctrlSThenReturnHandsARunIn()
    {
        start(classSettings(classFolder()));
        runFor(50);
        Offered offered;
        answerFileDialog(offered);
        const QDateTime before = QDateTime::currentDateTime();
        saveWithCtrlS();
        QCOMPARE(offered.folder, classFolder());
        // The pupil's name and the moment, to the second.
        const QString pupil = fileNamePart(pupilName());
        QVERIFY2(offered.name == resultsFileName(pupil, before) ||
                     offered.name == resultsFileName(pupil, before.addSecs(1)),
                 qPrintable(offered.name));
        QCOMPARE(files(classFolder()), QStringList(offered.name));
        QCOMPARE(trialsIn(QDir(classFolder()).filePath(offered.name)), trials());
        // The class folder is not the folder to remember: the next start opens it again anyway.
        QCOMPARE(m_settings->lastFolder(), QString());
        QVERIFY(!QFile::exists(Settings::userFile()));
    }

    void handInsInTheSameSecondGiveTwoFilesAndSaySo()
    {
        start(classSettings(classFolder()));
        QAction *handIn = action("Hand in");
        QVERIFY(handIn && handIn->isEnabled());
        Announcer::announceWithoutScreenReader(true);
        QString spoken;
        connect(experiment()->findChild<Announcer *>(), &Announcer::said, this,
                [&spoken](const QString &sentence) { spoken = sentence; });
        runFor(30);
        const QDateTime moment = QDateTime::currentDateTime();
        const QString first = experiment()->handIn(moment);
        const int firstTrials = trials();
        runFor(30);
        const QString second = experiment()->handIn(moment);
        Announcer::announceWithoutScreenReader(false);

        QVERIFY(!first.isEmpty() && !second.isEmpty() && first != second);
        QStringList both{QFileInfo(first).fileName(), QFileInfo(second).fileName()};
        both.sort();
        QCOMPARE(files(classFolder()), both);
        QCOMPARE(trialsIn(first), firstTrials);
        QCOMPARE(trialsIn(second), trials());
        const QString told = QStringLiteral("Handed in as %1.").arg(QFileInfo(second).fileName());
        QCOMPARE(spoken, told);
        // On screen for a moment, beside the buttons, covering none of them.
        QLabel *shown = nullptr;
        for (QLabel *label : experiment()->findChildren<QLabel *>())
            if (label->isVisible() && label->text() == told)
                shown = label;
        QVERIFY(shown);
        QVERIFY(experiment()->rect().contains(shown->geometry()));
        for (Button which : kButtons)
            QVERIFY(!shown->geometry().intersects(button(which)->geometry()));
        QTest::mouseClick(shown, Qt::LeftButton);
        QVERIFY(!shown->isVisible());
    }

    void aClassFolderThatCannotBeWrittenLosesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error");
        QTest::newRow("missing") << QStringLiteral("missing") << ENOENT;
        QTest::newRow("read-only") << QStringLiteral("read-only") << EACCES;
        QTest::newRow("a file in its place") << QStringLiteral("file") << ENOTDIR;
    }

    void aClassFolderThatCannotBeWrittenLosesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(int, error);
        QString folder = home(QStringLiteral("unplugged"));
        if (kind == QLatin1String("read-only")) {
            folder = classFolder();
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        } else if (kind == QLatin1String("file")) {
            QVERIFY(writeTextSafely(folder, QStringLiteral("not a folder")).isEmpty());
        }
        start(classSettings(folder));
        runFor(50);
        const QString counts = cell(CellKind::Count, 1)->text() + cell(CellKind::Count, 4)->text();
        const int done = trials();
        const PermissionsHold hold;

        QString said;
        answerMessage(said);
        action("Hand in")->trigger();
        // Names the folder and the system's reason; the run is still in the window.
        QVERIFY2(said.contains(folder) && said.contains(qt_error_string(error)), qPrintable(said));
        QCOMPARE(trials(), done);
        QCOMPARE(cell(CellKind::Count, 1)->text() + cell(CellKind::Count, 4)->text(), counts);

        // Save results… now offers the Documents folder at once, where the run is saved whole.
        Offered offered;
        answerFileDialog(offered);
        QString again;
        answerMessage(again);
        saveWithCtrlS();
        QCOMPARE(again, QString());
        QCOMPARE(offered.folder, documents());
        QCOMPARE(files(documents()), QStringList(offered.name));
        QCOMPARE(trialsIn(QDir(documents()).filePath(offered.name)), done);
        if (QFileInfo(folder).isDir())
            QCOMPARE(files(folder), QStringList());
    }

    void saveResultsSaysWhenTheClassFolderIsMissing()
    {
        const QString folder = home(QStringLiteral("unplugged"));
        start(classSettings(folder));
        runFor(30);
        QString said;
        Offered offered;
        whenDialogShows<QMessageBox>([&said, &offered](QMessageBox *box) {
            said = box->text();
            answerFileDialog(offered);
            box->accept();
        });
        saveWithCtrlS();
        QVERIFY2(said.contains(folder) && said.contains(qt_error_string(ENOENT)), qPrintable(said));
        QCOMPARE(offered.folder, documents());
        QCOMPARE(trialsIn(QDir(documents()).filePath(offered.name)), trials());
    }

    void classResultsOpensTheClassFolderStraightAway()
    {
        start(classSettings(classFolder()));
        QSignalSpy asked(experiment(), &ExperimentWindow::classResultsRequested);
        bool dialog = false; // none is asked for
        whenDialogShows<QFileDialog>([&dialog](QFileDialog *folders) {
            dialog = true;
            QMetaObject::invokeMethod(folders, "reject");
        });
        action("Class results…")->trigger();
        QVERIFY(!dialog);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0][0].toString(), classFolder());
    }

    void withoutAClassFolderClassResultsAsksStartingWhereItWasLeft()
    {
        start();
        QVERIFY(!action("Hand in")->isEnabled());
        QSignalSpy asked(experiment(), &ExperimentWindow::classResultsRequested);
        const QString chosen = home(QStringLiteral("class/5a"));
        QVERIFY(QDir().mkpath(chosen));
        QStringList startedIn;
        for (int time = 0; time < 2; ++time) {
            whenDialogShows<QFileDialog>([&startedIn, &chosen](QFileDialog *folders) {
                startedIn << folders->directory().absolutePath();
                folders->setDirectory(chosen);
                QMetaObject::invokeMethod(folders, "accept");
            });
            action("Class results…")->trigger();
        }
        QCOMPARE(startedIn, QStringList({documents(), chosen}));
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked[1][0].toString(), chosen);
    }

    void theZoomAndTheFolderSavedIntoAreRememberedForTheNextStart()
    {
        start();
        QTest::keyClick(experiment(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(m_program->zoom(), 125);
        const QString results = home(QStringLiteral("Results"));
        QVERIFY(QDir().mkpath(results));
        Offered offered;
        answerFileDialog(offered, QDir(results).filePath(QStringLiteral("mine.csv")));
        saveWithCtrlS();
        QCOMPARE(offered.folder, documents());
        QCOMPARE(files(results), QStringList(QStringLiteral("mine.csv")));

        restart();
        QCOMPARE(m_program->zoom(), 125);
        QCOMPARE(experiment()->width(), 434 * 125 / 100);
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(offered.folder, results);

        // A class folder set up by the school wins over the folder saved into last.
        endProgram();
        start(classSettings(classFolder()));
        answerFileDialog(offered);
        saveWithCtrlS();
        QCOMPARE(offered.folder, classFolder());
    }
};

QUINDLE_WIDGET_TEST_MAIN(HandInTest)
#include "hand_in_test.moc"
