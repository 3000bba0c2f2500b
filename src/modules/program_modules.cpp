// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "modules/program_modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPluginLoader>

namespace quindle {

namespace {

struct Loaded
{
    QObject *object = nullptr;
    QString error;
};

QStringList &addedDirectories()
{
    static QStringList directories;
    return directories;
}

Loaded load(const char *module)
{
    const QString file = QStringLiteral("lib%1.so").arg(QLatin1String(module));
    const QStringList directories = moduleDirectories();
    for (const QString &directory : directories) {
        const QString path = QDir(directory).filePath(file);
        if (!QFileInfo(path).isFile())
            continue;
        // Never unloaded: its objects live as long as the program. Every symbol is resolved
        // now, so that a missing library is reported here and not at some later call.
        QPluginLoader loader(path);
        loader.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (QObject *instance = loader.instance())
            return {instance, {}};
        return {nullptr, loader.errorString()};
    }
    return {nullptr, QStringLiteral("%1: cannot open shared object file: it is in none of %2")
                         .arg(file, directories.join(QLatin1String(", ")))};
}

} // namespace

QStringList moduleDirectories()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return QStringList{QDir::cleanPath(program.filePath(QStringLiteral(QUINDLE_MODULE_DIR))),
                       program.path()} +
           addedDirectories();
}

void addModuleDirectory(const QString &directory)
{
    addedDirectories().append(directory);
}

QObject *moduleInstance(const char *module, QString *error)
{
    static QHash<QByteArray, Loaded> loaded; // by module: each is loaded once
    auto found = loaded.find(module);
    if (found == loaded.end())
        found = loaded.insert(module, load(module));
    if (error)
        *error = found->error;
    return found->object;
}

QString notTheModuleWanted(const char *module, const char *interfaceId)
{
    return QStringLiteral("lib%1.so is not the module wanted: it does not implement %2")
        .arg(QLatin1String(module), QLatin1String(interfaceId));
}

} // namespace quindle
