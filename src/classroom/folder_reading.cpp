// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "classroom/folder_reading.h"

#include "files/descriptor.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

namespace quindle {

namespace {

using files::Descriptor;

// The bytes of the last file read on this thread, its room kept for the next file.
std::string &readBuffer()
{
    thread_local std::string buffer;
    return buffer;
}

std::shared_ptr<const ReadResult> problemOf(ReadProblem problem)
{
    return std::make_shared<const ReadResult>(problem);
}

std::shared_ptr<const ReadResult> notAFile(EntryKind kind)
{
    return problemOf({.problem = Problem::NotAFile, .found = static_cast<long long>(kind)});
}

FileStamp stampOf(const struct stat &status)
{
    return {.device = status.st_dev,
            .inode = status.st_ino,
            .size = status.st_size,
            .modifiedNs = status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec,
            .changedNs = status.st_ctim.tv_sec * 1'000'000'000LL + status.st_ctim.tv_nsec};
}

EntryKind kindOf(mode_t mode)
{
    if (S_ISFIFO(mode))
        return EntryKind::Fifo;
    if (S_ISSOCK(mode))
        return EntryKind::Socket;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return EntryKind::Device;
    if (S_ISDIR(mode))
        return EntryKind::FolderLink;
    return EntryKind::Other;
}

// Left out of the class without a word: what is hidden, and what an office program keeps
// beside a file it has open.
bool skipped(std::string_view name)
{
    return name.starts_with('.') || name.starts_with("~$");
}

class Lister
{
public:
    Lister(FolderListing &listing, const std::atomic<bool> &cancelled)
        : m_listing(listing)
        , m_cancelled(cancelled)
    {}

    // Lists the open folder dirFd, which is `prefix` below the class's folder, depth levels
    // down; takes the descriptor over. Returns errno when the folder cannot be listed.
    int list(int dirFd, const std::string &prefix, int depth)
    {
        DIR *directory = ::fdopendir(dirFd);
        if (directory == nullptr) {
            const int error = errno;
            ::close(dirFd);
            return error;
        }
        m_listing.folders.push_back(prefix);
        struct statfs system = {};
        if (::fstatfs(dirFd, &system) == 0 && networked(system))
            m_listing.networked = true;
        std::vector<std::string> names;
        errno = 0;
        while (const dirent *entry = ::readdir(directory)) {
            const std::string_view name = entry->d_name;
            if (!skipped(name))
                names.emplace_back(name);
            errno = 0;
        }
        const int listError = errno;
        std::ranges::sort(names);
        for (const std::string &name : names) {
            if (m_cancelled.load(std::memory_order_relaxed))
                break;
            add(dirfd(directory), prefix, name, depth);
        }
        ::closedir(directory);
        return listError;
    }

private:
    static bool networked(const struct statfs &system)
    {
        // The file systems whose changes another machine can make, unseen by inotify.
        constexpr long kNetworked[] = {
            0x6969,     // NFS
            0x517B,     // SMB
            0xFF534D42, // CIFS
            0xFE534D42, // SMB2
            0x65735546, // FUSE (sshfs, gvfs, ...)
            0x01021997, // 9P (shared folders of virtual machines)
            0x00C36400, // Ceph
            0x5346414F, // AFS
            0x73757245, // Coda
            0x564C,     // NCP
        };
        return std::ranges::find(kNetworked, static_cast<long>(system.f_type)) !=
               std::end(kNetworked);
    }

    void add(int dirFd, const std::string &prefix, const std::string &name, int depth)
    {
        const std::string path = prefix + name;
        struct stat own = {};
        if (::fstatat(dirFd, name.c_str(), &own, AT_SYMLINK_NOFOLLOW) != 0)
            return; // gone since it was listed
        if (S_ISDIR(own.st_mode)) {
            if (depth >= kMaxFolderDepth) {
                m_listing.entries.push_back({path, {}, problemOf({.problem = Problem::TooDeep})});
                return;
            }
            const int subFd =
                ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            const int error = subFd < 0 ? errno : list(subFd, path + '/', depth + 1);
            if (error != 0)
                m_listing.entries.push_back(
                    {path, {}, problemOf({.problem = Problem::CannotOpen, .found = error})});
            return;
        }
        struct stat status = own;
        if (S_ISLNK(own.st_mode) && ::fstatat(dirFd, name.c_str(), &status, 0) != 0) {
            const int error = errno;
            m_listing.entries.push_back(
                {path,
                 {},
                 error == ENOENT  ? notAFile(EntryKind::MissingTarget)
                 : error == ELOOP ? notAFile(EntryKind::LinkLoop)
                                  : problemOf({.problem = Problem::CannotOpen, .found = error})});
            return;
        }
        if (S_ISREG(status.st_mode))
            m_listing.entries.push_back({path, stampOf(status), nullptr});
        else
            m_listing.entries.push_back({path, {}, notAFile(kindOf(status.st_mode))});
    }

    FolderListing &m_listing;
    const std::atomic<bool> &m_cancelled;
};

} // namespace

FolderListing listFolder(const std::string &folder, const std::atomic<bool> &cancelled)
{
    FolderListing listing;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        listing.error = errno;
        return listing;
    }
    Lister lister(listing, cancelled);
    if (const int error = lister.list(fd, {}, 0); error != 0)
        return FolderListing{.error = error};
    return listing;
}

ReadResult readResultsFile(const std::string &path)
{
    // O_NONBLOCK: should the regular file listed have been replaced by a named pipe since, the
    // open returns at once instead of waiting for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return ReadProblem{.problem = Problem::CannotOpen, .found = errno};
    struct stat status = {};
    if (::fstat(file.get(), &status) != 0)
        return ReadProblem{.problem = Problem::CannotRead, .found = errno};
    if (!S_ISREG(status.st_mode))
        return ReadProblem{.problem = Problem::NotAFile,
                           .found = static_cast<long long>(kindOf(status.st_mode))};
    // A file larger than any results file can be is not read at all.
    if (status.st_size > static_cast<off_t>(kMaxFileBytes))
        return ReadProblem{.problem = Problem::TooLarge,
                           .found = status.st_size,
                           .expected = static_cast<long long>(kMaxFileBytes)};
    // Up to one byte more than a results file may have, however much it grows meanwhile, into
    // the buffer this thread read its last file into: a results file is larger than the blocks
    // the allocator keeps in its heap, so a buffer of its own would be mapped, zeroed, faulted in
    // page by page and unmapped again for every file, which cost more than the reading.
    std::string &bytes = readBuffer();
    constexpr std::size_t kLimit = kMaxFileBytes + 1;
    if (bytes.size() < static_cast<std::size_t>(status.st_size) + 1)
        bytes.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t filled = 0;
    while (filled < kLimit) {
        if (filled == bytes.size())
            bytes.resize(std::min(bytes.size() * 2, kLimit));
        const ssize_t got =
            ::read(file.get(), bytes.data() + filled, std::min(bytes.size(), kLimit) - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return ReadProblem{.problem = Problem::CannotRead, .found = errno};
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return readResults(std::string_view(bytes.data(), filled));
}

} // namespace quindle
