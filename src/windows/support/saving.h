// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Saving files the pupil or teacher asks for. A file appears in its folder only complete: it is
// written under a hidden temporary name in the same folder, flushed to the disk, and only then
// renamed into place, so that a class window reading the folder (on a network share or a USB
// stick as well) never meets it half-written, and a failed write leaves nothing behind. A
// failure names the file and the system's reason.

#include "files/atomic_write.h"

#include <QString>

#include <functional>

class QIODevice;
class QWidget;

namespace quindle {

class Preferences;

struct WrittenFile
{
    QString path;  // where the file is now; empty when nothing was written
    QString error; // why nothing was written; empty when the file was
};

// Writes the file at path: write fills the device and returns false when it could not. Where
// path is a symbolic link, the file it points to is written. A replaced file keeps its
// permissions; a failed write leaves an existing file as it was.
WrittenFile writeFile(const QString &path, const std::function<bool(QIODevice &)> &write,
                      Replace replace = Replace::Allowed, NoReplace method = NoReplace::Rename);

// The same, replacing any file at path; returns an empty string, or why the file could not be
// written.
[[nodiscard]] QString writeFileSafely(const QString &path,
                                      const std::function<bool(QIODevice &)> &write);
// The same for a whole text, in UTF-8.
[[nodiscard]] QString writeTextSafely(const QString &path, const QString &text);

// name with " (n)" before its extension: "Anna 2026-12-07.csv" becomes "Anna 2026-12-07 (2).csv".
[[nodiscard]] QString numberedName(const QString &name, int n);
// name, or the first numbered name after it, that nothing in folder has yet.
[[nodiscard]] QString unusedName(const QString &folder, const QString &name);

// Why nothing can be written into folder, in the system's words ("No such file or directory",
// "Permission denied", "Read-only file system"), or an empty string when it can be tried.
[[nodiscard]] QString folderProblem(const QString &folder);
// Why a file could not be written into folder: the folder's own problem where it has one, else
// fileReason, the reason the file gave.
[[nodiscard]] QString reasonInFolder(const QString &folder, const QString &fileReason);

// Asks for a file name, suggesting `suggested` (a bare name goes into the preferences'
// dialogFolder()), and hands it to save, which returns an empty string or why the file could
// not be written; a failure is shown with the file's name, and the folder written into is noted
// in the preferences. Returns the path saved to, or an empty string.
QString saveThroughDialog(QWidget *window, Preferences &preferences, const QString &title,
                          const QString &suggested, const QString &filter,
                          const std::function<QString(const QString &)> &save);

} // namespace quindle
