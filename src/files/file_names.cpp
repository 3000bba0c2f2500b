// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#include "files/file_names.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quindle::files {

std::string numberedName(const std::string &name, int n)
{
    if (n <= 1)
        return name;
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        dot = name.size();
    return name.substr(0, dot) + " (" + std::to_string(n) + ")" + name.substr(dot);
}

std::string unusedName(const std::string &folder, const std::string &name)
{
    for (int n = 1; n < kMaxNumbered; ++n) {
        const std::string candidate = numberedName(name, n);
        const std::string path = folder.empty() ? candidate : folder + '/' + candidate;
        struct stat status = {};
        if (::lstat(path.c_str(), &status) != 0)
            return candidate;
    }
    return name;
}

int folderProblem(const std::string &folder)
{
    struct stat status = {};
    if (folder.empty())
        return ENOENT;
    if (::stat(folder.c_str(), &status) != 0)
        return errno;
    if (!S_ISDIR(status.st_mode))
        return ENOTDIR;
    if (::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return errno;
    return 0;
}

} // namespace quindle::files
