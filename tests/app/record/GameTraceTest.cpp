// SPDX-License-Identifier: GPL-3.0-or-later
// Every game kept whole: its start and its moves in the record, the record's new version,
// and the export.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "app/record/GameTrace.h"
#include "app/record/GamesCsv.h"
#include "app/record/PlayerRecord.h"
#include "app/record/RecordFile.h"
#include "board/CrtRandom.h"
#include "board/Deal.h"
#include "support/TempDir.h"

namespace tilora::test {
namespace {

namespace fs = std::filesystem;
using game_trace::Move;

std::string Text(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Board DealtBoard(int n, std::uint32_t seed)
{
    Board board;
    board.SetGridSize(n);
    CrtRandom random;
    random.Seed(seed);
    ScrambleBoard(board, 20, random);
    return board;
}

// Random slides from `board`, with the clock going on, standing still and (a restored
// game's count) going back; every fifth a hint's.
std::vector<Move> RandomSlides(Board board, int count, std::mt19937& random)
{
    std::vector<Move> moves;
    int second = static_cast<int>(random() % 3) - 1;
    for (int i = 0; i < count; ++i) {
        const CellPos blank = *board.Blank();
        std::vector<CellPos> around;
        for (const CellPos step : {CellPos{-1, 0}, CellPos{1, 0}, CellPos{0, -1}, CellPos{0, 1}})
            if (const CellPos cell{blank.row + step.row, blank.column + step.column}; board.Contains(cell))
                around.push_back(cell);
        const CellPos from = around[random() % around.size()];
        second += static_cast<int>(random() % 4) - (random() % 50 == 0 ? 40 : 0);
        moves.push_back({from, blank, second, i % 5 == 4});
        board.Slide(from, blank);
    }
    return moves;
}

// The board and the moves come back from their text for every size: each move's cells,
// second and maker, and the board they lead to.
TEST(GameTraceTest, BoardAndMovesComeBackFromTheirText)
{
    std::mt19937 random(11);
    for (const int n : {4, 5, 8, 10}) {
        for (std::uint32_t seed = 1; seed <= 5; ++seed) {
            const Board start = DealtBoard(n, seed);
            const std::string board = game_trace::FormatBoard(start);
            EXPECT_EQ(board.size(), static_cast<std::size_t>(n * n * (n <= 5 ? 1 : 2)));
            const auto back = game_trace::ParseBoard(n, board);
            ASSERT_TRUE(back) << board;
            EXPECT_TRUE(back->SameCells(start));

            const std::vector<Move> moves = RandomSlides(start, 200, random);
            std::string text;
            int second = 0;
            for (const Move& move : moves)
                game_trace::AppendMove(text, second, move);
            EXPECT_LT(text.size(), moves.size() * 2) << text;
            EXPECT_TRUE(game_trace::IsTraceText(text));
            const auto parsed = game_trace::ParseMoves(start, text);
            ASSERT_TRUE(parsed) << text;
            EXPECT_EQ(*parsed, moves);
        }
    }
    // The form itself: one digit a cell on 4 x 4, the moves' letters and seconds.
    Board nearly;
    nearly.FillSolved();
    EXPECT_EQ(game_trace::FormatBoard(nearly), "0123456789abcdef");
    std::string text;
    int second = 0;
    game_trace::AppendMove(text, second, {{3, 2}, {3, 3}, 2, false});
    game_trace::AppendMove(text, second, {{2, 2}, {3, 2}, 2, true});
    game_trace::AppendMove(text, second, {{2, 3}, {2, 2}, 3, false});
    EXPECT_EQ(text, "2Rd1L");
}

// A text that is no board or no moves is refused, never half read.
TEST(GameTraceTest, TextsThatAreNoGameAreRefused)
{
    for (const auto& [size, board] : std::vector<std::pair<int, std::string>>{
             {4, "0123456789abcde"}, {4, "0123456789abcdeg"}, {4, "0123456789abcdeF"}, {8, "00"},
             {5, std::string(25, 'z')}, {11, std::string(121, '0')}, {0, ""}})
        EXPECT_FALSE(game_trace::ParseBoard(size, board)) << size << ": " << board;
    Board solved;
    solved.FillSolved();
    // From the solved board only Down and Right bring a block into the corner, and a fourth
    // Down would come from beyond the top row.
    for (const char* moves : {"U", "L", "DDDD", "x", "2", "R-", "RR99999999999999999999L", "R,L"})
        EXPECT_FALSE(game_trace::ParseMoves(solved, moves)) << moves;
    EXPECT_TRUE(game_trace::ParseMoves(solved, "DURL"));
    for (const char* text : {"R,L", "R\nL"})
        EXPECT_FALSE(game_trace::IsTraceText(text)) << text;
}

// A game of the record keeps its start and its moves through the file; a game whose moves
// were not all told keeps neither; the export adds both at the end, the start as Paste Deal
// reads it.
TEST(GameTraceTest, TheRecordKeepsEachGameWholeAndExportsIt)
{
    TempDir dir;
    const fs::path file = dir / "games";
    std::int64_t now = 1'796'700'000;
    Board start;
    start.FillSolved();
    start.Slide({3, 2}, {3, 3});
    start.Slide({2, 2}, {3, 2});
    {
        PlayerRecord record(file, [] { return nullptr; }, [&now] { return now++; });
        record.Begin(start, 10);
        record.Moved({3, 2}, {2, 2}, 1, false);
        record.Moved({3, 3}, {3, 2}, 4, true);
        record.Won(4, true);
        record.Begin(start, 10);
        record.Moved();
        record.Abandon(9, false);
    }
    PlayerRecord record(file, [] { return nullptr; }, [&now] { return now++; });
    // The record names where the moves are; they are read only when asked for.
    std::vector<KeptGame> games = record.Games();
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(games[0].played, "");
    EXPECT_EQ(std::tuple(games[0].movesAt, games[0].movesLength), std::tuple(0u, 4u));
    EXPECT_EQ(Text(record_file::MovesPath(file)), "1U3l\n");
    record_file::ReadPlayed(file, games);
    EXPECT_EQ(games[0].board, "0123456789fbcdae");
    EXPECT_EQ(games[0].played, "1U3l");
    EXPECT_EQ(games[1].board + games[1].played, "");
    const std::string csv = GamesCsv(games);
    EXPECT_TRUE(csv.starts_with("finished,size,level,seconds,moves,shortest,helped,result,start,moves\n")) << csv;
    EXPECT_NE(csv.find(",won,1 2 3 4/5 6 7 8/9 10 0 12/13 14 11 15,1U3l\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",abandoned,,\n"), std::string::npos) << csv;
    // A reset forgets the moves with the games.
    ASSERT_TRUE(record.Reset());
    EXPECT_FALSE(fs::exists(record_file::MovesPath(file)));
}

// A record of the first version is converted at its first write without losing a game or a
// line it could not read; its text is kept beside it, once.
TEST(GameTraceTest, AnOlderRecordIsConvertedAndKeptBesideOnce)
{
    TempDir dir;
    const fs::path file = dir / "games";
    const std::string old = "tilora-games 1\n"
                            "1796700000,4,10,40,3,1,w\n"
                            "a line kept as it is\n"
                            "1796700001,4,10,12,7,,ah,fedcba9876543210\n";
    std::ofstream(file, std::ios::binary) << old;
    record_file::Contents before = record_file::Read(file);
    ASSERT_EQ(before.games.size(), 2u);
    ASSERT_EQ(before.version, 1);

    KeptGame added{1'796'700'002, 5, 10, 30, 2, 2, false, false, true};
    added.board = "0123456789abcdefghijklmno";
    added.played = "1DR";
    ASSERT_EQ(record_file::Append(file, added), "");
    EXPECT_EQ(Text(record_file::OldVersionPath(file, 1)), old);
    record_file::Contents after = record_file::Read(file);
    record_file::ReadPlayed(file, after.games);
    added.movesLength = 3;
    EXPECT_EQ(after.state, record_file::State::Fine);
    EXPECT_EQ(after.version, record_file::kVersion);
    before.games.push_back(added);
    EXPECT_EQ(after.games, before.games);
    EXPECT_EQ(after.unread, before.unread);
    EXPECT_EQ(Text(file).substr(0, 15), "tilora-games 2\n");

    // An older file put back later is converted again, and the first copy stays.
    std::ofstream(file, std::ios::binary) << "tilora-games 1\n1796700005,4,10,40,3,1,w\n";
    ASSERT_EQ(record_file::Append(file, added), "");
    EXPECT_EQ(Text(record_file::OldVersionPath(file, 1)), old);
    EXPECT_EQ(record_file::Read(file).games.size(), 2u);
}

}  // namespace
}  // namespace tilora::test
