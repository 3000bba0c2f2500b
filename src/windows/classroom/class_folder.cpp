#include "windows/classroom/class_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QThreadPool>

#include <exception>
#include <memory>

namespace quindle {

namespace {

std::shared_ptr<const ReadResult> readFile(const QFileInfo &info)
{
    // A file larger than any results file can be is not read at all.
    if (info.size() > static_cast<qint64>(kMaxFileBytes)) {
        return std::make_shared<const ReadResult>(
            ReadProblem{.problem = Problem::TooLarge,
                        .found = info.size(),
                        .expected = static_cast<long long>(kMaxFileBytes)});
    }
    QFile file(info.absoluteFilePath());
    if (!file.open(QIODevice::ReadOnly)) // gone, or not readable: nothing to pool
        return std::make_shared<const ReadResult>(ReadProblem{.problem = Problem::Empty});
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxFileBytes) + 1);
    return std::make_shared<const ReadResult>(
        readResults(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

// The threads the files are read on. A pool of their own: the reading itself runs on Qt's global
// pool, and mapping onto that same pool from inside it held the user-interface thread up for as
// long as the reading took.
QThreadPool &readers()
{
    static QThreadPool pool;
    return pool;
}

} // namespace

ClassFolder::ClassFolder(QString path, QObject *parent)
    : QObject(parent)
    , m_path(std::move(path))
{
    m_watcher.addPath(m_path);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ClassFolder::look);
    m_rescan.setInterval(kRescanMs);
    connect(&m_rescan, &QTimer::timeout, this, &ClassFolder::look);
    m_rescan.start();
    connect(&m_reading, &QFutureWatcher<Reading>::finished, this, &ClassFolder::done);
    look();
}

ClassFolder::~ClassFolder()
{
    m_reading.waitForFinished();
}

ClassFolder::Reading ClassFolder::read(const QString &path, const Files &known)
{
    Reading reading;
    const QFileInfoList listed =
        QDir(path).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    QList<QFileInfo> toRead;
    for (const QFileInfo &info : listed) {
        const auto was = known.constFind(info.fileName());
        if (was != known.cend() && was->size == info.size() && was->modified == info.lastModified())
            reading.files.insert(info.fileName(), *was);
        else
            toRead << info;
    }
    reading.changed = !toRead.isEmpty() || reading.files.size() != known.size();
    if (!reading.changed)
        return reading;
    // One file a task; the pool is this reading's alone (one reading at a time).
    QList<std::shared_ptr<const ReadResult>> results(toRead.size());
    for (qsizetype i = 0; i < toRead.size(); ++i)
        readers().start([&results, &toRead, i] { results[i] = readFile(toRead[i]); });
    readers().waitForDone();
    for (qsizetype i = 0; i < toRead.size(); ++i)
        reading.files.insert(toRead[i].fileName(),
                             {toRead[i].size(), toRead[i].lastModified(), results[i]});
    // The oldest file first: of two files with the same run, the later one is the copy.
    QStringList names = reading.files.keys();
    std::ranges::sort(names, [&reading](const QString &a, const QString &b) {
        const File &fileA = reading.files[a], &fileB = reading.files[b];
        return fileA.modified != fileB.modified ? fileA.modified < fileB.modified : a < b;
    });
    std::vector<RunFile> files;
    files.reserve(static_cast<std::size_t>(names.size()));
    for (const QString &name : names)
        files.push_back({name.toStdString(), *reading.files[name].result});
    reading.pool = poolRuns(std::move(files));
    return reading;
}

void ClassFolder::look()
{
    if (m_reading.isRunning()) {
        m_lookAgain = true;
        return;
    }
    // On Qt's global pool; running from now on. The promise is shared so that the task can
    // be copied.
    auto promise = std::make_shared<QPromise<Reading>>();
    promise->start();
    m_reading.setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, path = m_path, files = m_files] {
        try {
            promise->addResult(read(path, files));
        } catch (...) { // handed to whoever takes the result, as QtConcurrent::run does
            promise->setException(std::current_exception());
        }
        promise->finish();
    });
}

void ClassFolder::done()
{
    Reading reading = m_reading.result();
    if (reading.changed) {
        m_files = std::move(reading.files);
        m_pool = std::move(reading.pool);
        emit pooled();
    }
    if (std::exchange(m_lookAgain, false))
        look();
}

} // namespace quindle
