// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// A file appears only whole, a failed write leaves nothing behind, and a file that may not
// replace another takes a numbered name whichever way its file system can give it one.

#include "files/atomic_write.h"
#include "files/scratch_folder.h"
#include "shared/permissions.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace quindle;
using namespace quindle::testing;
using Names = std::vector<std::string>;

namespace {

std::function<bool(int)> writing(const std::string &text)
{
    return [text](int fd) {
        return ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    };
}

bool failing(int fd)
{
    return ::write(fd, "half", 4) < 0; // written, yet the writer gives up
}

// The calls of a file system that can neither rename without replacing nor link (FAT, some
// SMB mounts).
int linkError = EPERM;

int cannotRenameNoReplace(int, const char *, const char *)
{
    errno = EINVAL;
    return -1;
}

int cannotLink(int, const char *, const char *)
{
    errno = linkError;
    return -1;
}

constexpr files::NamingCalls kLikeFat{cannotRenameNoReplace, cannotLink};

// Over "run.csv" in folder, two more files that may not replace it take " (2)" and " (3)".
void numberTwice(const ScratchFolder &folder, NoReplace way,
                 const files::NamingCalls &calls = files::systemNamingCalls())
{
    folder.put("run.csv", "first\n");
    for (const char *text : {"second\n", "third\n"}) {
        const auto written = files::writeAtomically(folder.path(), "run.csv", writing(text),
                                                    Replace::Never, way, calls);
        EXPECT_EQ(written.error, 0);
        EXPECT_EQ(folder.bytes(written.name), text);
    }
    EXPECT_EQ(folder.bytes("run.csv"), "first\n");
    EXPECT_EQ(folder.entries(), (Names{"run (2).csv", "run (3).csv", "run.csv"}));
}

class AtomicWrite : public ::testing::Test
{
protected:
    void SetUp() override { linkError = EPERM; }
    // A write that gave no file, for the reason given, and the folder as it was: empty, or
    // holding only the first run.csv.
    void checkNothingWritten(const files::AtomicWrite &written, int error, bool first = true) const
    {
        EXPECT_EQ(written.error, error);
        EXPECT_EQ(written.name, "");
        EXPECT_EQ(folder.entries(), first ? Names{"run.csv"} : Names{});
        EXPECT_EQ(folder.bytes("run.csv"), first ? "first\n" : "");
    }
    ScratchFolder folder;
};

} // namespace

TEST_F(AtomicWrite, AFileIsThereOnlyUnderAHiddenNameUntilItIsWhole)
{
    Names whileWriting;
    const auto written = files::writeAtomically(folder.path(), "run.csv", [&](int fd) {
        whileWriting = folder.entries();
        return writing("outcome,count\n")(fd);
    });
    EXPECT_EQ(written.name, "run.csv");
    ASSERT_EQ(whileWriting.size(), 1U);
    EXPECT_TRUE(whileWriting[0].starts_with(".quindle-") && whileWriting[0].ends_with(".part") &&
                whileWriting[0].size() == std::string(".quindle-12345678.part").size())
        << whileWriting[0];
    EXPECT_EQ(folder.entries(), Names{"run.csv"});
    EXPECT_EQ(folder.bytes("run.csv"), "outcome,count\n");
}

TEST_F(AtomicWrite, AFailedWriteLeavesNothingAndTheOldFileAsItWas)
{
    folder.put("run.csv", "first\n");
    for (const Replace replace : {Replace::Allowed, Replace::Never}) {
        for (const char *name : {"run.csv", "fresh.csv"}) // the writer's own failure: no error
            checkNothingWritten(files::writeAtomically(folder.path(), name, failing, replace), 0);
    }
}

TEST_F(AtomicWrite, AReplacedFileKeepsItsPermissions)
{
    folder.put("run.csv", "first\n");
    ASSERT_EQ(::chmod((folder / "run.csv").c_str(), 0640), 0);
    EXPECT_EQ(files::writeAtomically(folder.path(), "run.csv", writing("second\n")).name,
              "run.csv");
    EXPECT_EQ(folder.bytes("run.csv"), "second\n");
    EXPECT_EQ(std::filesystem::status(folder / "run.csv").permissions(),
              static_cast<std::filesystem::perms>(0640));
}

TEST_F(AtomicWrite, AFolderThatCannotBeWrittenIntoSaysWhyAndGetsNothing)
{
    EXPECT_EQ(files::writeAtomically(folder / "gone", "run.csv", writing("x")).error, ENOENT);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const PermissionsHold hold;
    checkNothingWritten(files::writeAtomically(folder.path(), "run.csv", writing("x")), EACCES,
                        false);
}

TEST_F(AtomicWrite, NoNameGetsNoFile)
{
    checkNothingWritten(files::writeAtomically(folder.path(), "", writing("x")), 0, false);
}

TEST_F(AtomicWrite, EachWayToTakeANameNeverReplacesAndNumbersInTurn)
{
    for (const NoReplace way : {NoReplace::Rename, NoReplace::Link, NoReplace::Exclusive}) {
        SCOPED_TRACE(static_cast<int>(way));
        numberTwice(ScratchFolder(), way);
    }
}

TEST_F(AtomicWrite, WithoutRenameNoReplaceOrLinksTheNumberedNamesAreClaimedFirst)
{
    numberTwice(folder, NoReplace::Rename, kLikeFat);
}

TEST_F(AtomicWrite, ALinkThatFailsForAnotherReasonSaysItAndLeavesNothing)
{
    folder.put("run.csv", "first\n");
    linkError = EIO;
    checkNothingWritten(files::writeAtomically(folder.path(), "run.csv", writing("second\n"),
                                               Replace::Never, NoReplace::Link, kLikeFat),
                        EIO);
}
