// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Board.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace tilora {
namespace {

// Builds an n x n board from rows of tile numbers.
Board MakeBoard(std::initializer_list<std::vector<int>> rows)
{
    Board board;
    board.SetGridSize(static_cast<int>(rows.size()));
    int r = 0;
    for (const auto& row : rows) {
        for (int c = 0; c < static_cast<int>(row.size()); ++c)
            board.SetCell(r, c, row[c]);
        ++r;
    }
    return board;
}

TEST(BoardTest, SolvedOnlyWithEveryTileAtHomeUpToTheLastCell)
{
    struct Case {
        const char* what;
        Board board;
        bool solved;
    };
    const Case cases[] = {
        {"solved order", MakeBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}), true},
        {"first two swapped", MakeBoard({{2, 1, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}), false},
        {"last two swapped", MakeBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 16, 15}}), false},
        // A saved game may hold any numbers: every tile home but the last cell is no blank.
        {"no blank in the last cell", MakeBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 15}}),
         false},
        {"two blanks", MakeBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 16, 16}}), false},
        {"5 x 5 solved",
         MakeBoard({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}, {16, 17, 18, 19, 20}, {21, 22, 23, 24, 25}}),
         true},
        {"5 x 5, last two swapped",
         MakeBoard({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}, {16, 17, 18, 19, 20}, {21, 22, 23, 25, 24}}),
         false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.board.IsSolved(), c.solved) << c.what;
}

TEST(BoardTest, SolvedTestIgnoresCellsOutsideTheGrid)
{
    Board board;
    board.SetGridSize(10);
    board.FillSolved();
    board.SetGridSize(4);
    board.FillSolved();
    EXPECT_EQ(board.Cell(9, 9), 100);  // left from the larger grid
    EXPECT_TRUE(board.IsSolved());
}

// The blank is the first cell in reading order that holds it; two boards are the same
// when their grids are, whatever the cells beyond the grid hold.
TEST(BoardTest, BlankAndSameCellsLookOnlyAtTheGrid)
{
    Board board;
    board.SetGridSize(10);
    board.FillSolved();
    board.SetGridSize(4);
    board.FillSolved();
    EXPECT_EQ(board.Blank(), (CellPos{3, 3}));
    board.SetCell(1, 2, 16);
    EXPECT_EQ(board.Blank(), (CellPos{1, 2}));
    board.SetCell(1, 2, 7);
    board.SetCell(3, 3, 99);
    EXPECT_EQ(board.Blank(), std::nullopt);

    Board other;  // a fresh 4 x 4 board: the same grid, other cells beyond it
    other.SetCell(3, 3, 99);
    EXPECT_TRUE(board.SameCells(other));
    other.SetCell(0, 1, 5);
    EXPECT_FALSE(board.SameCells(other));
    other.SetCell(0, 1, 2);
    other.SetGridSize(5);
    EXPECT_FALSE(board.SameCells(other));
}

// A move's point is clamped to the last cell up to 320; a drop's point is not clamped and
// never lies off the board. Both divide by the block size, not by the drawn pitch.
TEST(BoardTest, MoveAndDropPointsFindTheirCells)
{
    using Cell = std::optional<CellPos>;
    struct Case {
        int n, x, y;
        Cell move, drop;  // CellForMove, CellAt
    };
    const Case cases[] = {
        {4, 0, 0, CellPos{0, 0}, CellPos{0, 0}},
        {4, 319, 319, CellPos{3, 3}, CellPos{3, 3}},
        {4, 320, 320, CellPos{3, 3}, std::nullopt},
        {4, 320, 10, CellPos{0, 3}, std::nullopt},  // column 4 is off a 4 x 4 board
        {4, 321, 10, std::nullopt, std::nullopt},
        {4, 10, 321, std::nullopt, std::nullopt},
        {4, -1, 10, std::nullopt, std::nullopt},
        {4, -5, 10, std::nullopt, std::nullopt},  // would truncate to column 0
        {4, 10, -5, std::nullopt, std::nullopt},
        {4, 10, -79, std::nullopt, std::nullopt},
        // Drawn column 2 spans x = 162..242 with the pitch of 81, but input divides by 80.
        {4, 239, 0, CellPos{0, 2}, CellPos{0, 2}},
        {4, 240, 0, CellPos{0, 3}, CellPos{0, 3}},
        {4, 241, 0, CellPos{0, 3}, CellPos{0, 3}},
        {4, 242, 0, CellPos{0, 3}, CellPos{0, 3}},
        // s = 32: 319 / 32 = 9, 320 / 32 = 10 clamped to 9
        {10, 320, 319, CellPos{9, 9}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " x " << c.n << " at " << c.x << "," << c.y);
        Board board;
        board.SetGridSize(c.n);
        EXPECT_EQ(board.CellForMove(c.x, c.y), c.move);
        EXPECT_EQ(board.CellAt(c.x, c.y), c.drop);
    }
}

TEST(BoardTest, BlankNeighbourIsOrthogonalOnly)
{
    Board board = MakeBoard({{1, 2, 3, 4}, {5, 16, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 6}});
    EXPECT_EQ(board.BlankNeighbour({0, 1}), (CellPos{1, 1}));  // down
    EXPECT_EQ(board.BlankNeighbour({1, 0}), (CellPos{1, 1}));  // right
    EXPECT_EQ(board.BlankNeighbour({1, 2}), (CellPos{1, 1}));  // left
    EXPECT_EQ(board.BlankNeighbour({2, 1}), (CellPos{1, 1}));  // up
    EXPECT_FALSE(board.BlankNeighbour({0, 0}));  // diagonal
    EXPECT_FALSE(board.BlankNeighbour({1, 1}));  // the blank itself
    EXPECT_FALSE(board.BlankNeighbour({3, 3}));  // far away
}

TEST(BoardTest, SeveralBlanksArePickedDownThenLeftThenRightThenUp)
{
    // The centre cell (1, 1) of a 4 x 4 board, surrounded by blanks as a saved game may hold.
    const auto around = [](bool up, bool left, bool right, bool down) {
        Board board = MakeBoard({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 1}});
        if (up)
            board.SetCell(0, 1, 16);
        if (left)
            board.SetCell(1, 0, 16);
        if (right)
            board.SetCell(1, 2, 16);
        if (down)
            board.SetCell(2, 1, 16);
        return board.BlankNeighbour({1, 1});
    };
    EXPECT_EQ(around(true, true, true, true), (CellPos{2, 1}));
    EXPECT_EQ(around(true, true, true, false), (CellPos{1, 0}));
    EXPECT_EQ(around(true, false, true, false), (CellPos{1, 2}));
    EXPECT_EQ(around(true, false, false, false), (CellPos{0, 1}));
    EXPECT_EQ(around(false, true, true, false), (CellPos{1, 0}));
    EXPECT_EQ(around(true, false, true, true), (CellPos{2, 1}));
}

}  // namespace
}  // namespace tilora
