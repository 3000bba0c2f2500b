// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

#pragma once

// Root (as on CI) reads and writes every file whatever its permissions say: a test of an unreadable
// file or a read-only folder holds a PermissionsHold, which drops the capabilities that override
// file permissions from the process's effective set until it goes. For others it does nothing.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quindle::testing {

class PermissionsHold
{
public:
    PermissionsHold()
    {
        if (::syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~((1U << CAP_DAC_OVERRIDE) | (1U << CAP_DAC_READ_SEARCH));
        m_lowered = ::syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~PermissionsHold()
    {
        if (m_lowered)
            ::syscall(SYS_capset, &m_header, m_saved);
    }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2] = {};
    bool m_lowered = false;
};

} // namespace quindle::testing
