#include "common/ReadOnlyFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "support/TempDir.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

TEST(ReadOnlyFileTest, ReadingStopsAtTheLimitOrTheEnd)
{
    // The readers' refusals are tested with each reader; here what opens: a regular file,
    // also through a link, read as usual with no non-blocking flag left behind.
    test::TempDir dir;
    std::ofstream(dir / "plain") << std::string(200'000, 'q');
    fs::create_symlink(dir / "plain", dir / "link");
    EXPECT_EQ(OpenRegularFile(dir / "missing").status, OpenStatus::Missing);
    for (const std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{65'536}, std::size_t{199'999},
                                    std::size_t{200'000}, std::size_t{1'000'000}}) {
        const OpenedFile opened = OpenRegularFile(dir / (limit % 2 == 0 ? "plain" : "link"));
        ASSERT_EQ(opened.status, OpenStatus::Opened);
        ASSERT_EQ(::fcntl(opened.fd.Get(), F_GETFL) & O_NONBLOCK, 0);
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
