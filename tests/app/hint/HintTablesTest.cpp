// SPDX-License-Identifier: GPL-3.0-or-later
// The hint's tables: obtained only when asked, and at hand without a build where a
// verified file is already there.
#include <QTest>

#include <gtest/gtest.h>

#include <stop_token>
#include <string>

#include "app/hint/HintTables.h"
#include "solver/PatternDatabase.h"
#include "solver/TableFile.h"
#include "support/TempDir.h"

namespace tilora::test {
namespace {

// Tables whose build fails for want of memory are none, and the next hint builds again.
TEST(HintTablesTest, AFailedBuildIsNoTablesAndIsTriedAgain)
{
    int builds = 0;
    HintTables tables([&](std::stop_token) -> HintTables::Databases {
        ++builds;
        throw std::bad_alloc();
    });
    EXPECT_TRUE(!tables.Get({}) && !tables.Get({}) && builds == 2);
}

// The tables at hand never cost a build: none while no file is there; a verified file
// already in the cache folder is mapped in the background, and the tables are then at
// hand, with nothing built and nothing asked of the hint.
TEST(HintTablesTest, AtHandMapsAFileThereAndNeverBuilds)
{
    const TempDir cache;
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString(cache.Path().string()));
    for (const auto& folder : solver::DefaultTableFolders().installed)
        if (std::filesystem::exists(folder / solver::kTableFileName))
            GTEST_SKIP() << "an installed table file is at hand already";
    int builds = 0;
    HintTables tables([&](std::stop_token) -> HintTables::Databases {
        ++builds;
        return nullptr;
    });
    EXPECT_FALSE(tables.AtHand());
    EXPECT_FALSE(tables.AtHand()) << "no file came meanwhile";

    std::filesystem::create_directories(cache / "tilora");
    std::string why;
    ASSERT_TRUE(solver::WriteTableFile(cache / "tilora" / solver::kTableFileName, solver::PatternDatabases(), why))
        << why;
    EXPECT_TRUE(QTest::qWaitFor([&] { return tables.AtHand() != nullptr; }, 10'000));
    EXPECT_EQ(builds, 0);
    EXPECT_FALSE(tables.Asked());
}

}  // namespace
}  // namespace tilora::test
