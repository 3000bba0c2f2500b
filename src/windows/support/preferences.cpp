// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "windows/support/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quindle {

QString folderPath(const QString &folder)
{
    return folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

void Preferences::setZoom(int zoom, SetBy by)
{
    if (zoom != m_zoom) {
        m_zoom = zoom;
        emit zoomChanged(zoom, by);
    }
}

void Preferences::setPace(Pace pace)
{
    if (pace != m_pace) {
        m_pace = pace;
        emit paceChanged(pace);
    }
}

void Preferences::setExpectedRangeShown(bool shown)
{
    if (shown != m_expectedRange) {
        m_expectedRange = shown;
        emit expectedRangeShownChanged(shown);
    }
}

void Preferences::setGraphView(GraphView view)
{
    if (view != m_graphView) {
        m_graphView = view;
        emit graphViewChanged(view);
    }
}

void Preferences::setClassFolder(const QString &folder)
{
    m_classFolderFailed = false;
    if (const QString path = folderPath(folder); path != m_classFolder) {
        m_classFolder = path;
        emit classFolderChanged(path);
    }
}

bool Preferences::isClassFolder(const QString &folder) const
{
    if (m_classFolder.isEmpty() || folder.isEmpty())
        return false;
    const QFileInfo one(folder), other(m_classFolder);
    if (one.exists() && other.exists())
        return one.canonicalFilePath() == other.canonicalFilePath();
    return folderPath(folder) == m_classFolder;
}

void Preferences::setLastFolder(const QString &folder, SetBy by)
{
    if (const QString path = folderPath(folder); path != m_lastFolder) {
        m_lastFolder = path;
        emit lastFolderChanged(path, by);
    }
}

void Preferences::setClassResultsFolder(const QString &folder)
{
    if (const QString path = folderPath(folder); path != m_classResultsFolder) {
        m_classResultsFolder = path;
        emit classResultsFolderChanged(path);
    }
}

void Preferences::noteWrite(const QString &folder, bool ok)
{
    if (isClassFolder(folder))
        m_classFolderFailed = !ok;
    else if (ok)
        setLastFolder(folder);
}

QString Preferences::dialogFolder() const
{
    return !m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir() ? m_lastFolder : documents();
}

QString Preferences::classResultsDialogFolder() const
{
    return m_classResultsFolder.isEmpty() ? dialogFolder() : m_classResultsFolder;
}

QString Preferences::documents()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace quindle
