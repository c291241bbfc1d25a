// SPDX-License-Identifier: GPL-3.0-or-later
// A whole line: every block between the chosen one and the blank slides, one move each,
// as one step of undo and redo, each block told by its own `moved` in order.
#include "app/game/Game.h"

#include <gtest/gtest.h>

#include <vector>

#include "board/CrtRandom.h"

namespace tilora {
namespace {

class LineMoveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.Deal(random, 1);
        PlaceBlank();
        QObject::connect(&game, &Game::moved, [this](CellPos from, CellPos to, Game::MoveKind) {
            told.push_back({from, to, game.MovesToCome()});
        });
    }
    // The solved 4 x 4 board with the blank taken to the top-left corner: row 0 and
    // column 0 hold the blocks a line of the blank reaches.
    void PlaceBlank()
    {
        Board& board = game.GetBoard();
        board.FillSolved();
        board.SetCell(3, 3, 1);
        board.SetCell(0, 0, 16);
    }
    struct Told {
        CellPos from;
        CellPos to;
        int toCome;
        friend bool operator==(const Told&, const Told&) = default;
    };

    CrtRandom random;
    Game game;
    std::vector<Told> told;
};

TEST_F(LineMoveTest, TheBlocksBetweenTheChosenOneAndTheBlankSlideNearestFirst)
{
    struct Case {
        CellPos chosen;
        std::vector<Told> moves;
    };
    const std::vector<Case> cases{
        {{0, 3}, {{{0, 1}, {0, 0}, 2}, {{0, 2}, {0, 1}, 1}, {{0, 3}, {0, 2}, 0}}},
        {{2, 0}, {{{1, 0}, {0, 0}, 1}, {{2, 0}, {1, 0}, 0}}},
        {{0, 1}, {{{0, 1}, {0, 0}, 0}}},
    };
    for (const Case& c : cases) {
        PlaceBlank();
        told.clear();
        const Board before = game.GetBoard();
        const int moves = game.Moves();
        ASSERT_TRUE(game.MoveLine(c.chosen, Game::MoveKind::Player));
        EXPECT_EQ(told, c.moves) << "chosen " << c.chosen.row << ", " << c.chosen.column;
        EXPECT_EQ(game.Moves(), moves + static_cast<int>(c.moves.size()));
        EXPECT_EQ(game.GetBoard().Cell(c.chosen.row, c.chosen.column), game.GetBoard().BlankTile());
        // One undo takes the whole line back, one redo makes it again.
        ASSERT_TRUE(game.Undo());
        EXPECT_TRUE(game.GetBoard().SameCells(before));
        EXPECT_EQ(game.Moves(), moves + 2 * static_cast<int>(c.moves.size()));
        ASSERT_TRUE(game.Redo());
        EXPECT_EQ(game.GetBoard().Cell(c.chosen.row, c.chosen.column), game.GetBoard().BlankTile());
        EXPECT_FALSE(game.Redo());
    }
}

// No line moves, nor is told, from outside the blank's line, the blank itself or off the
// board, nor through the gate of every move shut.
TEST_F(LineMoveTest, NoLineMovesFromOutsideTheBlanksLineOrThroughAShutGate)
{
    const Board before = game.GetBoard();
    for (const CellPos cell : {CellPos{1, 1}, CellPos{3, 3}, CellPos{0, 0}, CellPos{4, 0}})
        EXPECT_FALSE(game.MoveLine(cell, Game::MoveKind::Player)) << cell.row << ", " << cell.column;
    game.PauseRestart();
    EXPECT_FALSE(game.MoveLine({0, 3}, Game::MoveKind::Player)) << "paused";
    game.PauseRestart();
    game.SetDialogOpen([] { return true; });
    EXPECT_FALSE(game.MoveLine({0, 3}, Game::MoveKind::Player)) << "a dialog open";
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(game.GetBoard().SameCells(before));
}

TEST_F(LineMoveTest, ALineThatSolvesTheBoardWinsOnceAfterItsLastBlock)
{
    // The blank three cells right of its home's row neighbour: the bottom row 13 14 15
    // shifted right by one.
    Board& board = game.GetBoard();
    board.FillSolved();
    board.SetCell(3, 0, 16);
    board.SetCell(3, 1, 13);
    board.SetCell(3, 2, 14);
    board.SetCell(3, 3, 15);
    int wins = 0;
    int movesAtWin = 0;
    QObject::connect(&game, &Game::ended, [&](Game::Outcome outcome, int, int moves, bool) {
        wins += outcome == Game::Outcome::Won;
        movesAtWin = moves;
    });
    const int before = game.Moves();
    ASSERT_TRUE(game.MoveLine({3, 3}, Game::MoveKind::Player));
    EXPECT_EQ(wins, 1);
    EXPECT_EQ(movesAtWin, before + 3);
    EXPECT_FALSE(game.Playing());
    EXPECT_FALSE(game.Undo()) << "a won game's moves are no longer taken back";
}

}  // namespace
}  // namespace tilora
