// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/DealText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/CrtRandom.h"
#include "board/Deal.h"

namespace tilora {
namespace {

using deal_text::Refusal;

std::vector<int> Tiles(const Board& board)
{
    std::vector<int> tiles;
    for (int r = 0; r < board.GridSize(); ++r)
        for (int c = 0; c < board.GridSize(); ++c)
            tiles.push_back(board.Cell(r, c));
    return tiles;
}

// The text a player copies comes back as the same board, for every size and many deals.
TEST(DealText, EveryDealComesBackFromItsText)
{
    CrtRandom random;
    for (const int n : {4, 5, 8, 10}) {
        for (std::uint32_t seed = 1; seed <= 20; ++seed) {
            Board dealt;
            dealt.SetGridSize(n);
            random.Seed(seed);
            ScrambleBoard(dealt, 30, random);
            const std::string text = deal_text::Format(dealt);
            const auto parsed = deal_text::Parse(text);
            ASSERT_TRUE(parsed.board) << text;
            EXPECT_TRUE(parsed.board->SameCells(dealt)) << text;
        }
    }
}

// The blank is written 0, rows are parted by "/" and numbers by one space.
TEST(DealText, WritesRowsWithTheBlankAsZero)
{
    Board board;
    board.FillSolved();
    board.Slide({3, 2}, {3, 3});
    EXPECT_EQ(deal_text::Format(board), "1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15");
}

// Both forms, and the ways players write them, give the same board.
TEST(DealText, ReadsBothFormsAndTheirSpacing)
{
    const std::vector<int> expected{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15};
    for (const char* text : {
             "1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15",
             "  1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15\n",
             "1 2 3 4\n5 6 7 8\n9 10 11 12\n13 14 0 15",
             "1\t2  3 4/5 6 7 8/9 10 11 12/13 14 0 15\r\n",
             "1 2 3 4 5 6 7 8 9 10 11 12 13 14 0 15",
             "4x4:1,2,3,4,5,6,7,8,9,10,11,12,13,14,0,15",
             "4X4: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 15",
         }) {
        const auto parsed = deal_text::Parse(text);
        ASSERT_TRUE(parsed.board) << text;
        EXPECT_EQ(parsed.board->GridSize(), 4) << text;
        EXPECT_EQ(Tiles(*parsed.board), expected) << text;
    }
}

// The larger sizes are read in the sized form too.
TEST(DealText, ReadsTheSizedFormOfEverySize)
{
    for (const int n : {5, 8, 10}) {
        std::string text = std::to_string(n) + "x" + std::to_string(n) + ":";
        for (int i = 1; i < n * n - 1; ++i)
            text += std::to_string(i) + ",";
        text += "0," + std::to_string(n * n - 1);
        const auto parsed = deal_text::Parse(text);
        ASSERT_TRUE(parsed.board) << text;
        EXPECT_EQ(parsed.board->GridSize(), n);
        EXPECT_EQ(parsed.board->Cell(n - 1, n - 2), n * n);
        EXPECT_EQ(parsed.board->Cell(n - 1, n - 1), n * n - 1);
    }
}

// Each text that is no board to play is refused with its own reason.
TEST(DealText, RefusesEachFaultWithItsReason)
{
    const struct {
        const char* text;
        Refusal refusal;
    } cases[] = {
        {"", Refusal::NotABoard},
        {"   \n", Refusal::NotABoard},
        {"hello world", Refusal::NotABoard},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 x", Refusal::NotABoard},
        {"1 2 3 4/5 6 -7 8/9 10 11 12/13 14 15 0", Refusal::NotABoard},
        {"4x4:", Refusal::NotABoard},
        {"axb:1,2,3", Refusal::NotABoard},
        {"4y4:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,0", Refusal::NotABoard},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15", Refusal::WrongCount},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 0 16", Refusal::WrongCount},
        {"1 2 3 4/5 6 7 8/9 10 11 12", Refusal::WrongCount},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", Refusal::WrongCount},
        {"4x4:1,2,3,4,5,6,7,8,9,10,11,12,13,14,0", Refusal::WrongCount},
        {"5x5:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,0", Refusal::WrongCount},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 14 0", Refusal::WrongNumbers},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 0", Refusal::WrongNumbers},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 16", Refusal::WrongNumbers},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 99999999999999999999", Refusal::WrongNumbers},
        {"4x4:1,2,3,4,5,6,7,8,9,10,11,12,13,15,14,0", Refusal::Unsolvable},
        {"2 1 3 4/5 6 7 8/9 10 11 12/13 14 15 0", Refusal::Unsolvable},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 0/16 17 18 19 20", Refusal::WrongCount},
        {"1 2 3/4 5 6/7 8 0", Refusal::WrongSize},
        {"1 2 3 4 5 6 7 8 0", Refusal::WrongSize},
        {"3x3:1,2,3,4,5,6,7,8,0", Refusal::WrongSize},
        {"4x5:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,0", Refusal::WrongSize},
        {"6x6:1,2,3", Refusal::WrongSize},
    };
    for (const auto& c : cases) {
        const auto parsed = deal_text::Parse(c.text);
        EXPECT_FALSE(parsed.board) << c.text;
        EXPECT_EQ(parsed.refusal, c.refusal) << '"' << c.text << '"';
    }
    EXPECT_EQ(deal_text::Parse(std::string(deal_text::kMaxLength + 1, ' ')).refusal, Refusal::NotABoard);
}

// The parity rule against every board one or two swaps from solved, on even and odd sizes:
// a slide keeps a board solvable, a swap of two blocks never does.
TEST(DealText, SolvableFollowsTheSlidesAndNotTheSwaps)
{
    for (const int n : {4, 5}) {
        Board board;
        board.SetGridSize(n);
        board.FillSolved();
        EXPECT_TRUE(deal_text::Solvable(board)) << n;
        board.Slide({n - 2, n - 1}, {n - 1, n - 1});  // the blank one row up
        EXPECT_TRUE(deal_text::Solvable(board)) << n;
        board.Slide({n - 2, n - 2}, {n - 2, n - 1});  // and one column left
        EXPECT_TRUE(deal_text::Solvable(board)) << n;
        Board swapped = board;
        swapped.SetCell(0, 0, board.Cell(0, 1));
        swapped.SetCell(0, 1, board.Cell(0, 0));
        EXPECT_FALSE(deal_text::Solvable(swapped)) << n;
        // The blank swapped with a far block without sliding: the distance's parity is kept
        // but the arrangement's turned.
        Board jumped;
        jumped.SetGridSize(n);
        jumped.FillSolved();
        jumped.SetCell(n - 1, n - 1, 1);
        jumped.SetCell(0, 0, n * n);
        EXPECT_EQ(deal_text::Solvable(jumped), false) << n;
    }
    Board garbage;
    garbage.FillSolved();
    garbage.SetCell(0, 0, 17);
    EXPECT_FALSE(deal_text::Solvable(garbage));
}

}  // namespace
}  // namespace tilora
