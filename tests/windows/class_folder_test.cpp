// A class's folder as a real class leaves it: whatever lies there is listed with its true reason
// and never blocks the program (a named pipe, a device, links to nowhere), subfolders of a
// learning platform's download are read and office lock files and hidden files skipped, a file
// that cannot be read yet is read once it can be, the folder may vanish and come back, and
// closing never waits for a read that hangs.

#include "windows/window_driver.h"

#include "classroom/sample_run.h"
#include "windows/classroom/class_folder.h"
#include "windows/classroom/folder_reading.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

using namespace quindle;
using namespace quindle::testing;

namespace {

// Ends the whole test program should the test it guards not be done within the time: a test
// that hangs in a system call cannot fail any other way.
class Deadline
{
public:
    explicit Deadline(int seconds, const char *what)
        : m_watch([this, seconds, what] {
            std::unique_lock lock(m_mutex);
            if (!m_done.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_over; })) {
                std::fprintf(stderr, "FAIL: %s did not end within %d s\n", what, seconds);
                std::fflush(stderr);
                std::_Exit(3);
            }
        })
    {}
    ~Deadline()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_over = true;
        }
        m_done.notify_all();
        m_watch.join();
    }
    Deadline(const Deadline &) = delete;
    Deadline &operator=(const Deadline &) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_over = false;
    std::thread m_watch;
};

// A run's file of so many trials, written under a hidden name and renamed into place.
void saveRun(const std::string &path, int trials, std::uint32_t seed)
{
    const std::string text = writeResults(
        sampleRun(trials, seed, "2026-12-07T09:00:" + std::to_string(10 + seed % 50) + "Z"));
    const std::string hidden = path.substr(0, path.rfind('/') + 1) + ".saving";
    FILE *file = std::fopen(hidden.c_str(), "wb");
    QVERIFY(file);
    QCOMPARE(std::fwrite(text.data(), 1, text.size(), file), text.size());
    QCOMPARE(std::fclose(file), 0);
    QCOMPARE(std::rename(hidden.c_str(), path.c_str()), 0);
}

std::string pathIn(const QTemporaryDir &folder, const char *name)
{
    return QFile::encodeName(folder.path()).toStdString() + '/' + name;
}

bool pooled(const ClassFolder &folder, std::size_t runs, std::size_t unpooled)
{
    return folder.pool().runs.size() == runs && folder.pool().unpooled.size() == unpooled;
}

std::vector<std::string> pooledNames(const ClassFolder &folder)
{
    std::vector<std::string> names;
    for (const PooledRun &run : folder.pool().runs)
        names.push_back(run.name);
    return names;
}

// Each entry not pooled, by name: its problem and, for an entry that is no file, what it is.
std::map<std::string, std::pair<Problem, long long>> unpooled(const ClassFolder &folder)
{
    std::map<std::string, std::pair<Problem, long long>> listed;
    for (const UnpooledFile &file : folder.pool().unpooled)
        listed[file.name] = {file.problem.problem, file.problem.found};
    return listed;
}

} // namespace

class ClassFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void entriesThatAreNoFilesAreListedAndNeverOpened()
    {
        const Deadline deadline(20, "reading a folder with a named pipe and links");
        QTemporaryDir folder;
        const std::string base = QFile::encodeName(folder.path()).toStdString() + '/';
        saveRun(base + "anna.csv", 40, 1);
        // A zip or tar download can carry any of these.
        QCOMPARE(::mkfifo((base + ".pipe").c_str(), 0600), 0);
        QCOMPARE(::symlink(".pipe", (base + "evil.csv").c_str()), 0);
        QCOMPARE(::mkfifo((base + "fifo.csv").c_str(), 0600), 0);
        QCOMPARE(::symlink("/dev/zero", (base + "zero.csv").c_str()), 0);
        QCOMPARE(::symlink("nowhere.csv", (base + "dangling.csv").c_str()), 0);
        QCOMPARE(::symlink("loop-b.csv", (base + "loop-a.csv").c_str()), 0);
        QCOMPARE(::symlink("loop-a.csv", (base + "loop-b.csv").c_str()), 0);
        QCOMPARE(::symlink("/tmp", (base + "tmp.csv").c_str()), 0);
        const int unixSocket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string socketPath = base + "socket.csv";
        QVERIFY(socketPath.size() < sizeof address.sun_path);
        std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
        QCOMPARE(::bind(unixSocket, reinterpret_cast<const sockaddr *>(&address), sizeof address),
                 0);

        auto *classFolder = new ClassFolder(folder.path(), nullptr);
        QVERIFY(QTest::qWaitFor([&] { return pooled(*classFolder, 1, 8); }, 5000));
        using Listed = std::pair<Problem, long long>;
        const auto notAFile = [](EntryKind kind) {
            return Listed{Problem::NotAFile, static_cast<long long>(kind)};
        };
        const std::map<std::string, Listed> expected{
            {"dangling.csv", notAFile(EntryKind::MissingTarget)},
            {"evil.csv", notAFile(EntryKind::Fifo)},
            {"fifo.csv", notAFile(EntryKind::Fifo)},
            {"loop-a.csv", notAFile(EntryKind::LinkLoop)},
            {"loop-b.csv", notAFile(EntryKind::LinkLoop)},
            {"socket.csv", notAFile(EntryKind::Socket)},
            {"tmp.csv", notAFile(EntryKind::FolderLink)},
            {"zero.csv", notAFile(EntryKind::Device)},
        };
        QVERIFY(unpooled(*classFolder) == expected);
        QElapsedTimer closing;
        closing.start();
        delete classFolder;
        QVERIFY2(closing.elapsed() < 500, qPrintable(QString::number(closing.elapsed())));
        ::close(unixSocket);
    }

    void aFileReplacedByAPipeAfterItWasListedIsNotWaitedFor()
    {
        const Deadline deadline(10, "reading a named pipe");
        QTemporaryDir folder;
        const std::string pipe = pathIn(folder, "pipe.csv");
        QCOMPARE(::mkfifo(pipe.c_str(), 0600), 0);
        const ReadResult read = readResultsFile(pipe);
        QVERIFY(read.problem());
        QCOMPARE(read.problem()->problem, Problem::NotAFile);
        QCOMPARE(read.problem()->found, static_cast<long long>(EntryKind::Fifo));
    }

    void filesReadOneAfterAnotherOnAThreadEachReadAsThemselves()
    {
        // A reading thread keeps its buffer from file to file: nothing of a longer file read
        // before may show in a shorter or an empty one read after it.
        QTemporaryDir folder;
        const std::string full = pathIn(folder, "full.csv"), short_ = pathIn(folder, "short.csv"),
                          empty = pathIn(folder, "empty.csv");
        saveRun(full, 3500, 1);
        saveRun(short_, 40, 2);
        FILE *file = std::fopen(empty.c_str(), "wb");
        QVERIFY(file);
        QCOMPARE(std::fclose(file), 0);
        for (int round = 0; round < 2; ++round) {
            const ReadResult fullRead = readResultsFile(full);
            QVERIFY(fullRead.run());
            QCOMPARE(fullRead.run()->trials, 3500);
            QCOMPARE(fullRead.run()->log.size(), std::size_t{3500});
            const ReadResult shortRead = readResultsFile(short_);
            QVERIFY(shortRead.run());
            QCOMPARE(shortRead.run()->trials, 40);
            const ReadResult emptyRead = readResultsFile(empty);
            QVERIFY(emptyRead.problem());
            QCOMPARE(emptyRead.problem()->problem, Problem::Empty);
        }
    }

    void closingNeverWaitsForAReadThatHangs()
    {
        const Deadline deadline(20, "closing the folder while a read hangs");
        QTemporaryDir folder;
        saveRun(pathIn(folder, "anna.csv"), 40, 1);
        // A read on a share that no longer answers: it returns when the test lets it.
        struct Gate
        {
            std::mutex mutex;
            std::condition_variable opened;
            bool open = false, entered = false;
        };
        auto gate = std::make_shared<Gate>();
        auto *classFolder =
            new ClassFolder(folder.path(), nullptr, [gate](const std::string &path) {
                std::unique_lock lock(gate->mutex);
                gate->entered = true;
                gate->opened.wait(lock, [&gate] { return gate->open; });
                return readResultsFile(path);
            });
        QVERIFY(QTest::qWaitFor(
            [&gate] {
                const std::lock_guard lock(gate->mutex);
                return gate->entered;
            },
            5000));
        QElapsedTimer closing;
        closing.start();
        delete classFolder;
        QVERIFY2(closing.elapsed() < 500, qPrintable(QString::number(closing.elapsed())));
        {
            const std::lock_guard lock(gate->mutex);
            gate->open = true;
        }
        gate->opened.notify_all();
    }

    void aFileThatCannotBeOpenedIsReadOnceItCan()
    {
        QTemporaryDir folder;
        saveRun(pathIn(folder, "anna.csv"), 40, 1);
        saveRun(pathIn(folder, "ben.csv"), 30, 2);
        // Ben's file cannot be opened (as without permission: the tests may run as root, whom no
        // permission stops) until the test says so. Nothing about the file itself changes.
        auto locked = std::make_shared<std::atomic<bool>>(true);
        ClassFolder classFolder(folder.path(), nullptr, [locked](const std::string &path) {
            if (locked->load() && path.ends_with("/ben.csv"))
                return ReadResult(ReadProblem{.problem = Problem::CannotOpen, .found = EACCES});
            return readResultsFile(path);
        });
        QVERIFY(QTest::qWaitFor([&] { return pooled(classFolder, 1, 1); }, 5000));
        QCOMPARE(classFolder.pool().unpooled[0].name, "ben.csv");
        QCOMPARE(classFolder.pool().unpooled[0].problem.problem, Problem::CannotOpen);
        QCOMPARE(classFolder.pool().unpooled[0].problem.found, EACCES);
        locked->store(false);
        // Any look at the folder reads it again: here one for another pupil's file.
        saveRun(pathIn(folder, "cat.csv"), 20, 3);
        QVERIFY(QTest::qWaitFor([&] { return pooled(classFolder, 3, 0); }, 2500));
    }

    void aVanishedFolderIsSaidAndFollowedAgainWhenItComesBack()
    {
        QTemporaryDir parent;
        const QString path = parent.filePath(QStringLiteral("class")),
                      away = parent.filePath(QStringLiteral("away"));
        QVERIFY(QDir().mkpath(path));
        const std::string raw = QFile::encodeName(path).toStdString();
        saveRun(raw + "/anna.csv", 40, 1);
        ClassFolder classFolder(path, nullptr);
        QSignalSpy errorChanged(&classFolder, &ClassFolder::folderErrorChanged);
        QVERIFY(QTest::qWaitFor([&] { return pooled(classFolder, 1, 0); }, 5000));
        QVERIFY(!classFolder.polling());
        // A USB stick pulled, a share gone.
        QVERIFY(QDir().rename(path, away));
        QVERIFY(QTest::qWaitFor([&] { return classFolder.folderError() == ENOENT; }, 2500));
        QCOMPARE(errorChanged.count(), 1);
        QVERIFY(pooled(classFolder, 1, 0)); // the class as it was last read
        QVERIFY(classFolder.polling());
        QVERIFY(QDir().rename(away, path));
        QVERIFY(QTest::qWaitFor([&] { return classFolder.folderError() == 0; }, 2500));
        QCOMPARE(errorChanged.count(), 2);
        // Followed through notifications again, not by looking.
        QVERIFY(QTest::qWaitFor([&] { return !classFolder.polling(); }, 2500));
        saveRun(raw + "/ben.csv", 30, 2);
        QVERIFY(QTest::qWaitFor([&] { return pooled(classFolder, 2, 0); }, 1500));
    }

    void subfoldersAreReadThreeLevelsDownAndLockAndHiddenFilesSkipped()
    {
        QTemporaryDir folder;
        const std::string base = QFile::encodeName(folder.path()).toStdString() + '/';
        for (const char *sub : {"anna", "ben/week 2", "cat/a/b", "dan/a/b/c", ".hidden"})
            QVERIFY(QDir().mkpath(folder.filePath(QString::fromUtf8(sub))));
        saveRun(base + "top.csv", 10, 1);
        saveRun(base + "anna/run.csv", 20, 2);
        saveRun(base + "ben/week 2/run.csv", 30, 3);
        saveRun(base + "cat/a/b/run.csv", 40, 4);
        saveRun(base + "dan/a/b/c/run.csv", 50, 5); // four levels down
        saveRun(base + ".hidden/run.csv", 60, 6);
        saveRun(base + ".anna.csv", 60, 7); // being written, under a hidden name
        // Beside a file an office program has open: LibreOffice's lock file and Word's owner file.
        for (const char *name : {".~lock.top.csv#", "~$top.csv", "anna/~$run.csv"}) {
            FILE *lock = std::fopen((base + name).c_str(), "wb");
            QVERIFY(lock);
            std::fputs(",Teacher,PC-12,07.12.2026 09:00,file:///home/teacher/.config;\n", lock);
            std::fclose(lock);
        }
        ClassFolder classFolder(folder.path(), nullptr);
        QVERIFY(QTest::qWaitFor([&] { return pooled(classFolder, 4, 1); }, 5000));
        std::vector<std::string> names = pooledNames(classFolder);
        std::ranges::sort(names);
        QVERIFY(names == (std::vector<std::string>{"anna/run.csv", "ben/week 2/run.csv",
                                                   "cat/a/b/run.csv", "top.csv"}));
        QCOMPARE(classFolder.pool().unpooled[0].name, "dan/a/b/c");
        QCOMPARE(classFolder.pool().unpooled[0].problem.problem, Problem::TooDeep);
        // A file saved into a subfolder shows as one saved into the folder does.
        saveRun(base + "cat/a/run.csv", 25, 8);
        QVERIFY(QTest::qWaitFor([&] { return pooled(classFolder, 5, 1); }, 2500));
    }

    void aNameThatIsNotUtf8IsPooledAndFollowed()
    {
        QTemporaryDir folder;
        // A zip made on another system: a name in Latin-1 ("é" as one byte).
        const std::string latin1 = pathIn(folder, "ren\xE9.csv");
        saveRun(latin1, 40, 1);
        ClassFolder classFolder(folder.path(), nullptr);
        QVERIFY(QTest::qWaitFor([&] { return pooled(classFolder, 1, 0); }, 5000));
        QCOMPARE(classFolder.pool().runs[0].name, "ren\xE9.csv");
        // Written over in place: the watcher cannot take the name, so the folder is looked at.
        const std::string text = writeResults(sampleRun(70, 9, "2026-12-07T10:00:00Z"));
        FILE *file = std::fopen(latin1.c_str(), "r+b");
        QVERIFY(file);
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
        QVERIFY(QTest::qWaitFor([&] { return classFolder.pool().trials == 70; }, 2500));
        QCOMPARE(::unlink(latin1.c_str()), 0); // which QTemporaryDir cannot name
    }

    void aClassSavingAllAtOnceIsFollowedToTheLastRun()
    {
        // The end of a lesson: runs arrive while the folder is being read, and a reading can end
        // just as the next one is asked for. Each reading's result is taken once, none is lost.
        QTemporaryDir folder;
        ClassFolder classFolder(folder.path(), nullptr);
        constexpr int kRuns = 60;
        for (int pupil = 1; pupil <= kRuns; ++pupil) {
            saveRun(pathIn(folder, QStringLiteral("pupil-%1.csv").arg(pupil).toUtf8().constData()),
                    10 + pupil, static_cast<std::uint32_t>(pupil));
            QTest::qWait(pupil % 3);
        }
        QVERIFY(QTest::qWaitFor([&] { return pooled(classFolder, kRuns, 0); }, 5000));
    }
};

QUINDLE_WIDGET_TEST_MAIN(ClassFolderTest)
#include "class_folder_test.moc"
