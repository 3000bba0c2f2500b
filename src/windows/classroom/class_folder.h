#pragma once

// A folder of pupils' results files, read and pooled off the user-interface thread and watched
// for changes: a file saved, replaced or removed there shows within two seconds, through the
// file system's notifications where they arrive and a re-scan every second where they do not
// (a network share). Only files that changed are read again. Nothing in the folder is ever
// written, moved, renamed or locked: files are opened for reading only.

#include "classroom/class_pool.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

namespace quindle {

class ClassFolder : public QObject
{
    Q_OBJECT
public:
    // How often the folder is looked at when no notification comes.
    static constexpr int kRescanMs = 1000;

    ClassFolder(QString path, QObject *parent);
    ~ClassFolder() override;

    // The class as last pooled; empty until the first reading is done.
    [[nodiscard]] const ClassPool &pool() const { return m_pool; }

    // What one file read to, kept while its size and time stay the same.
    struct File
    {
        qint64 size = 0;
        QDateTime modified;
        std::shared_ptr<const ReadResult> result;
    };
    using Files = QHash<QString, File>;
    struct Reading
    {
        Files files;
        ClassPool pool;
        bool changed = false; // whether any file came, went or changed since the last reading
    };
    // Lists path's files (not hidden ones, not folders), reads those not in known as they are,
    // and pools them all; the files' reading spreads over the machine's cores.
    [[nodiscard]] static Reading read(const QString &path, const Files &known);

signals:
    // A new pool is ready.
    void pooled();

private:
    void look();
    void done();

    QString m_path;
    QFileSystemWatcher m_watcher;
    QTimer m_rescan;
    QFutureWatcher<Reading> m_reading;
    bool m_lookAgain = false; // the folder changed while it was being read
    Files m_files;
    ClassPool m_pool;
};

} // namespace quindle
