// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Fuzz target for the results reader: any bytes must be read without a crash, and a run that is
// read must be written back to a file that reads as the same run.

#include "classroom/results_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace quindle;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const ReadResult read = readResults(bytes);
    const RunResults *run = read.run();
    if (run == nullptr)
        return 0;
    const std::string written = writeResults(*run);
    // A run whose saved time or pace fills nearly the whole file may be written back a few
    // bytes longer (with quotes, or with the ratios' full three decimals) than a file may be.
    if (written.size() > kMaxFileBytes)
        return 0;
    const ReadResult again = readResults(written);
    if (again.run() == nullptr || !(*again.run() == *run)) {
        std::fprintf(stderr, "The run read does not read back the same once written:\n%s\n",
                     written.c_str());
        std::abort();
    }
    return 0;
}
