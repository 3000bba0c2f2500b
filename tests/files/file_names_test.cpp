// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// The numbered names a file takes where its own is in use, and what a folder that cannot be
// written into says.

#include "files/file_names.h"
#include "files/scratch_folder.h"
#include "shared/permissions.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

using namespace quindle;
using namespace quindle::testing;

TEST(NumberedName, GoesBeforeTheExtensionAndOnlyFromTwoOn)
{
    EXPECT_EQ(files::numberedName("Anna 2026-12-07.csv", 2), "Anna 2026-12-07 (2).csv");
    EXPECT_EQ(files::numberedName("Anna 2026-12-07.csv", 1), "Anna 2026-12-07.csv");
    EXPECT_EQ(files::numberedName("run.backup.csv", 9999), "run.backup (9999).csv");
    // No extension, or only a leading dot: the number goes at the end.
    EXPECT_EQ(files::numberedName("results", 3), "results (3)");
    EXPECT_EQ(files::numberedName(".profile", 2), ".profile (2)");
}

TEST(UnusedName, IsTheFirstNameNothingInTheFolderHas)
{
    const ScratchFolder folder;
    EXPECT_EQ(files::unusedName(folder.path(), "run.csv"), "run.csv");
    folder.put("run.csv", "first\n");
    folder.put("run (2).csv", "second\n");
    EXPECT_EQ(files::unusedName(folder.path(), "run.csv"), "run (3).csv");
    // A link pointing nowhere has its name too.
    ASSERT_EQ(::symlink("nowhere", (folder / "run (3).csv").c_str()), 0);
    EXPECT_EQ(files::unusedName(folder.path(), "run.csv"), "run (4).csv");
}

TEST(FolderProblem, IsTheSystemsReasonOrNone)
{
    const ScratchFolder folder;
    folder.put("a file", "not a folder\n");
    EXPECT_EQ(files::folderProblem(folder.path()), 0);
    EXPECT_EQ(files::folderProblem(folder / "gone"), ENOENT);
    EXPECT_EQ(files::folderProblem(folder / "a file"), ENOTDIR);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const PermissionsHold hold;
    EXPECT_EQ(files::folderProblem(folder.path()), EACCES);
}
