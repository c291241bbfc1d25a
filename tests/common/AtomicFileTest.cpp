// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AtomicFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/TempDir.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& file)
{
    std::string content;
    EXPECT_TRUE(ReadWholeFile(file, content));
    return content;
}

TEST(AtomicFileTest, ReplacesTheFileAndLeavesNoTemporaryBehind)
{
    test::TempDir dir;
    const fs::path file = dir / "game.tlr";
    ASSERT_TRUE(WriteFileAtomically(file, "first"));
    ASSERT_TRUE(WriteFileAtomically(file, std::string("second\0x", 8)));
    EXPECT_EQ(Read(file), std::string("second\0x", 8));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST(AtomicFileTest, FailureInAReadOnlyFolderKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    test::TempDir dir;
    const fs::path file = dir / "keep.tlr";
    ASSERT_TRUE(WriteFileAtomically(file, "precious"));
    fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(WriteFileAtomically(file, "lost"));
    fs::permissions(dir.Path(), fs::perms::owner_all);
    EXPECT_EQ(Read(file), "precious");
}

TEST(AtomicFileTest, FailureInAMissingFolderReportsIt)
{
    test::TempDir dir;
    EXPECT_FALSE(WriteFileAtomically(dir / "no/such/folder/file", "x"));
}

TEST(AtomicFileTest, KeepsPermissionsAndFollowsLinks)
{
    test::TempDir dir;
    const fs::path file = dir / "scores";
    ASSERT_TRUE(WriteFileAtomically(file, "a"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    const fs::path link = dir / "link";
    fs::create_symlink(file, link);

    ASSERT_TRUE(WriteFileAtomically(link, "b"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(file), "b");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFileTest, ReadingAMissingFileFails)
{
    test::TempDir dir;
    std::string content = "stale";
    EXPECT_FALSE(ReadWholeFile(dir / "missing", content));
    EXPECT_TRUE(content.empty());
}

}  // namespace
}  // namespace tilora
