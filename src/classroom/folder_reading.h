// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// A class's folder as the file system has it, listed and read as files other people made must
// be: by their names' own bytes (a name need not be UTF-8), regular files only, each opened
// without blocking and checked on the open descriptor before a byte is read, and no more read
// than a results file can hold. A named pipe, a device or a socket is listed with what it is and
// never opened; nothing is ever written. Hidden entries (a name starting with '.', as a results
// file has while it is being written, and office lock files ".~lock.NAME#") and office owner
// files ("~$NAME") are left out. Subfolders are read kMaxFolderDepth levels down.
//
// Plain POSIX and the standard library: it runs on reader threads, away from any window.

#include "classroom/class_pool.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace quindle {

// What tells one state of a file from another: where it is on the disk, its size and times.
struct FileStamp
{
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0; // metadata too: a file made readable changes it

    bool operator==(const FileStamp &) const = default;
};

struct FolderEntry
{
    // The path below the folder, '/' between folders, in the file system's bytes.
    std::string name;
    FileStamp stamp;
    // Null for a regular file, which is still to be read; else why the entry cannot be read.
    std::shared_ptr<const ReadResult> problem;
};

struct FolderListing
{
    int error = 0; // errno when the folder itself could not be listed; nothing else is set then
    std::vector<FolderEntry> entries{};
    std::vector<std::string> folders{}; // the folders read: "" for the folder itself, then below
    // Some of it lies on a file system whose changes no watcher on this machine hears of: NFS,
    // SMB/CIFS, FUSE and other network file systems.
    bool networked = false;
};

// Lists folder and its subfolders; stops early (with what it has) once cancelled is set.
[[nodiscard]] FolderListing listFolder(const std::string &folder,
                                       const std::atomic<bool> &cancelled);

// Reads the regular file at path as a results file: opened for reading only and without
// blocking, checked to be a regular file on the open descriptor, read to at most one byte more
// than a results file may have. A file that cannot be opened or read says why (errno).
[[nodiscard]] ReadResult readResultsFile(const std::string &path);

} // namespace quindle
