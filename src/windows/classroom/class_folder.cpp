// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/classroom/class_folder.h"

#include "classroom/folder_reading.h"
#include "windows/support/preferences.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <latch>
#include <unordered_map>

namespace quindle {

struct FolderFiles
{
    struct Entry
    {
        FileStamp stamp;
        std::shared_ptr<const ReadResult> result;
        bool reusable = false; // false: read again next time (it could not be opened or read)
    };
    std::unordered_map<std::string, Entry> entries;
    std::vector<std::string> folders; // the folders read, as listFolder names them
};

struct ReadingShared
{
    std::atomic<bool> cancelled{false};
    ClassFolder::FileReader reader;
    ClassFolder::FolderLister lister;
};

namespace {

// At the program's end, abandoned readings get this long in all to finish. A reading told to stop
// stops after the file it is reading, which takes a millisecond on a disk; one stuck on a share
// that no longer answers is in the kernel until the share answers, and no wait would free it, so
// the program ends without it: it has nothing to save, and it ends with the process (which the
// system keeps, windowless, until the share answers that one request).
constexpr int kExitWaitMs = 100;
constexpr int kSettleMs = 50;

// The pools of readings abandoned while they were still running. They are deleted once done;
// a pool with a thread stuck for good is left to the end of the process.
std::vector<QThreadPool *> &abandonedPools()
{
    static std::vector<QThreadPool *> pools;
    return pools;
}

void deleteFinishedPools(QDeadlineTimer deadline)
{
    std::erase_if(abandonedPools(), [&deadline](QThreadPool *pool) {
        if (!pool->waitForDone(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0))))
            return false;
        delete pool;
        return true;
    });
}

void abandon(QThreadPool *pool)
{
    if (pool->waitForDone(0)) {
        delete pool;
        return;
    }
    if (abandonedPools().empty()) {
        static const bool registered = [] {
            qAddPostRoutine([] { deleteFinishedPools(QDeadlineTimer(kExitWaitMs)); });
            return true;
        }();
        (void)registered;
    }
    abandonedPools().push_back(pool);
}

bool reusable(const ReadResult &result)
{
    const ReadProblem *problem = result.problem();
    return !problem ||
           (problem->problem != Problem::CannotOpen && problem->problem != Problem::CannotRead &&
            problem->problem != Problem::OutOfMemory);
}

QString absolutePath(const std::string &folder, const std::string &name)
{
    return QFile::decodeName(
        QByteArray::fromStdString(name.empty() ? folder : folder + '/' + name));
}

// Reads the files of `toRead` (paths below folder) on this thread and as many others of
// `threads` as it has, each file once.
std::vector<std::shared_ptr<const ReadResult>> readAll(const std::string &folder,
                                                       const std::vector<std::string> &toRead,
                                                       const std::shared_ptr<ReadingShared> &shared,
                                                       QThreadPool &threads)
{
    struct Work
    {
        explicit Work(std::size_t files, std::ptrdiff_t readers)
            : results(files)
            , finished(readers)
        {}
        std::vector<std::shared_ptr<const ReadResult>> results;
        std::atomic<std::size_t> next{0};
        std::latch finished;
    };
    const auto helpers = static_cast<std::ptrdiff_t>(std::min<std::size_t>(
        static_cast<std::size_t>(std::max(threads.maxThreadCount() - 1, 0)), toRead.size() / 2));
    auto work = std::make_shared<Work>(toRead.size(), helpers + 1);
    const auto read = [work, shared, folder, &toRead] {
        for (std::size_t i = work->next++; i < toRead.size(); i = work->next++) {
            if (shared->cancelled.load(std::memory_order_relaxed))
                break;
            work->results[i] =
                std::make_shared<const ReadResult>(shared->reader(folder + '/' + toRead[i]));
        }
        work->finished.count_down();
    };
    for (std::ptrdiff_t i = 0; i < helpers; ++i)
        threads.start(read);
    read();
    work->finished.wait();
    return std::move(work->results);
}

// What the watcher has to take up and let go of since `known` (everything when there was
// nothing before): folders first, since they tell of files that come and go. A file under the
// same name that is another file now (saved anew and renamed into place) is let go of and taken
// up again, since a watch follows the file it was taken on; so is whatever the watcher let go of
// itself (`lost`: moved away or deleted) and is there again.
void watchChanges(ClassFolder::Reading &reading, const std::string &folder,
                  const FolderFiles *known, const FolderFiles &files, const QSet<QString> &lost)
{
    const auto isFile = [](const FolderFiles::Entry &entry) { return entry.stamp != FileStamp{}; };
    const auto isLost = [&](const std::string &name) {
        return !lost.isEmpty() && lost.contains(absolutePath(folder, name));
    };
    for (const std::string &name : files.folders) {
        if (!known || std::ranges::find(known->folders, name) == known->folders.end() ||
            isLost(name))
            reading.watchAdd << absolutePath(folder, name);
    }
    for (const auto &[name, entry] : files.entries) {
        if (!isFile(entry))
            continue;
        const auto was = known ? known->entries.find(name) : files.entries.end();
        const bool watched =
            known && was != known->entries.end() && isFile(was->second) && !isLost(name);
        if (watched && was->second.stamp.inode == entry.stamp.inode &&
            was->second.stamp.device == entry.stamp.device)
            continue;
        if (watched)
            reading.watchRemove << absolutePath(folder, name);
        reading.watchAdd << absolutePath(folder, name);
    }
    if (!known)
        return;
    for (const std::string &name : known->folders) {
        if (std::ranges::find(files.folders, name) == files.folders.end())
            reading.watchRemove << absolutePath(folder, name);
    }
    for (const auto &[name, entry] : known->entries) {
        const auto now = files.entries.find(name);
        if (isFile(entry) && (now == files.entries.end() || !isFile(now->second)))
            reading.watchRemove << absolutePath(folder, name);
    }
}

// Pools every file read: the oldest first, then by name, since of two files with the same run
// the later is a copy.
ClassPool poolFiles(const FolderFiles &files)
{
    std::vector<RunFile> runFiles;
    runFiles.reserve(files.entries.size());
    for (const auto &[name, entry] : files.entries)
        runFiles.push_back({name, entry.result});
    std::ranges::sort(runFiles, [&files](const RunFile &a, const RunFile &b) {
        const std::int64_t timeA = files.entries.at(a.name).stamp.modifiedNs;
        const std::int64_t timeB = files.entries.at(b.name).stamp.modifiedNs;
        return timeA != timeB ? timeA < timeB : a.name < b.name;
    });
    return poolRuns(std::move(runFiles));
}

// One look at the folder, on a reading thread: lists it, reads what is new or changed since
// `known`, and pools everything when anything changed. `watchAll`: the watcher has nothing yet;
// `lost`: what it let go of since the last look.
ClassFolder::Reading lookAt(const std::string &folder,
                            const std::shared_ptr<const FolderFiles> &known, bool watchAll,
                            const QSet<QString> &lost, const std::shared_ptr<ReadingShared> &shared,
                            QThreadPool &threads)
{
    ClassFolder::Reading reading;
    FolderListing listing = shared->lister(folder, shared->cancelled);
    reading.networked = listing.networked;
    if (listing.error != 0) {
        reading.folderError = listing.error;
        return reading;
    }
    auto files = std::make_shared<FolderFiles>();
    files->entries.reserve(listing.entries.size());
    bool changed = !known || known->entries.size() != listing.entries.size();
    std::vector<std::string> toRead;
    std::vector<FileStamp> toReadStamps;
    const auto knownEntry = [&known](const std::string &name) -> const FolderFiles::Entry * {
        if (!known)
            return nullptr;
        const auto found = known->entries.find(name);
        return found == known->entries.end() ? nullptr : &found->second;
    };
    const auto keep = [&](std::string name, FileStamp stamp,
                          std::shared_ptr<const ReadResult> result) {
        const FolderFiles::Entry *was = knownEntry(name);
        changed = changed || !was || was->stamp != stamp || *was->result != *result;
        const bool reuse = reusable(*result);
        files->entries.insert_or_assign(std::move(name),
                                        FolderFiles::Entry{stamp, std::move(result), reuse});
    };
    for (FolderEntry &entry : listing.entries) {
        const FolderFiles::Entry *was = knownEntry(entry.name);
        if (entry.problem) {
            keep(std::move(entry.name), {}, std::move(entry.problem));
        } else if (was && was->reusable && was->stamp == entry.stamp) {
            files->entries.insert_or_assign(std::move(entry.name), *was);
        } else {
            toRead.push_back(std::move(entry.name));
            toReadStamps.push_back(entry.stamp);
        }
    }
    std::vector<std::shared_ptr<const ReadResult>> results =
        readAll(folder, toRead, shared, threads);
    if (shared->cancelled.load())
        return {};
    for (std::size_t i = 0; i < toRead.size(); ++i)
        keep(toRead[i], toReadStamps[i], std::move(results[i]));
    files->folders = std::move(listing.folders);
    changed = changed || known->folders != files->folders;
    if (!listing.networked)
        watchChanges(reading, folder, watchAll ? nullptr : known.get(), *files, lost);
    reading.files = files;
    if (changed)
        reading.pool = std::make_shared<const ClassPool>(poolFiles(*files));
    return reading;
}

} // namespace

ClassFolder::ClassFolder(QString path, QObject *parent, FileReader reader, FolderLister lister)
    : QObject(parent)
    , m_path(folderPath(path))
    , m_shared(std::make_shared<ReadingShared>())
    , m_threads(new QThreadPool)
    , m_pool(std::make_shared<const ClassPool>())
{
    deleteFinishedPools(QDeadlineTimer(0));
    m_shared->reader = reader ? std::move(reader) : FileReader(readResultsFile);
    m_shared->lister = lister ? std::move(lister) : FolderLister(listFolder);
    m_threads->setMaxThreadCount(std::max(QThread::idealThreadCount(), 2));
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &ClassFolder::look);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ClassFolder::heard);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &ClassFolder::heard);
    m_poll.setInterval(kRescanMs);
    connect(&m_poll, &QTimer::timeout, this, &ClassFolder::look);
    m_watchLater.setSingleShot(true);
    m_watchLater.setInterval(0);
    connect(&m_watchLater, &QTimer::timeout, this, &ClassFolder::watchMore);
    connect(&m_reading, &QFutureWatcher<Reading>::finished, this, &ClassFolder::done);
    look();
}

ClassFolder::~ClassFolder()
{
    m_shared->cancelled = true;
    m_reading.disconnect(this);
    abandon(m_threads);
}

void ClassFolder::look()
{
    // One reading at a time, from its start until its result is taken: a watcher given a new
    // future still delivers the last one's finished signal when it was already on its way.
    if (m_busy) {
        m_lookAgain = true;
        return;
    }
    m_busy = true;
    auto promise = std::make_shared<QPromise<Reading>>();
    promise->start();
    m_reading.setFuture(promise->future());
    m_threads->start([promise, folder = QFile::encodeName(m_path).toStdString(), known = m_files,
                      watchAll = m_watched.isEmpty() && m_toWatch.isEmpty(),
                      lost = std::exchange(m_lost, {}), shared = m_shared, threads = m_threads] {
        try {
            promise->addResult(lookAt(folder, known, watchAll, lost, shared, *threads));
        } catch (...) { // out of memory: the folder is as unreadable as can be
            promise->addResult(Reading{.folderError = ENOMEM});
        }
        promise->finish();
    });
}

void ClassFolder::heard(const QString &path)
{
    // The watcher lets go of a file or folder moved away or deleted by itself: should the same one
    // be back under its name by the next look, the look has to know to take it up again.
    if (m_watched.contains(path) && !m_watcher.files().contains(path) &&
        !m_watcher.directories().contains(path)) {
        m_watched.remove(path);
        m_lost.insert(path);
    }
    m_settle.start();
}

void ClassFolder::done()
{
    if (!m_busy || !m_reading.future().isFinished() || m_reading.future().resultCount() == 0)
        return;
    m_busy = false;
    Reading reading = m_reading.future().takeResult();
    if (reading.folderError != m_folderError) {
        m_folderError = reading.folderError;
        // Gone or unreadable: the watcher has dropped it, or will be of no use until it is back.
        if (m_folderError != 0)
            unwatchAll();
        emit folderErrorChanged();
    }
    m_networked = reading.networked;
    if (reading.files)
        m_files = std::move(reading.files);
    // Nothing on a network file system is watched: no notification tells of another machine's
    // changes, the folder is looked at every second anyway, and each watch asks the share from
    // this thread, which would hang with a share that stopped answering.
    if (m_folderError == 0 && m_networked)
        unwatchAll();
    else if (m_folderError == 0)
        watch(reading);
    if (reading.pool) {
        m_pool = std::move(reading.pool);
        emit pooled();
    }
    updatePolling();
    if (std::exchange(m_lookAgain, false))
        look();
}

void ClassFolder::watch(const Reading &reading)
{
    if (!reading.watchRemove.isEmpty()) {
        const QSet<QString> gone(reading.watchRemove.cbegin(), reading.watchRemove.cend());
        QStringList watched;
        for (const QString &path : gone) {
            if (m_watched.remove(path))
                watched << path;
            m_unwatchable.remove(path);
        }
        if (!watched.isEmpty())
            m_watcher.removePaths(watched);
        m_toWatch.removeIf([&gone](const QString &path) { return gone.contains(path); });
    }
    // The folder that holds the class's: a folder moved away or renamed tells only its parent.
    if (const QString parent = QFileInfo(m_path).absolutePath();
        parent != m_path && !m_watched.contains(parent) && !m_unwatchable.contains(parent) &&
        !m_toWatch.contains(parent))
        m_toWatch << parent;
    if (m_toWatch.isEmpty() && reading.watchAdd.isEmpty())
        return;
    m_toWatch += reading.watchAdd;
    watchMore();
}

void ClassFolder::watchMore()
{
    // A few at a time: a watch costs the user-interface thread a system call or two, and a
    // school's folder has thousands of files.
    constexpr qsizetype kAtOnce = 128;
    const QStringList now = m_toWatch.mid(0, kAtOnce);
    m_toWatch.remove(0, now.size());
    if (!now.isEmpty()) {
        // Those the watcher cannot take (too many, or a name that is not UTF-8) are looked at.
        const QStringList failed = m_watcher.addPaths(now);
        for (const QString &path : now) {
            if (failed.contains(path))
                m_unwatchable.insert(path);
            else
                m_watched.insert(path);
        }
        m_newWatches = m_newWatches || failed.size() < now.size();
    }
    if (!m_toWatch.isEmpty())
        m_watchLater.start();
    // What changed between the look that listed a path and its watch told nobody: one more look
    // once the new watches are all taken (it finds nothing new to watch unless something came).
    else if (std::exchange(m_newWatches, false))
        m_settle.start();
    updatePolling();
}

void ClassFolder::updatePolling()
{
    if (m_folderError != 0 || m_networked || !m_unwatchable.isEmpty())
        m_poll.start();
    else
        m_poll.stop();
}

void ClassFolder::unwatchAll()
{
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    m_watched.clear();
    m_unwatchable.clear();
    m_toWatch.clear();
    m_lost.clear();
    m_newWatches = false;
}

} // namespace quindle
