// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A folder of pupils' results files, read and pooled off the user-interface thread and followed
// as files come, change and go: through the file system's notifications (on the folder, its
// subfolders and every file), and by looking every second only where none can be had (a network
// file system, on which nothing is watched; a name the watcher cannot take; the folder gone). A
// look follows each batch of new watches, for what changed before they were taken. Only entries
// that changed are read again, except a file that could not be opened, which is tried again every
// time. The folder is read as folder_reading.h says, and nothing in it is ever written, moved,
// renamed or locked.
//
// The reading runs on threads of the folder's own and hands its pool over whole, shared and
// never copied. Nothing waits for it: closing abandons a reading (a read stuck on a share that
// no longer answers stays stuck on its own thread), and the program's end waits for abandoned
// readings a tenth of a second at most.

#include "classroom/class_pool.h"
#include "classroom/folder_reading.h"

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QThreadPool;

namespace quindle {

struct FolderFiles;   // every entry of a folder as last read
struct ReadingShared; // what the folder shares with its reading threads

class ClassFolder : public QObject
{
    Q_OBJECT
public:
    // How often the folder is looked at where no notification comes.
    static constexpr int kRescanMs = 1000;
    // Reads the file at a path (in the file system's bytes) as a results file.
    using FileReader = std::function<ReadResult(const std::string &path)>;
    // Lists the folder at a path (in the file system's bytes), as listFolder does.
    using FolderLister =
        std::function<FolderListing(const std::string &path, const std::atomic<bool> &cancelled)>;

    // Reads with readResultsFile and lists with listFolder unless given others (a test's).
    ClassFolder(QString path, QObject *parent, FileReader reader = {}, FolderLister lister = {});
    ~ClassFolder() override;

    [[nodiscard]] const QString &path() const { return m_path; }
    // The class as last pooled, replaced whole by each new one; empty until the first reading.
    [[nodiscard]] const ClassPool &pool() const { return *m_pool; }
    [[nodiscard]] const std::shared_ptr<const ClassPool> &sharedPool() const { return m_pool; }
    // Why the folder itself cannot be read now (errno), 0 while it can; the last pool stays.
    [[nodiscard]] int folderError() const { return m_folderError; }
    // Whether the folder is looked at every kRescanMs for want of notifications.
    [[nodiscard]] bool polling() const { return m_poll.isActive(); }

    // What one look at the folder found; the pool and the watched paths only when anything
    // changed since the last look.
    struct Reading
    {
        int folderError = 0;
        bool networked = false;
        std::shared_ptr<const FolderFiles> files{}; // for the next look to compare with
        std::shared_ptr<const ClassPool> pool{};
        QStringList watchAdd{}, watchRemove{}; // absolute paths, changed since the last look
    };

signals:
    // A new pool is ready.
    void pooled();
    // The folder itself became unreadable or readable again.
    void folderErrorChanged();

private:
    void look();
    void heard(const QString &path);
    void done();
    void watch(const Reading &reading);
    void watchMore();
    void unwatchAll();
    void updatePolling();

    QString m_path;
    std::shared_ptr<ReadingShared> m_shared;
    QThreadPool *m_threads; // the folder's own; abandoned, not deleted, while busy
    QFileSystemWatcher m_watcher;
    QSet<QString> m_watched, m_unwatchable;
    QSet<QString> m_lost;      // let go of by the watcher since the last look began
    bool m_newWatches = false; // paths were taken up since the look that followed the last ones
    QStringList m_toWatch;     // taken up a few at a time
    QTimer m_watchLater;
    QTimer m_settle; // notifications come in bursts while a file is written: one look after
    QTimer m_poll;
    QFutureWatcher<Reading> m_reading;
    bool m_busy = false;      // a reading was started and its result not yet taken
    bool m_lookAgain = false; // the folder changed while it was being read
    bool m_networked = false;
    int m_folderError = 0;
    std::shared_ptr<const FolderFiles> m_files;
    std::shared_ptr<const ClassPool> m_pool;
};

} // namespace quindle
