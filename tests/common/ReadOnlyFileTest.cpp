#include "common/ReadOnlyFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "support/RefusedFiles.h"
#include "support/TempDir.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

TEST(ReadOnlyFileTest, OnlyRegularFilesOpenJudgedByWhatWasOpened)
{
    test::TempDir dir;
    std::ofstream(dir / "plain") << "abc";
    fs::create_symlink(dir / "plain", dir / "link-to-plain");
    fs::create_symlink(dir / "nowhere", dir / "dangling");
    struct Row {
        std::string what;
        fs::path path;
        OpenStatus status;
    };
    std::vector<Row> rows{{"a regular file", dir / "plain", OpenStatus::Opened},
                          {"a link to a regular file", dir / "link-to-plain", OpenStatus::Opened},
                          {"a missing file", dir / "missing", OpenStatus::Missing},
                          {"a dangling link", dir / "dangling", OpenStatus::Missing}};
    for (const test::RefusedFile& refused : test::MakeRefusedFiles(dir.Path(), "x"))
        rows.push_back({refused.what, refused.path, OpenStatus::NotAFile});
    for (const Row& row : rows) {
        const OpenedFile opened = OpenRegularFile(row.path);
        EXPECT_EQ(opened.status, row.status) << row.what;
        EXPECT_EQ(opened.fd.IsOpen(), row.status == OpenStatus::Opened) << row.what;
        // What opens reads as usual, with no leftover non-blocking flag.
        if (opened.fd.IsOpen()) {
            EXPECT_EQ(::fcntl(opened.fd.Get(), F_GETFL) & O_NONBLOCK, 0) << row.what;
        }
    }
}

TEST(ReadOnlyFileTest, ReadingStopsAtTheLimitOrTheEnd)
{
    test::TempDir dir;
    std::ofstream(dir / "plain") << std::string(200'000, 'q');
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{65'536}, std::size_t{199'999},
                                    std::size_t{200'000}, std::size_t{1'000'000}}) {
        const OpenedFile opened = OpenRegularFile(dir / "plain");
        std::string content = "old";
        ASSERT_TRUE(ReadAtMost(opened.fd.Get(), limit, content));
        EXPECT_EQ(content, std::string(std::min<std::size_t>(limit, 200'000), 'q')) << limit;
    }
    // An endless source is cut at the limit.
    const UniqueFd zero(::open("/dev/zero", O_RDONLY | O_CLOEXEC));
    std::string content;
    ASSERT_TRUE(ReadAtMost(zero.Get(), 100'000, content));
    EXPECT_EQ(content, std::string(100'000, '\0'));
}

}  // namespace
}  // namespace tilora
