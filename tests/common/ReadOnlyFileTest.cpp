// SPDX-License-Identifier: GPL-3.0-or-later
// Files from the player's folders: read whole only when they are regular files within
// their limit, judged before a byte is read, and never waited on.
#include "common/ReadOnlyFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <future>
#include <functional>

#include "support/TempDir.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

// Each kind of thing in a file's place, and what a read of at most 8 bytes makes of it. A
// FIFO with no writer would hold a blocking open for good; a sparse file of 64 GB would
// exhaust the memory of a read that trusts it.
TEST(ReadOnlyFileTest, OnlyRegularFilesWithinTheLimitAreRead)
{
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path&)> make;
        WholeFile::Status status;
        std::string bytes;
    };
    const auto write = [](const std::string& text) {
        return [text](const fs::path& dir) {
            std::ofstream(dir / "file", std::ios::binary) << text;
            return dir / "file";
        };
    };
    const std::vector<Case> cases{
        {"a file within the limit", write("12345678"), WholeFile::Status::Read, "12345678"},
        {"an empty file", write(""), WholeFile::Status::Read, ""},
        {"a file over the limit", write("123456789"), WholeFile::Status::TooLarge, ""},
        {"a sparse file of 64 GB",
         [](const fs::path& dir) {
             std::ofstream(dir / "file").close();
             fs::resize_file(dir / "file", 64ULL << 30);
             return dir / "file";
         },
         WholeFile::Status::TooLarge, ""},
        {"nothing", [](const fs::path& dir) { return dir / "file"; }, WholeFile::Status::Missing, ""},
        {"a folder", [](const fs::path& dir) { return dir; }, WholeFile::Status::NotAFile, ""},
        {"a FIFO",
         [](const fs::path& dir) {
             EXPECT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
             return dir / "fifo";
         },
         WholeFile::Status::NotAFile, ""},
        {"a device", [](const fs::path&) { return fs::path("/dev/zero"); }, WholeFile::Status::NotAFile, ""},
    };
    for (const Case& c : cases) {
        const test::TempDir dir;
        const fs::path file = c.make(dir.Path());
        auto read = std::async(std::launch::async, [&file] { return ReadWholeRegularFile(file, 8); });
        ASSERT_EQ(read.wait_for(std::chrono::seconds(10)), std::future_status::ready) << c.what << " held the read";
        const WholeFile whole = read.get();
        EXPECT_EQ(whole.status, c.status) << c.what;
        EXPECT_EQ(whole.bytes, c.bytes) << c.what;
        EXPECT_LT(whole.bytes.capacity(), 1024u) << c.what << ": memory taken for a file left unread";
    }
}

}  // namespace
}  // namespace tilora
