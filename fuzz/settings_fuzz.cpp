// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Fuzz target for the settings files: any bytes, as the user's file and the system's (split at
// the first NUL byte), must be read without a crash or a wait, hand on only valid values, and,
// where the user's file was read whole, take what is remembered so that the next start reads
// it back.

#include "app/settings.h"
#include "windows/controls/twips.h"
#include "windows/support/preferences.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

QString s_root; // the folder every input's files go in, removed at the end

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "settings_fuzz: %s\n", what);
        std::abort();
    }
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace quindle;
    static const QString &root = [] {
        qInstallMessageHandler(quiet); // Qt's own words about odd values in the files
        // In memory where there is a tmpfs: Qt syncs each settings file it writes to the disk.
        const QDir memory(QStringLiteral("/dev/shm"));
        s_root = (memory.exists() ? memory : QDir::temp())
                     .filePath(QStringLiteral("quindle-settings-fuzz-%1")
                                   .arg(QCoreApplication::applicationPid()));
        std::atexit([] { QDir(s_root).removeRecursively(); });
        return s_root;
    }();
    // Every input in folders of its own: Qt keeps what it read of a file while its size and
    // time stay the same.
    static long long input = 0;
    const QString folder = QStringLiteral("%1/%2").arg(root).arg(++input);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder + QStringLiteral("/user")));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder + QStringLiteral("/system")));

    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype split = bytes.indexOf('\0');
    write(Settings::userFile(), split < 0 ? bytes : bytes.left(split));
    if (split >= 0)
        write(Settings::systemFiles().value(0), bytes.mid(split + 1));

    const auto ignore = [](const QString &) {};
    Settings settings(ignore);
    settings.tellWarnings(); // each line put into words
    // A relative folder let through would be taken from the working folder: this input's own.
    const QString working = QDir::currentPath();
    QDir::setCurrent(folder);
    Preferences preferences;
    settings.load(preferences);
    QDir::setCurrent(working);
    check(std::find(std::begin(kZoomSteps), std::end(kZoomSteps), preferences.zoom()) !=
              std::end(kZoomSteps),
          "a zoom that is not a step");
    check(!preferences.classFolder().startsWith(folder),
          "a class folder that is not an absolute path");
    check(!preferences.lastFolder().startsWith(folder),
          "a last folder that is not an absolute path");

    settings.persist(preferences);
    preferences.setZoom(preferences.zoom() == 175 ? 150 : 175);
    preferences.setLastFolder(QStringLiteral("/home/pupil/Results, 5a"));
    if (settings.remembers()) {
        const Settings next(ignore);
        Preferences read;
        next.load(read);
        check(read.zoom() == preferences.zoom(), "the zoom remembered is not read back");
        check(read.lastFolder() == QStringLiteral("/home/pupil/Results, 5a"),
              "the folder remembered is not read back");
    }
    QDir(folder).removeRecursively();
    return 0;
}
