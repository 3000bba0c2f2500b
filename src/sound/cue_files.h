// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>
#include <QUrl>

namespace quindle {

// Where a cue named without a directory is looked up, in order: the current working
// directory, then the program's own directory. A teacher's own wave file in either place
// replaces the built-in cue of the same name.
[[nodiscard]] QStringList cueSearchDirectories();

// The first of dirs that holds a file called name, else the built-in cue of that name
// (qrc:/sounds/NAME), else an empty URL.
[[nodiscard]] QUrl locateCue(const QString &name, const QStringList &dirs = cueSearchDirectories());

} // namespace quindle
