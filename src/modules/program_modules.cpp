// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "modules/program_modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <dlfcn.h>

namespace quindle {

namespace {

using ModuleEntry = void *(*)();

struct Loaded
{
    void *object = nullptr;
    QString error;
};

Loaded load(const char *module, const char *entry)
{
    const QString file = QStringLiteral("lib%1.so").arg(QLatin1String(module));
    // The first of the module folders that has it; failing that, where the dynamic linker
    // looks for the program's own libraries: a test or a benchmark built with the modules has
    // their folder on its run path.
    QString path = file;
    for (const QString &directory : moduleDirectories()) {
        if (QFileInfo(QDir(directory).filePath(file)).isFile()) {
            path = QDir(directory).filePath(file);
            break;
        }
    }
    // Never unloaded: its objects live as long as the program.
    void *library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        QString why = QString::fromLocal8Bit(dlerror());
        if (path == file)
            why +=
                QStringLiteral(" (nor in %1)").arg(moduleDirectories().join(QLatin1String(", ")));
        return {nullptr, why};
    }
    auto *function = reinterpret_cast<ModuleEntry>(dlsym(library, entry));
    if (!function)
        return {nullptr, QString::fromLocal8Bit(dlerror())};
    return {function(), {}};
}

} // namespace

QStringList moduleDirectories()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(program.filePath(QStringLiteral(QUINDLE_MODULE_DIR))), program.path()};
}

void *moduleObject(const char *module, const char *entry, QString *error)
{
    static QHash<QByteArray, Loaded> loaded; // by module and entry: each is loaded once
    const QByteArray key = QByteArray(module) + '/' + entry;
    auto found = loaded.find(key);
    if (found == loaded.end())
        found = loaded.insert(key, load(module, entry));
    if (error)
        *error = found->error;
    return found->object;
}

} // namespace quindle
