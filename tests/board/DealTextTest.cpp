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

Board Solved(int n)
{
    Board board;
    board.SetGridSize(n);
    board.FillSolved();
    return board;
}

// The solved board with its last block slid into the corner: the blank left of it.
Board OneFromSolved(int n)
{
    Board board = Solved(n);
    board.Slide({n - 1, n - 2}, {n - 1, n - 1});
    return board;
}

// The text a player copies comes back as the same board, for every size and many deals;
// the blank is written 0, rows are parted by "/" and numbers by one space.
TEST(DealText, EveryDealComesBackFromItsText)
{
    EXPECT_EQ(deal_text::Format(OneFromSolved(4)), "1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15");
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

// Both forms, the ways players write them, and the sized form of every size give the same
// board.
TEST(DealText, ReadsBothFormsTheirSpacingAndEverySize)
{
    const auto sized = [](int n) {
        std::string text = std::to_string(n) + "x" + std::to_string(n) + ":";
        for (int i = 1; i < n * n - 1; ++i)
            text += std::to_string(i) + ",";
        return text + "0," + std::to_string(n * n - 1);
    };
    const struct Case { std::string text; int size; } cases[] = {
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15", 4},
        {"  1 2 3 4 / 5 6 7 8 / 9 10 11 12 / 13 14 0 15\n", 4},
        {"1 2 3 4\n5 6 7 8\n9 10 11 12\n13 14 0 15", 4},
        {"1\t2  3 4/5 6 7 8/9 10 11 12/13 14 0 15\r\n", 4},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 0 15", 4},
        {"4x4:1,2,3,4,5,6,7,8,9,10,11,12,13,14,0,15", 4},
        {"4X4: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 15", 4},
        {sized(5), 5},
        {sized(8), 8},
        {sized(10), 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = deal_text::Parse(c.text);
        ASSERT_TRUE(parsed.board);
        EXPECT_TRUE(parsed.board->SameCells(OneFromSolved(c.size)));
    }
}

// Each text that is no board to play is refused with its own reason.
TEST(DealText, RefusesEachFaultWithItsReason)
{
    const struct Case { std::string text; Refusal refusal; } cases[] = {
        {"", Refusal::NotABoard},
        {"   \n", Refusal::NotABoard},
        {"hello world", Refusal::NotABoard},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 x", Refusal::NotABoard},
        {"1 2 3 4/5 6 -7 8/9 10 11 12/13 14 15 0", Refusal::NotABoard},
        {"4x4:", Refusal::NotABoard},
        {"axb:1,2,3", Refusal::NotABoard},
        {"4y4:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,0", Refusal::NotABoard},
        {std::string(deal_text::kMaxLength + 1, ' '), Refusal::NotABoard},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15", Refusal::WrongCount},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 0 16", Refusal::WrongCount},
        {"1 2 3 4/5 6 7 8/9 10 11 12", Refusal::WrongCount},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", Refusal::WrongCount},
        {"4x4:1,2,3,4,5,6,7,8,9,10,11,12,13,14,0", Refusal::WrongCount},
        {"5x5:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,0", Refusal::WrongCount},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 0/16 17 18 19 20", Refusal::WrongCount},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 14 0", Refusal::WrongNumbers},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 0", Refusal::WrongNumbers},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 16", Refusal::WrongNumbers},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 99999999999999999999", Refusal::WrongNumbers},
        {"4x4:1,2,3,4,5,6,7,8,9,10,11,12,13,15,14,0", Refusal::Unsolvable},
        {"2 1 3 4/5 6 7 8/9 10 11 12/13 14 15 0", Refusal::Unsolvable},
        {"1 2 3/4 5 6/7 8 0", Refusal::WrongSize},
        {"1 2 3 4 5 6 7 8 0", Refusal::WrongSize},
        {"3x3:1,2,3,4,5,6,7,8,0", Refusal::WrongSize},
        {"4x5:1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,0", Refusal::WrongSize},
        {"6x6:1,2,3", Refusal::WrongSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE('"' + c.text + '"');
        const auto parsed = deal_text::Parse(c.text);
        EXPECT_FALSE(parsed.board);
        EXPECT_EQ(parsed.refusal, c.refusal);
    }
}

// The parity rule against boards one or two steps from solved, on even and odd sizes: a
// slide keeps a board solvable, a swap of two blocks never does.
TEST(DealText, SolvableFollowsTheSlidesAndNotTheSwaps)
{
    for (const int n : {4, 5}) {
        SCOPED_TRACE(n);
        Board board = Solved(n);
        EXPECT_TRUE(deal_text::Solvable(board));
        board.Slide({n - 2, n - 1}, {n - 1, n - 1});  // the blank one row up
        EXPECT_TRUE(deal_text::Solvable(board));
        board.Slide({n - 2, n - 2}, {n - 2, n - 1});  // and one column left
        EXPECT_TRUE(deal_text::Solvable(board));
        Board swapped = board;
        swapped.SetCell(0, 0, board.Cell(0, 1));
        swapped.SetCell(0, 1, board.Cell(0, 0));
        EXPECT_FALSE(deal_text::Solvable(swapped));
        // The blank swapped with a far block without sliding: the distance's parity is kept
        // but the arrangement's turned.
        Board jumped = Solved(n);
        jumped.SetCell(n - 1, n - 1, 1);
        jumped.SetCell(0, 0, n * n);
        EXPECT_FALSE(deal_text::Solvable(jumped));
        Board beyond = Solved(n);
        beyond.SetCell(0, 0, n * n + 1);
        EXPECT_FALSE(deal_text::Solvable(beyond));
    }
}

}  // namespace
}  // namespace tilora
