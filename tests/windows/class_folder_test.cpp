// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// A class's folder as a real class leaves it, with what never blocks the program (a named pipe,
// a device, links to nowhere, a read that hangs) and what a learning platform's download holds.

#include "windows/window_driver.h"

#include "classroom/folder_reading.h"
#include "classroom/sample_run.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <future>

using namespace quindle;
using namespace quindle::testing;

namespace {

// Writes text to path whole, under a hidden name first and renamed into place.
void put(const std::string &path, const std::string &text)
{
    const std::string hidden = path.substr(0, path.rfind('/') + 1) + ".saving";
    QVERIFY(std::ofstream(hidden, std::ios::binary) << text);
    QCOMPARE(std::rename(hidden.c_str(), path.c_str()), 0);
}

// A run's file of so many trials.
void saveRun(const std::string &path, int trials, std::uint32_t seed)
{
    put(path, writeResults(sampleRun(trials, seed,
                                     "2026-12-07T09:00:" + std::to_string(10 + seed % 50) + "Z")));
}

std::string pathIn(const QTemporaryDir &folder, const std::string &name)
{
    return QFile::encodeName(folder.path()).toStdString() + '/' + name;
}

// A class's folder of its own in a folder where nothing else changes.
struct ClassDir
{
    QTemporaryDir parent;
    QString path = parent.filePath(QStringLiteral("class"));
    ClassDir() { QVERIFY(QDir().mkpath(path)); }
    [[nodiscard]] std::string at(const std::string &name) const
    {
        return pathIn(parent, "class/" + name);
    }
};

// A reader whose nth read of a file that ends with `end` waits until the test lets it go on.
struct HeldReading
{
    std::promise<void> go;
    std::shared_ptr<std::atomic<int>> reads = std::make_shared<std::atomic<int>>(0);
    [[nodiscard]] ClassFolder::FileReader reader(std::string end, int nth)
    {
        return [reads = reads, gone = go.get_future().share(), end, nth](const std::string &file) {
            if (file.ends_with(end) && ++*reads == nth)
                gone.wait();
            return readResultsFile(file);
        };
    }
};

// Each entry not pooled, by name: its problem and what was found (for a non-file, its kind).
using Listed = std::map<std::string, std::pair<Problem, long long>>;
Listed unpooled(const ClassFolder &folder)
{
    Listed listed;
    for (const UnpooledFile &file : folder.pool().unpooled)
        listed[file.name] = {file.problem.problem, file.problem.found};
    return listed;
}

// Deletes folder and says whether that took less than half a second.
bool closedAtOnce(ClassFolder *folder)
{
    const auto start = std::chrono::steady_clock::now();
    delete folder;
    return std::chrono::steady_clock::now() - start < std::chrono::milliseconds(500);
}

// Where the test's own program, run again as a child, finds the folder it ends with.
constexpr char kEndingWithAHangingRead[] = "QUINDLE_TEST_END_WITH_A_HANGING_READ";

// The child: a class folder whose read hangs in a system call (opening a named pipe nobody
// writes to) is closed, and the program ends as the real one does, by leaving main.
int endWithAReadThatHangs(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = qEnvironmentVariable(kEndingWithAHangingRead);
    const std::string pipe = QFile::encodeName(folder).toStdString() + "/.pipe";
    auto entered = std::make_shared<std::atomic<bool>>(false);
    auto *classFolder = new ClassFolder(folder, nullptr, [entered, pipe](const std::string &) {
        *entered = true;
        const int fd = ::open(pipe.c_str(), O_RDONLY | O_CLOEXEC); // waits for a writer
        ::close(fd);
        return ReadResult(ReadProblem{.problem = Problem::CannotRead, .found = EIO});
    });
    if (!QTest::qWaitFor([&] { return entered->load(); }, 5000))
        return 2;
    QTest::qWait(50); // in the open
    delete classFolder;
    std::fputs("closed\n", stdout);
    std::fflush(stdout);
    return 0;
}

// Writes a run of so many trials over the file at path, in place (the same file).
void writeInPlace(const std::string &path, int trials, std::uint32_t seed)
{
    std::ofstream file(path, std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
    QVERIFY(file << writeResults(sampleRun(trials, seed, "2026-12-07T10:00:00Z")));
}

// What the reader finds of an entry that is no file of kind.
std::pair<Problem, long long> notAFile(EntryKind kind)
{
    return std::pair{Problem::NotAFile, static_cast<long long>(kind)};
}

// Entries a zip or tar download can carry: pipes, links to a pipe, a device, nothing, each other
// and a folder, and a socket bound in unixSocket.
void makeEntriesThatAreNoFiles(const QTemporaryDir &folder, int &unixSocket)
{
    const auto at = [&folder](const char *name) { return pathIn(folder, name); };
    QCOMPARE(::mkfifo(at(".pipe").c_str(), 0600) | ::mkfifo(at("fifo.csv").c_str(), 0600), 0);
    for (const auto &[target, name] : {std::pair{".pipe", "evil.csv"},
                                       {"/dev/zero", "zero.csv"},
                                       {"nowhere.csv", "dangling.csv"},
                                       {"loop-b.csv", "loop-a.csv"},
                                       {"loop-a.csv", "loop-b.csv"},
                                       {"/tmp", "tmp.csv"}})
        QCOMPARE(::symlink(target, at(name).c_str()), 0);
    unixSocket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
    const std::string socketPath = at("socket.csv");
    QVERIFY(socketPath.size() < sizeof address.sun_path);
    std::ranges::copy(socketPath, address.sun_path);
    QCOMPARE(::bind(unixSocket, reinterpret_cast<const sockaddr *>(&address), sizeof address), 0);
}

} // namespace

class ClassFolderTest : public QObject
{
    Q_OBJECT

public:
    // A test hung in a system call (a named pipe's open, a read) fails by Qt's watchdog alone.
    ClassFolderTest() { qputenv("QTEST_FUNCTION_TIMEOUT", "60000"); }

private slots:
    void entriesThatAreNoFilesAreListedAsWhatTheyAreAndNeverOpened()
    {
        QTemporaryDir folder;
        saveRun(pathIn(folder, "anna.csv"), 40, 1);
        int unixSocket = -1;
        makeEntriesThatAreNoFiles(folder, unixSocket);
        const ClassFolder classFolder(folder.path(), nullptr);
        QVERIFY(pooled(classFolder, 1, 8, 5000));
        using enum EntryKind;
        QVERIFY(unpooled(classFolder) == (Listed{{"dangling.csv", notAFile(MissingTarget)},
                                                 {"evil.csv", notAFile(Fifo)},
                                                 {"fifo.csv", notAFile(Fifo)},
                                                 {"loop-a.csv", notAFile(LinkLoop)},
                                                 {"loop-b.csv", notAFile(LinkLoop)},
                                                 {"socket.csv", notAFile(Socket)},
                                                 {"tmp.csv", notAFile(FolderLink)},
                                                 {"zero.csv", notAFile(Device)}}));
        ::close(unixSocket);
    }

    void aFileReplacedByAPipeAfterItWasListedIsNotWaitedFor()
    {
        QTemporaryDir folder;
        QCOMPARE(::mkfifo(pathIn(folder, "fifo.csv").c_str(), 0600), 0);
        const ReadResult read = readResultsFile(pathIn(folder, "fifo.csv"));
        QVERIFY(read.problem());
        QCOMPARE(std::pair(read.problem()->problem, read.problem()->found),
                 notAFile(EntryKind::Fifo));
    }

    void eachFileIsReadAsItselfWhateverWasReadBeforeIt()
    {
        // Nothing of a longer file read before may show in a shorter or empty one read after it.
        QTemporaryDir folder;
        const auto at = [&folder](const char *name) { return pathIn(folder, name); };
        saveRun(at("anna.csv"), 40, 1);
        saveRun(at("full.csv"), 3500, 2);
        put(at("empty.csv"), {});
        for (const auto &[name, trials] : {std::pair{"full.csv", 3500}, {"anna.csv", 40}}) {
            const ReadResult run = readResultsFile(at(name));
            QVERIFY(run.run());
            QCOMPARE(std::pair(run.run()->trials, run.run()->log.size()),
                     std::pair(trials, std::size_t(trials)));
        }
        const ReadResult empty = readResultsFile(at("empty.csv"));
        QVERIFY(empty.problem() && empty.problem()->problem == Problem::Empty);
    }

    void closingNeverWaitsForAReadThatHangs()
    {
        QTemporaryDir folder;
        saveRun(pathIn(folder, "anna.csv"), 40, 1);
        // A read on a share that no longer answers: it returns when the test lets it.
        HeldReading held;
        auto *classFolder = new ClassFolder(folder.path(), nullptr, held.reader("", 1));
        QVERIFY(QTest::qWaitFor([&] { return held.reads->load() == 1; }, 5000));
        QVERIFY(closedAtOnce(classFolder));
        held.go.set_value();
    }

    void aVanishedFolderIsSaidAndFollowedAgainWhenItComesBack()
    {
        const ClassDir dir;
        const QString away = dir.parent.filePath(QStringLiteral("away"));
        saveRun(dir.at("anna.csv"), 40, 1);
        ClassFolder classFolder(dir.path, nullptr);
        QVERIFY(pooled(classFolder, 1, 0, 5000));
        QVERIFY(!classFolder.polling());
        // A USB stick pulled, a share gone: the class as it was last read, and looked for.
        QVERIFY(QDir().rename(dir.path, away));
        QVERIFY(QTest::qWaitFor([&] { return classFolder.folderError() == ENOENT; }, 2500));
        QVERIFY(pooled(classFolder, 1, 0, 0) && classFolder.polling());
        QVERIFY(QDir().rename(away, dir.path));
        QVERIFY(QTest::qWaitFor([&] { return classFolder.folderError() == 0; }, 2500));
        // Followed through notifications again, not by looking.
        QVERIFY(QTest::qWaitFor([&] { return !classFolder.polling(); }, 2500));
        saveRun(dir.at("ben.csv"), 30, 2);
        QVERIFY(pooled(classFolder, 2, 0, 1500));
    }

    void subfoldersAreReadThreeLevelsDownAndLockAndHiddenFilesSkipped()
    {
        QTemporaryDir folder;
        for (const char *sub : {"anna", "ben/week 2", "cat/a/b", "dan/a/b/c", ".hidden"})
            QVERIFY(QDir().mkpath(folder.filePath(QString::fromUtf8(sub))));
        // Four levels down, in a hidden folder, being written under a hidden name: none read.
        for (std::uint32_t seed = 1;
             const char *name : {"top.csv", "anna/run.csv", "ben/week 2/run.csv", "cat/a/b/run.csv",
                                 "dan/a/b/c/run.csv", ".hidden/run.csv", ".anna.csv"})
            saveRun(pathIn(folder, name), 40, seed++);
        // Beside a file an office program has open: LibreOffice's lock file and Word's owner file.
        for (const char *name : {".~lock.top.csv#", "~$top.csv", "anna/~$run.csv"})
            put(pathIn(folder, name),
                ",Teacher,PC-12,07.12.2026 09:00,file:///home/teacher/.config;\n");
        ClassFolder classFolder(folder.path(), nullptr);
        QVERIFY(pooled(classFolder, 4, 1, 5000));
        std::vector<std::string> names;
        for (const PooledRun &run : classFolder.pool().runs)
            names.push_back(run.name);
        std::ranges::sort(names);
        QVERIFY(names == (std::vector<std::string>{"anna/run.csv", "ben/week 2/run.csv",
                                                   "cat/a/b/run.csv", "top.csv"}));
        QCOMPARE(classFolder.pool().unpooled[0].name, "dan/a/b/c");
        QCOMPARE(classFolder.pool().unpooled[0].problem.problem, Problem::TooDeep);
        // A file saved into a subfolder shows as one saved into the folder does.
        saveRun(pathIn(folder, "cat/a/run.csv"), 25, 8);
        QVERIFY(pooled(classFolder, 5, 1));
    }

    void theProgramEndsAtOnceWithAReadThatHangs()
    {
#if defined(__SANITIZE_THREAD__)
        QSKIP("ThreadSanitizer refuses the child's start from a process with threads");
#endif
        QTemporaryDir folder;
        saveRun(pathIn(folder, "anna.csv"), 40, 1);
        QCOMPARE(::mkfifo(pathIn(folder, ".pipe").c_str(), 0600), 0);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kEndingWithAHangingRead), folder.path());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted(5000));
        QVERIFY(QTest::qWaitFor(
            [&] { return child.canReadLine() || child.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(child.readLine(), "closed\n");
        QElapsedTimer ending;
        ending.start();
        QVERIFY(child.waitForFinished(10000));
        // Nothing to save in a reading that was abandoned: the end does not wait for it the
        // seconds a share may hang (a sanitizer's own checks at the end take some of this).
        QVERIFY2(ending.elapsed() < 1500, qPrintable(QString::number(ending.elapsed())));
        QCOMPARE(child.exitCode(), 0);
    }

    void aLookAskedForDuringAReadingIsMadeWhenItEnds()
    {
        const ClassDir dir;
        saveRun(dir.at("anna.csv"), 40, 1);
        // Anna's file read a second time waits until the test lets the reading go on.
        HeldReading held;
        ClassFolder classFolder(dir.path, nullptr, held.reader("/anna.csv", 2));
        QVERIFY(pooled(classFolder, 1, 0, 5000));
        QTest::qWait(300);                       // every watch taken, and the look after them made
        writeInPlace(dir.at("anna.csv"), 55, 9); // the same file: nothing new to watch once read
        QVERIFY(QTest::qWaitFor([&] { return held.reads->load() == 2; }, 2500));
        // Ben's file comes after the folder was listed: only a look after this reading finds it.
        saveRun(dir.at("ben.csv"), 30, 2);
        QTest::qWait(300); // the notification, and the look it asks for, while the reading is busy
        held.go.set_value();
        QVERIFY(pooled(classFolder, 2, 0, 2500, 85));
        QVERIFY(!classFolder.polling()); // found by the look asked for, not by a timer
    }

    void aFileThatLeftAndCameBackIsWatchedAgain()
    {
#if defined(__SANITIZE_THREAD__)
        // Two of Qt's own pooled threads moving its queue under a lock it cannot see.
        QSKIP("ThreadSanitizer reads Qt's thread pool, which is not instrumented, as racing");
#endif
        const ClassDir dir;
        const std::string anna = dir.at("anna.csv");
        saveRun(anna, 40, 1);
        saveRun(dir.at("ben.csv"), 30, 2);
        ClassFolder classFolder(dir.path, nullptr);
        QVERIFY(pooled(classFolder, 2, 0, 5000, 70));
        QTest::qWait(100); // every watch taken
        // Moved away and back at once: the same file, whose watch the watcher let go of.
        const std::string away = pathIn(dir.parent, "away");
        QCOMPARE(std::rename(anna.c_str(), away.c_str()), 0);
        QCOMPARE(std::rename(away.c_str(), anna.c_str()), 0);
        QTest::qWait(300);
        // Written over in place: only the file's own watch hears of it.
        writeInPlace(anna, 55, 9);
        QVERIFY(pooled(classFolder, 2, 0, 2500, 85));
        QVERIFY(!classFolder.polling());
    }

    void aSubfolderTheWatcherCannotTakeIsLookedAtEverySecond()
    {
        const ClassDir dir;
        // A zip made on another system: a subfolder's name in Latin-1, with a run in it.
        const std::string sub = dir.at("klasse-\xE9");
        QCOMPARE(::mkdir(sub.c_str(), 0700), 0);
        saveRun(sub + "/anna.csv", 40, 1);
        ClassFolder classFolder(dir.path, nullptr);
        QVERIFY(pooled(classFolder, 1, 0, 5000));
        QVERIFY(QTest::qWaitFor([&] { return classFolder.polling(); }, 1000));
        // Each run saved there shows within two looks, however long the folder has been open.
        for (int pupil = 2; pupil <= 4; ++pupil) {
            QTest::qWait(1200);
            saveRun(sub + "/pupil-" + std::to_string(pupil) + ".csv", 10, std::uint32_t(pupil));
            QVERIFY(pooled(classFolder, std::size_t(pupil), 0, 2500));
            QVERIFY(classFolder.polling());
        }
        for (const std::string name : {"/anna.csv", "/pupil-2.csv", "/pupil-3.csv", "/pupil-4.csv"})
            QCOMPARE(::unlink((sub + name).c_str()), 0);
        QCOMPARE(::rmdir(sub.c_str()), 0); // which QTemporaryDir cannot name
    }

    void aFolderOnANetworkShareIsLookedAtEverySecondAndNothingOfItWatched()
    {
        const ClassDir dir;
        saveRun(dir.at("anna.csv"), 40, 1);
        // Listed as lying on a network file system, whose changes another machine makes unheard.
        auto looks = std::make_shared<std::atomic<int>>(0);
        ClassFolder classFolder(dir.path, nullptr, {},
                                [looks](const std::string &folder, const std::atomic<bool> &stop) {
                                    FolderListing listing = listFolder(folder, stop);
                                    listing.networked = true;
                                    ++*looks; // listed: a change from now on is for the next look
                                    return listing;
                                });
        QVERIFY(pooled(classFolder, 1, 0, 5000));
        QVERIFY(classFolder.polling());
        // Written over in place just after a look listed the folder: the file's own watch would
        // tell of it at once; the next look, a second after this one, finds it.
        const int before = looks->load();
        QVERIFY(QTest::qWaitFor([&] { return looks->load() > before; }, 2500));
        writeInPlace(dir.at("anna.csv"), 55, 9);
        QTest::qWait(300);
        QCOMPARE(classFolder.pool().trials, 40);
        QVERIFY(pooled(classFolder, 1, 0, 2500, 55));
        // Looked at once a second, however long the folder has been open.
        QTest::qWait(2200);
        QVERIFY2(looks->load() - before >= 3, qPrintable(QString::number(looks->load() - before)));
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(kEndingWithAHangingRead))
        return endWithAReadThatHangs(argc, argv);
    return runWidgetTests<ClassFolderTest>(argc, argv);
}
#include "class_folder_test.moc"
