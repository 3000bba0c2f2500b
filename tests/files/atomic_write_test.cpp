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

namespace quindle {

std::string wayName(NoReplace way)
{
    return way == NoReplace::Rename ? "Rename" : way == NoReplace::Link ? "Link" : "Exclusive";
}

// How GoogleTest shows a way to take a name.
void PrintTo(NoReplace way, std::ostream *out)
{
    *out << wayName(way);
}

} // namespace quindle

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
// SMB mounts), counting how often each was tried.
int renamesTried = 0;
int linksTried = 0;
int linkError = EPERM;

int cannotRenameNoReplace(int, const char *, const char *)
{
    ++renamesTried;
    errno = EINVAL;
    return -1;
}

int cannotLink(int, const char *, const char *)
{
    ++linksTried;
    errno = linkError;
    return -1;
}

constexpr files::NamingCalls kLikeFat{cannotRenameNoReplace, cannotLink};

class AtomicWrite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        renamesTried = 0;
        linksTried = 0;
        linkError = EPERM;
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
    EXPECT_EQ(written.error, 0);
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
        for (const char *name : {"run.csv", "fresh.csv"}) {
            const auto written = files::writeAtomically(folder.path(), name, failing, replace);
            EXPECT_EQ(written.name, "");
            EXPECT_EQ(written.error, 0); // the writer's own failure, for it to say
        }
    }
    EXPECT_EQ(folder.entries(), Names{"run.csv"});
    EXPECT_EQ(folder.bytes("run.csv"), "first\n");
}

TEST_F(AtomicWrite, AReplacedFileKeepsItsPermissions)
{
    folder.put("run.csv", "first\n");
    ASSERT_EQ(::chmod((folder / "run.csv").c_str(), 0640), 0);
    const auto written = files::writeAtomically(folder.path(), "run.csv", writing("second\n"));
    EXPECT_EQ(written.name, "run.csv");
    EXPECT_EQ(folder.bytes("run.csv"), "second\n");
    EXPECT_EQ(folder.mode("run.csv"), 0640U);
    EXPECT_EQ(folder.entries(), Names{"run.csv"});
}

TEST_F(AtomicWrite, AFolderThatCannotBeWrittenIntoSaysWhyAndGetsNothing)
{
    EXPECT_EQ(files::writeAtomically(folder / "gone", "run.csv", writing("x")).error, ENOENT);
    folder.put("a file", "not a folder\n");
    EXPECT_EQ(files::writeAtomically(folder / "a file", "run.csv", writing("x")).error, ENOTDIR);
    ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
    const PermissionsHold hold;
    const auto written = files::writeAtomically(folder.path(), "run.csv", writing("x"));
    EXPECT_EQ(written.error, EACCES);
    EXPECT_EQ(written.name, "");
    EXPECT_EQ(folder.entries(), Names{"a file"});
}

TEST_F(AtomicWrite, NoNameGetsNoFile)
{
    bool called = false;
    const auto written = files::writeAtomically(folder.path(), "", [&called](int) {
        called = true;
        return true;
    });
    EXPECT_EQ(written.name, "");
    EXPECT_EQ(written.error, 0);
    EXPECT_FALSE(called);
    EXPECT_TRUE(folder.entries().empty());
}

class EachWayToTakeAName : public AtomicWrite, public ::testing::WithParamInterface<NoReplace>
{};

TEST_P(EachWayToTakeAName, NeverReplacesAndNumbersInTurn)
{
    folder.put("run.csv", "first\n");
    const auto second = files::writeAtomically(folder.path(), "run.csv", writing("second\n"),
                                               Replace::Never, GetParam());
    const auto third = files::writeAtomically(folder.path(), "run.csv", writing("third\n"),
                                              Replace::Never, GetParam());
    EXPECT_EQ(second.name, "run (2).csv");
    EXPECT_EQ(third.name, "run (3).csv");
    EXPECT_EQ(folder.bytes("run.csv") + folder.bytes("run (2).csv") + folder.bytes("run (3).csv"),
              "first\nsecond\nthird\n");
    EXPECT_EQ(folder.entries(), (Names{"run (2).csv", "run (3).csv", "run.csv"}));
}

INSTANTIATE_TEST_SUITE_P(RenameLinkOrExclusive, EachWayToTakeAName,
                         ::testing::Values(NoReplace::Rename, NoReplace::Link,
                                           NoReplace::Exclusive),
                         [](const ::testing::TestParamInfo<NoReplace> &way) {
                             return wayName(way.param);
                         });

TEST_F(AtomicWrite, WithoutRenameNoReplaceOrLinksTheNumberedNamesAreClaimedFirst)
{
    folder.put("run.csv", "first\n");
    const auto second = files::writeAtomically(folder.path(), "run.csv", writing("second\n"),
                                               Replace::Never, NoReplace::Rename, kLikeFat);
    const auto third = files::writeAtomically(folder.path(), "run.csv", writing("third\n"),
                                              Replace::Never, NoReplace::Rename, kLikeFat);
    EXPECT_EQ(renamesTried, 2); // once each, then the file system is known not to have it
    EXPECT_EQ(linksTried, 2);
    EXPECT_EQ(second.error, 0);
    EXPECT_EQ(second.name, "run (2).csv");
    EXPECT_EQ(third.name, "run (3).csv");
    EXPECT_EQ(folder.bytes("run.csv") + folder.bytes("run (2).csv") + folder.bytes("run (3).csv"),
              "first\nsecond\nthird\n");
    EXPECT_EQ(folder.entries(), (Names{"run (2).csv", "run (3).csv", "run.csv"}));
}

TEST_F(AtomicWrite, ALinkThatFailsForAnotherReasonSaysItAndLeavesNothing)
{
    folder.put("run.csv", "first\n");
    linkError = EIO;
    const auto written = files::writeAtomically(folder.path(), "run.csv", writing("second\n"),
                                                Replace::Never, NoReplace::Link, kLikeFat);
    EXPECT_EQ(written.error, EIO);
    EXPECT_EQ(written.name, "");
    EXPECT_EQ(folder.entries(), Names{"run.csv"});
    EXPECT_EQ(folder.bytes("run.csv"), "first\n");
}
