// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/ProfileStore.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "ScoreFileFixture.h"
#include "scores/IniText.h"
#include "support/RefusedFiles.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

using ProfileStoreTest = ScoreFileFixture;

// Each row reads one key of a file holding `file` (no file for nullptr).
TEST_F(ProfileStoreTest, StringsAreReadByTheProfileRules)
{
    struct Case {
        const char *rule, *file, *section, *key, *fallback;
        std::string expected;
    };
    const char* const longValues = "[High]\n4=1234567890123\n40=\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\n";
    const char* const spaced = "  [ level ]  \r\n  NUMBER  =  '42'  \r\n[High]\r40=\"abc     \"\r400 =  7 \n";
    const Case cases[] = {
        {"no file", nullptr, "Level", "number", "10", "10"},
        {"no section", "[High]\n4=437.\n", "Level", "number", "10", "10"},
        {"no key", "[High]\n4=437.\n", "High", "5", "20000", "20000"},
        {"the default loses its trailing blanks, as stored values do", "[High]\n4=437.\n", "High", "50", "Slow   ",
         "Slow"},
        {"a value is cut to nine characters", longValues, "High", "4", "20000", "123456789"},
        {"nine characters of a UTF-8 name, never half of one", longValues, "High", "40", "Slow", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"},
        {"a default is cut to nine characters", longValues, "High", "5", "1234567890", "123456789"},
        {"names ignore case and blanks, values lose quotes", spaced, "Level", "number", "10", "42"},
        {"quotes keep the blanks", spaced, "HIGH", "40", "Slow", "abc     "},
        {"a key's blanks are dropped", spaced, "high", "400", "1", "7"},
        {"trailing blanks dropped", "[High]\n40=abc     \n", "High", "40", "Slow", "abc"},
        {"quotes must match", "[High]\n40=\"abc'\n", "High", "40", "Slow", "\"abc'"},
        {"only the first section and key of a name count", "[High]\n4=1.\n4=2.\n[High]\n4=3.\n", "High", "4", "x", "1."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        if (c.file != nullptr)
            WriteRaw(c.file);
        EXPECT_EQ(m_store.GetString(c.section, c.key, c.fallback), c.expected);
    }
}

// Integers read sign and digits up to the first other character; a key present without
// digits is 0, not the default.
TEST_F(ProfileStoreTest, IntegersAreReadByTheProfileRules)
{
    struct Case {
        const char *file, *section, *key;
        int fallback, expected;
    };
    const char* const numbers = "[Level]\nnumber=55abc\n[A]\nneg=-12\nnone=abc\nempty=\nplus=+3\n";
    const Case cases[] = {
        {nullptr, "Level", "number", 10, 10},
        {"[High]\n4=437.\n", "High", "5", 7, 7},
        {numbers, "Level", "number", 10, 55},
        {numbers, "A", "neg", 10, -12},
        {numbers, "A", "none", 10, 0},
        {numbers, "A", "empty", 10, 0},
        {numbers, "A", "plus", 10, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.section << "/" << c.key);
        if (c.file != nullptr)
            WriteRaw(c.file);
        EXPECT_EQ(m_store.GetInt(c.section, c.key, c.fallback), c.expected);
    }
}

TEST_F(ProfileStoreTest, FirstWriteCreatesFolderFileAndSection)
{
    ProfileStore store(m_dir / "config" / "deeper" / "Tilora.hi");
    ASSERT_TRUE(store.WriteString("Level", "number", "55"));
    EXPECT_EQ(store.GetString("Level", "number", "10"), "55");
    EXPECT_EQ(store.GetInt("Level", "number", 10), 55);
}

// Each row writes one key into the file as it holds `before`, or as the row above left it
// for nullptr, and gives the whole file after.
TEST_F(ProfileStoreTest, WriteReplacesOnlyItsKeyAndKeepsEveryOtherLine)
{
    struct Case {
        const char *rule, *before, *section, *key, *value, *after;
    };
    const Case cases[] = {
        {"the key is replaced in place, with the name as written",
         "; my notes\r\n[High]\r\n4=437.\r\n40=abc     \r\nstray line\r\n\r\n[Level]\r\nnumber=10\r\n", "level", "NUMBER",
         "55", "; my notes\r\n[High]\r\n4=437.\r\n40=abc     \r\nstray line\r\n\r\n[Level]\r\nNUMBER=55\r\n"},
        {"a new key joins the end of its section, before the blank line that ends it", nullptr, "High", "400", "3",
         "; my notes\r\n[High]\r\n4=437.\r\n40=abc     \r\nstray line\r\n400=3\r\n\r\n[Level]\r\nNUMBER=55\r\n"},
        {"a new section goes at the end, with the file's own line ends", nullptr, "Extra", "k", "v",
         "; my notes\r\n[High]\r\n4=437.\r\n40=abc     \r\nstray line\r\n400=3\r\n\r\n[Level]\r\nNUMBER=55\r\n"
         "[Extra]\r\nk=v\r\n"},
        {"a key after an unterminated last line", "[High]\n4=437.", "High", "40", "abc", "[High]\n4=437.\n40=abc"},
        {"a new section after the line it ended", nullptr, "Level", "number", "5", "[High]\n4=437.\n40=abc\n[Level]\nnumber=5\n"},
        {"only the first section and key of a name count", "[High]\n4=1.\n4=2.\n[High]\n4=3.\n", "High", "4", "9.",
         "[High]\n4=9.\n4=2.\n[High]\n4=3.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        if (c.before != nullptr)
            WriteRaw(c.before);
        ASSERT_TRUE(m_store.WriteString(c.section, c.key, c.value));
        EXPECT_EQ(ReadRaw(), c.after);
    }
}

TEST_F(ProfileStoreTest, FailedWriteLeavesTheFileWhole)
{
    WriteRaw("[Level]\nnumber=10\n");
    ProfileStore unwritable(m_dir / "Tilora.hi" / "not-a-folder");
    EXPECT_FALSE(unwritable.WriteString("Level", "number", "55"));
    EXPECT_EQ(ReadRaw(), "[Level]\nnumber=10\n");
}

TEST_F(ProfileStoreTest, BatchWriteSetsItsKeysInOrderInOneReplacement)
{
    WriteRaw("[Level]\nnumber=10\n");
    const ProfileStore::KeyValue values[] = {{"4", "437."}, {"40", "abc     "}, {"4", "436."}};
    ASSERT_TRUE(m_store.WriteStrings("High", values));
    EXPECT_EQ(ReadRaw(), "[Level]\nnumber=10\n[High]\n4=436.\n40=abc     \n");
}

TEST_F(ProfileStoreTest, UpdateThatChangesNothingLeavesTheFileUntouched)
{
    bool called = false;
    EXPECT_TRUE(m_store.Update([&](std::string_view current) -> std::optional<std::string> {
        called = true;
        EXPECT_EQ(current, "");
        return std::nullopt;
    }));
    EXPECT_TRUE(called);
    EXPECT_FALSE(fs::exists(m_dir / "Tilora.hi"));  // no file made for nothing
    WriteRaw("[High]\n4=1.\n");
    const auto stamp = fs::last_write_time(m_dir / "Tilora.hi");
    EXPECT_TRUE(m_store.WriteString("High", "4", "1."));  // the same value
    EXPECT_EQ(fs::last_write_time(m_dir / "Tilora.hi"), stamp);
}

TEST_F(ProfileStoreTest, ARefusedFileReadsAsMissingAndIsNeverReplaced)
{
    for (const test::RefusedFile& refused : test::MakeRefusedFiles(m_dir.Path(), "Tilora.hi")) {
        SCOPED_TRACE(refused.what);
        const ProfileStore store(refused.path);
        const fs::file_status before = fs::symlink_status(refused.path);
        EXPECT_EQ(store.GetString("Level", "number", "10"), "10");
        EXPECT_EQ(store.GetInt("Level", "number", 10), 10);
        // Put there on purpose (a link to /dev/null keeps no scores): the game writes
        // nothing in its place and nothing through it.
        EXPECT_FALSE(store.WriteString("Level", "number", "55"));
        EXPECT_EQ(fs::symlink_status(refused.path).type(), before.type());
        EXPECT_FALSE(fs::exists(fs::canonical(refused.path).string() + ".lock"));  // no lock file beside it
    }
}

TEST_F(ProfileStoreTest, OnlyTheFirstMebibyteIsReadAndALongerFileIsNeverCut)
{
    // The cut falls inside the last "ü" of the comment line: the UTF-8 before it stays UTF-8.
    const std::string head = "[Level]\nnumber=42\n[High]\n40=M\xC3\xBCller\n;";
    WriteRaw(head + std::string(1024 * 1024 - head.size() - 1, 'x') + "\xC3\xBC\n[High]\n4=1.\n");
    EXPECT_EQ(m_store.GetInt("Level", "number", 10), 42);
    EXPECT_EQ(m_store.GetString("High", "40", "", 40), "M\xC3\xBCller");
    EXPECT_EQ(m_store.GetString("High", "4", "20000"), "20000");  // beyond the first mebibyte
    const std::string whole = ReadRaw();
    EXPECT_FALSE(m_store.WriteString("Level", "number", "55"));
    EXPECT_EQ(ReadRaw(), whole);
}

TEST_F(ProfileStoreTest, TextThatIsNotUtf8IsReadInTheWindowsCodePageAndWrittenAsUtf8)
{
    const std::pair<std::string, std::string> names[] = {
        {"M\xFCller  ", "M\u00FCller"},                     // a Windows file: one byte for ü
        {"\x80 \x9F\xA0\xFF", "\u20AC \u0178\u00A0\u00FF"},  // the euro sign, the 0x80-0x9F row, the rest as Latin-1
        {"M\xC3\xBCller", "M\u00FCller"},                  // already UTF-8: kept
        {"\xC3\x28", "\u00C3("},                          // a broken UTF-8 sequence
    };
    for (const auto& [stored, shown] : names) {
        WriteRaw("[High]\n40=" + stored + "\n");
        EXPECT_EQ(m_store.GetString("High", "40", "", 40), shown) << stored;
    }
    WriteRaw("[High]\n40=M\xFCller  \n");
    ASSERT_TRUE(m_store.WriteString("High", "4", "437."));
    EXPECT_EQ(ReadRaw(), "[High]\n40=M\xC3\xBCller  \n4=437.\n");
}

// Two running copies of the program: each write reads the file, sets its key and
// replaces the file under the lock, so no copy's keys are lost to another's write.
TEST_F(ProfileStoreTest, ConcurrentWritersFromSeveralProcessesLoseNoKey)
{
    constexpr int kWriters = 4;
    constexpr int kKeysEach = 30;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = true;
            for (int k = 0; k < kKeysEach; ++k)
                ok = m_store.WriteString("High", std::to_string(writer) + "_" + std::to_string(k), std::to_string(k)) && ok;
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int writer = 0; writer < kWriters; ++writer)
        for (int k = 0; k < kKeysEach; ++k)
            EXPECT_EQ(m_store.GetString("High", std::to_string(writer) + "_" + std::to_string(k), "lost"),
                      std::to_string(k));
}

TEST(ProfileStorePathTest, FollowsTheXdgConfigFolder)
{
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old != nullptr ? old : "";
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "/root";
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
    EXPECT_EQ(DefaultScoreFilePath(), fs::path("/tmp/xdg-test/Tilora.hi"));
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // not absolute: ignored, as the XDG rules say
    ::setenv("HOME", "/home/player", 1);
    EXPECT_EQ(DefaultScoreFilePath(), fs::path("/home/player/.config/Tilora.hi"));
    ::setenv("HOME", home.c_str(), 1);
    if (old != nullptr)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace tilora
