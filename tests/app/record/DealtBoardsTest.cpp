// SPDX-License-Identifier: GPL-3.0-or-later
// The boards dealt here, and a pasted deal in the record.
#include <gtest/gtest.h>

#include <fstream>

#include "app/record/DealtBoards.h"
#include "app/record/RecordFile.h"
#include "app/record/Statistics.h"
#include "support/TempDir.h"

namespace tilora::test {
namespace {

namespace fs = std::filesystem;

Board Dealt(int n, int swapFrom)
{
    Board board;
    board.SetGridSize(n);
    board.FillSolved();
    board.Slide({n - 1, swapFrom}, {n - 1, n - 1});
    return board;
}

// A board noted is known, in a later session too; another board, or the same cells at
// another size, is not; and the file names no board.
TEST(DealtBoardsTest, ABoardDealtHereIsKnownAcrossSessions)
{
    TempDir dir;
    const fs::path file = dir / "data" / "dealt";
    {
        DealtBoards dealt(file);
        EXPECT_FALSE(dealt.Dealt(Dealt(4, 2)));
        dealt.Note(Dealt(4, 2));
        dealt.Note(Dealt(5, 3));
        EXPECT_TRUE(dealt.Dealt(Dealt(4, 2)));
    }
    DealtBoards later(file);
    EXPECT_TRUE(later.Dealt(Dealt(4, 2)));
    EXPECT_TRUE(later.Dealt(Dealt(5, 3)));
    EXPECT_FALSE(later.Dealt(Dealt(4, 1)));
    EXPECT_FALSE(later.Dealt(Dealt(5, 2)));
    const std::string text = ReadText(file);
    EXPECT_TRUE(text.starts_with("tilora-dealt 1 "));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
    EXPECT_EQ(text.find("1 2 3"), std::string::npos);
}

// The fingerprints are keyed: another machine's file with its lines copied under this
// machine's key matches nothing; and two running copies keep each other's deals.
TEST(DealtBoardsTest, FingerprintsAreKeyedAndSharedByRunningCopies)
{
    TempDir dir;
    DealtBoards elsewhere(dir / "elsewhere" / "dealt");
    elsewhere.Note(Dealt(4, 2));
    DealtBoards here(dir / "here" / "dealt");
    here.Note(Dealt(8, 5));
    const std::string theirs = ReadText(dir / "elsewhere" / "dealt");
    const std::string ours = ReadText(dir / "here" / "dealt");
    std::ofstream(dir / "here" / "dealt", std::ios::binary)
        << ours.substr(0, ours.find('\n') + 1) << theirs.substr(theirs.find('\n') + 1);
    EXPECT_FALSE(DealtBoards(dir / "here" / "dealt").Dealt(Dealt(4, 2)));

    DealtBoards first(dir / "shared" / "dealt");
    DealtBoards second(dir / "shared" / "dealt");
    first.Note(Dealt(4, 2));
    second.Note(Dealt(4, 1));
    EXPECT_TRUE(first.Dealt(Dealt(4, 1)));
    EXPECT_TRUE(second.Dealt(Dealt(4, 2)));
}

// Only the last deals are kept; a record kept for the session only writes no file
// and still knows its deals, as does one whose file cannot be written.
TEST(DealtBoardsTest, TheLastDealsAreKeptAndASessionWithoutAFileKnowsItsOwn)
{
    TempDir dir;
    constexpr std::size_t kKept = 20;
    DealtBoards dealt(dir / "dealt", kKept);
    const Board first = Dealt(4, 2);
    dealt.Note(first);
    Board board;
    board.SetGridSize(10);
    board.FillSolved();
    for (std::size_t i = 0; i < kKept; ++i) {
        board.SetCell(0, 0, static_cast<int>(1000 + i));
        dealt.Note(board);
    }
    EXPECT_FALSE(DealtBoards(dir / "dealt").Dealt(first));
    EXPECT_TRUE(DealtBoards(dir / "dealt").Dealt(board));
    const std::string text = ReadText(dir / "dealt");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(kKept + 1));

    // No file: nothing is written, not even a lock file in the current folder.
    const fs::path before = fs::current_path();
    fs::current_path(dir.Path());
    DealtBoards session{fs::path()};
    session.Note(first);
    EXPECT_TRUE(session.Dealt(first));
    EXPECT_FALSE(fs::exists(dir / ".lock"));
    fs::current_path(before);

    // A file under a regular file can never be written, not even by root.
    DealtBoards blocked(dir / "dealt" / "dealt");
    blocked.Note(first);
    EXPECT_TRUE(blocked.Dealt(first));
    EXPECT_TRUE(fs::is_regular_file(dir / "dealt"));
}

// A pasted game keeps its mark through the file, with the helped mark or without, and sets
// none of the player's figures while it counts as played and won.
TEST(PastedGameTest, MarkedInTheFileAndLeftOutOfTheBestFigures)
{
    KeptGame own{1'800'000'000, 4, 10, 200, 90, 50, false, false, true};
    KeptGame pasted = own;
    pasted.seconds = 3;
    pasted.pasted = true;
    KeptGame pastedHelped = pasted;
    pastedHelped.helped = true;
    EXPECT_EQ(record_file::FormatLine(pasted), "1800000000,4,10,3,90,50,wp,,,\n");
    EXPECT_EQ(record_file::FormatLine(pastedHelped), "1800000000,4,10,3,90,50,whp,,,\n");
    const auto contents = record_file::Parse(record_file::Format({own, pasted, pastedHelped}, {}));
    ASSERT_EQ(contents.state, record_file::State::Fine);
    EXPECT_EQ(contents.games, (std::vector<KeptGame>{own, pasted, pastedHelped}));

    const auto figures = ComputeStatistics({own, pasted, pastedHelped});
    ASSERT_EQ(figures.size(), 1u);
    EXPECT_EQ(figures[0].played, 3);
    EXPECT_EQ(figures[0].won, 3);
    EXPECT_EQ(figures[0].bestSeconds, 200);
    EXPECT_EQ(figures[0].currentStreak, 1);
}

}  // namespace
}  // namespace tilora::test
