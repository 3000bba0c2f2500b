// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "sound/cue_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quindle {

QStringList cueSearchDirectories()
{
    return {QDir::currentPath(), QCoreApplication::applicationDirPath()};
}

QUrl locateCue(const QString &name, const QStringList &dirs)
{
    if (name.isEmpty())
        return {};
    for (const QString &dir : dirs) {
        const QFileInfo file(QDir(dir), name);
        if (file.isFile())
            return QUrl::fromLocalFile(file.absoluteFilePath());
    }
    const QString builtIn = QStringLiteral(":/sounds/") + name;
    if (QFileInfo::exists(builtIn))
        return QUrl(QStringLiteral("qrc") + builtIn);
    return {};
}

} // namespace quindle
