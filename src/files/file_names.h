// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// The numbered names a file takes where its own is in use, and whether a folder can be
// written into. Names and paths are in the file system's bytes.
//
// Plain POSIX and the standard library.

#include <string>

namespace quindle::files {

// The highest number a numbered name gets: " (9999)".
inline constexpr int kMaxNumbered = 9999;

// name with " (n)" before its extension: "Anna 2026-12-07.csv" becomes "Anna 2026-12-07 (2).csv";
// n of 1 or less leaves it as it is.
[[nodiscard]] std::string numberedName(const std::string &name, int n);
// name, or the first numbered name after it, that nothing in folder has yet (a symbolic link
// pointing nowhere has it too); name itself when all are taken.
[[nodiscard]] std::string unusedName(const std::string &folder, const std::string &name);

// errno for why nothing can be written into folder (ENOENT, ENOTDIR, EACCES, EROFS, ...), or 0
// when it can be tried.
[[nodiscard]] int folderProblem(const std::string &folder);

} // namespace quindle::files
