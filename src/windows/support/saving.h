#pragma once

// Saving files the pupil or teacher asks for: a file is written whole or not at all, and a
// failure names the file and the reason.

#include <QString>

#include <functional>

class QIODevice;
class QWidget;

namespace quindle {

// Writes a file through a temporary one that replaces path only once write has succeeded and
// everything is on disk; a failed write leaves an existing file as it was. write fills the
// device and returns false when it could not. Returns an empty string, or why the file could
// not be written.
[[nodiscard]] QString writeFileSafely(const QString &path,
                                      const std::function<bool(QIODevice &)> &write);

// The same for a whole text, in UTF-8.
[[nodiscard]] QString writeTextSafely(const QString &path, const QString &text);

// Asks for a file name, suggesting `suggested`, and hands it to save, which returns an empty
// string or why the file could not be written; a failure is shown with the file's name.
void saveThroughDialog(QWidget *window, const QString &title, const QString &suggested,
                       const QString &filter, const std::function<QString(const QString &)> &save);

} // namespace quindle
