// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "files/atomic_write.h"

#include "files/descriptor.h"

#include "files/file_names.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quindle::files {

namespace {

// Eight letters or digits, different in every process and on every call.
std::string hiddenName()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
    std::string name = ".quindle-";
    for (int i = 0; i < 8; ++i)
        name += kLetters[letter(generator)];
    return name + ".part";
}

// The file being written, under a hidden name in the folder it is going to; removed again
// unless it took its final name.
class HiddenFile
{
public:
    explicit HiddenFile(int folder)
        : m_folder(folder)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = hiddenName();
            const int fd = ::openat(folder, name.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd >= 0) {
                m_fd = fd;
                m_name = name;
                return;
            }
            if (errno != EEXIST)
                return;
        }
    }
    ~HiddenFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_name.empty())
            ::unlinkat(m_folder, m_name.c_str(), 0);
    }
    HiddenFile(const HiddenFile &) = delete;
    HiddenFile &operator=(const HiddenFile &) = delete;

    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    [[nodiscard]] int fd() const { return m_fd; }
    [[nodiscard]] const char *name() const { return m_name.c_str(); }
    // Closes now; false (with errno) when the system reports that the data did not make it.
    bool close() { return ::close(std::exchange(m_fd, -1)) == 0; }
    // It has its final name (or a hard link has it): nothing to remove under the hidden one.
    void taken() { m_name.clear(); }

private:
    int m_folder;
    int m_fd = -1;
    std::string m_name;
};

bool notSupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == ENOTSUP;
}

bool noHardLinks(int error)
{
    // FAT answers EPERM; SMB and FUSE mounts without hard links one of the others.
    return error == EPERM || error == EACCES || error == EMLINK || notSupported(error);
}

int systemRenameNoReplace(int folder, const char *from, const char *to)
{
    return ::renameat2(folder, from, folder, to, RENAME_NOREPLACE);
}

int systemLink(int folder, const char *from, const char *to)
{
    return ::linkat(folder, from, folder, to, 0);
}

// Claims candidate with an empty file, then puts the written one over it. A reader may meet
// the empty file for a moment, never a half-written one. 0, or errno.
int takeExclusively(int folder, HiddenFile &hidden, const std::string &candidate)
{
    const int placeholder = ::openat(folder, candidate.c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (placeholder < 0)
        return errno;
    ::close(placeholder);
    if (::renameat(folder, hidden.name(), folder, candidate.c_str()) == 0) {
        hidden.taken();
        return 0;
    }
    const int error = errno;
    ::unlinkat(folder, candidate.c_str(), 0);
    return error;
}

// Gives the hidden file one of the numbered forms of name that nothing has yet; returns the
// name it took, or an empty string with errno set.
std::string takeUnusedName(int folder, HiddenFile &hidden, const std::string &name,
                           NoReplace method, const NamingCalls &calls)
{
    for (int n = 1; n <= kMaxNumbered; ++n) {
        const std::string candidate = numberedName(name, n);
        if (method == NoReplace::Rename) {
            if (calls.renameNoReplace(folder, hidden.name(), candidate.c_str()) == 0) {
                hidden.taken();
                return candidate;
            }
            if (errno == EEXIST)
                continue;
            if (!notSupported(errno))
                return {};
            method = NoReplace::Link;
        }
        if (method == NoReplace::Link) {
            if (calls.link(folder, hidden.name(), candidate.c_str()) == 0)
                return candidate; // the hidden name goes when `hidden` does
            if (errno == EEXIST)
                continue;
            if (!noHardLinks(errno))
                return {};
            method = NoReplace::Exclusive;
        }
        const int error = takeExclusively(folder, hidden, candidate);
        if (error == 0)
            return candidate;
        if (error == EEXIST)
            continue;
        errno = error;
        return {};
    }
    errno = EEXIST;
    return {};
}

// Gives the written file its name: 0, or errno.
int giveName(int folder, HiddenFile &hidden, const std::string &name, Replace replace,
             NoReplace method, const NamingCalls &calls, std::string &taken)
{
    if (replace == Replace::Allowed) {
        if (::renameat(folder, hidden.name(), folder, name.c_str()) != 0)
            return errno;
        hidden.taken();
        taken = name;
        return 0;
    }
    taken = takeUnusedName(folder, hidden, name, method, calls);
    return taken.empty() ? errno : 0;
}

} // namespace

const NamingCalls &systemNamingCalls()
{
    static constexpr NamingCalls kSystem{systemRenameNoReplace, systemLink};
    return kSystem;
}

AtomicWrite writeAtomically(const std::string &folder, const std::string &name,
                            const std::function<bool(int fd)> &write, Replace replace,
                            NoReplace method, const NamingCalls &calls)
{
    const Descriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.get() < 0)
        return {{}, errno};
    if (name.empty())
        return {};
    HiddenFile hidden(folderFd.get());
    if (!hidden.isOpen())
        return {{}, errno};
    if (!write(hidden.fd()))
        return {};
    struct stat existing = {};
    if (replace == Replace::Allowed && ::fstatat(folderFd.get(), name.c_str(), &existing, 0) == 0 &&
        S_ISREG(existing.st_mode))
        ::fchmod(hidden.fd(), existing.st_mode & 07777);
    // fsync: on the disk before it has its name, so that a power cut leaves the old file or
    // the new one, never an empty one. Some file systems cannot (EINVAL): then as it comes.
    if ((::fsync(hidden.fd()) != 0 && errno != EINVAL) || !hidden.close())
        return {{}, errno};
    std::string taken;
    if (const int error = giveName(folderFd.get(), hidden, name, replace, method, calls, taken);
        error != 0)
        return {{}, error};
    ::fsync(folderFd.get()); // the new name on the disk too, where the folder can be synced
    return {taken, 0};
}

} // namespace quindle::files
