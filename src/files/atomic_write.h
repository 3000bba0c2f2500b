// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A file written whole or not at all. It is written under a hidden name
// (".quindle-XXXXXXXX.part") in the folder it is going to, flushed to the disk, and only then
// given its name, so that someone reading the folder (on a network share or a USB stick as
// well) never meets it half-written, and a failed write leaves nothing behind. Names are in the
// file system's bytes; failures are errno values.
//
// Plain POSIX and the standard library.

#include <functional>
#include <string>

namespace quindle {

// Whether a file written may replace one of the same name.
enum class Replace {
    Allowed, // the user chose the name and was asked before replacing
    Never,   // " (2)", " (3)", ... is added where the name is taken when the file takes it
};

// How a new file takes a name without replacing another: Linux's rename that refuses to
// replace, a hard link, or the name created exclusively first and then renamed over. The first
// of them the folder's file system supports is used (FAT and some SMB mounts have neither of
// the first two); tests may start further down the list.
enum class NoReplace { Rename, Link, Exclusive };

namespace files {

// The two calls a file takes a name with that some file systems do not have; each returns 0 or
// -1 with errno set, on names in the same folder. Tests put calls in their place that fail as
// such a file system's do.
struct NamingCalls
{
    int (*renameNoReplace)(int folder, const char *from, const char *to);
    int (*link)(int folder, const char *from, const char *to);
};

// The system's own: renameat2 with RENAME_NOREPLACE, and linkat.
[[nodiscard]] const NamingCalls &systemNamingCalls();

struct AtomicWrite
{
    std::string name; // the name the file took in its folder; empty when nothing was written
    // errno when the system refused; 0 (and no name) when the name was empty or write failed.
    int error = 0;
};

// Writes the file `name` in folder: write fills the open descriptor it is given and returns
// false when it could not. A replaced file keeps its permissions; a failed write leaves an
// existing file as it was, and no hidden file behind.
[[nodiscard]] AtomicWrite writeAtomically(const std::string &folder, const std::string &name,
                                          const std::function<bool(int fd)> &write,
                                          Replace replace = Replace::Allowed,
                                          NoReplace method = NoReplace::Rename,
                                          const NamingCalls &calls = systemNamingCalls());

} // namespace files

} // namespace quindle
