// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// Memory that runs out while a results file is read: the file is not blamed for it. A program of
// its own, since it replaces the allocator with one that can be told to fail.

#include "classroom/results_file.h"
#include "classroom/sample_run.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

// How many more allocations succeed; none are refused while it is negative.
std::atomic<long> g_allocationsLeft{-1};

} // namespace

void *operator new(std::size_t size)
{
    if (g_allocationsLeft.load() >= 0 && g_allocationsLeft.fetch_sub(1) <= 0)
        throw std::bad_alloc();
    if (void *memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void *memory) noexcept
{
    std::free(memory);
}

void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}

namespace quindle::testing {
namespace {

TEST(OutOfMemory, IsSaidAsSuchWhereverReadingRunsOutAndTheFileReadsOnceThereIsRoom)
{
    const std::string text = writeResults(sampleRun(40));
    // Reading this file allocates more often than any of these: the first allocation refused,
    // one in the header, and some while the table's room for the history is reserved.
    for (const long allowed : {0L, 1L, 5L, 12L}) {
        g_allocationsLeft = allowed;
        const ReadResult read = readResults(text);
        g_allocationsLeft = -1;
        ASSERT_NE(read.problem(), nullptr) << allowed << " allocations allowed";
        EXPECT_EQ(read.problem()->problem, Problem::OutOfMemory) << allowed;
    }
    EXPECT_TRUE(readResults(text).ok());
}

} // namespace
} // namespace quindle::testing
