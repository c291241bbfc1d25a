// SPDX-License-Identifier: GPL-3.0-or-later
// The game alone, without a window: each transition tells its listeners once and in
// order, the one gate holds every kind of move, and a game ends exactly once.
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "app/game/Game.h"
#include "board/CrtRandom.h"
#include "savegame/SavedGame.h"

namespace tilora {
namespace {

// Every signal of the game as one line, in the order sent.
class Log {
public:
    explicit Log(Game& game)
    {
        QObject::connect(&game, &Game::began, [this] { lines.push_back("began"); });
        QObject::connect(&game, &Game::moved, [this](CellPos, CellPos, Game::MoveKind kind) {
            lines.push_back("moved " + std::to_string(static_cast<int>(kind)));
        });
        QObject::connect(&game, &Game::ended, [this](Game::Outcome outcome, int seconds, int moves, bool helped) {
            lines.push_back("ended " + std::to_string(static_cast<int>(outcome)) + " " + std::to_string(seconds) + " " +
                            std::to_string(moves) + (helped ? " helped" : ""));
        });
        QObject::connect(&game, &Game::sizeChanged, [this](int n) { lines.push_back("size " + std::to_string(n)); });
    }
    std::vector<std::string> Take() { return std::exchange(lines, {}); }
    std::vector<std::string> lines;
};

// A game one slide from solved: the last block right of the blank.
SavedGame OneFromSolved(int seconds = 3, int n = 4)
{
    SavedGame game{n, {}, seconds};
    for (int i = 1; i <= n * n; ++i)
        game.cells.push_back(i);
    std::swap(game.cells[n * n - 2], game.cells[n * n - 1]);
    return game;
}

bool IsPermutation(const Board& board)
{
    std::vector<int> cells;
    for (int i = 0; i < board.GridSize() * board.GridSize(); ++i)
        cells.push_back(board.Cell(i / board.GridSize(), i % board.GridSize()));
    std::sort(cells.begin(), cells.end());
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i] != static_cast<int>(i) + 1)
            return false;
    return true;
}

TEST(GameTest, EachGameBeginsOnceAndEndsOnce)
{
    Game game;
    Log log(game);
    CrtRandom random;
    game.SetStartLevel(3);
    game.Deal(random, 1);
    game.Tick();
    game.Deal(random, 2);  // New answered Yes: the first game was left
    game.Quit();
    game.Quit();
    game.Restore(OneFromSolved(), false);
    EXPECT_TRUE(game.Keep());
    EXPECT_FALSE(game.Keep());
    game.Quit();  // the end of the session after the keep: nothing more
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"began", "ended 1 1 0", "began", "ended 1 0 0", "began",
                                                     "ended 2 3 0"}));
}

// Every kind of move passes the one gate: a game runs, unpaused, no dialog open.
TEST(GameTest, NoKindOfMovePassesTheGateWhenShut)
{
    struct Case {
        const char* what;
        std::function<void(Game&, bool&)> shut;
    };
    const Case cases[] = {
        {"no game", [](Game& game, bool&) { game.Quit(); }},
        {"paused", [](Game& game, bool&) { game.PauseRestart(); }},
        {"a dialog open", [](Game&, bool& open) { open = true; }},
    };
    for (const Case& c : cases) {
        Game game;
        bool open = false;
        game.SetDialogOpen([&open] { return open; });
        game.Restore(OneFromSolved(), false);
        ASSERT_TRUE(game.MoveBlock({2, 2}, Game::MoveKind::Player));  // 11 down: a move to take back
        c.shut(game, open);
        const Board before = game.GetBoard();
        EXPECT_FALSE(game.CanSlide({2, 3})) << c.what;
        for (const auto kind : {Game::MoveKind::Player, Game::MoveKind::Hint})
            EXPECT_FALSE(game.MoveBlock({2, 3}, kind)) << c.what;
        EXPECT_FALSE(game.Undo()) << c.what;
        EXPECT_TRUE(game.GetBoard().SameCells(before)) << c.what;
    }
}

// The solving move ends the game before anyone hears of the win: nothing is kept, the
// moves are no longer taken back, and a hint's help goes with the outcome.
TEST(GameTest, TheSolvingMoveEndsTheGameAtOnce)
{
    Game game;
    Log log(game);
    game.Restore(OneFromSolved(5), false);
    bool keptDuringWin = true;
    QObject::connect(&game, &Game::ended, [&] { keptDuringWin = game.Keep(); });
    game.StartTimer();
    ASSERT_TRUE(game.MoveBlock({3, 3}, Game::MoveKind::Hint));
    EXPECT_FALSE(keptDuringWin);
    EXPECT_FALSE(game.Playing());
    EXPECT_TRUE(game.ShowFinished());
    EXPECT_FALSE(game.TimerRunning());
    EXPECT_FALSE(game.Undo());
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"began", "moved 3", "ended 0 5 1 helped"}));
    // For a replay: the start and each move with its second.
    Board start;
    RestoreBoard(OneFromSolved(), start);
    EXPECT_TRUE(game.StartBoard().SameCells(start));
    ASSERT_EQ(game.Played().size(), 1u);
    EXPECT_EQ(game.Played()[0].from, (CellPos{3, 3}));
    EXPECT_EQ(game.Played()[0].second, 5);
}

// No. of Blocks: one size for everyone at once, and no board of the old size on show.
TEST(GameTest, ANewSizeLeavesNoBoardOfTheOldSize)
{
    for (const int n : {4, 5, 8, 10}) {
        Game game;
        game.Restore(OneFromSolved(), false);
        game.MoveBlock({3, 3}, Game::MoveKind::Player);  // won: the finished board is on show
        game.PauseRestart();
        Log log(game);
        QSignalSpy seconds(&game, &Game::secondsChanged);
        game.SetGridSize(n);
        EXPECT_EQ(log.Take(), std::vector<std::string>{"size " + std::to_string(n)});
        EXPECT_EQ(game.GetBoard().GridSize(), n);
        EXPECT_TRUE(IsPermutation(game.GetBoard())) << n;
        EXPECT_FALSE(game.ShowFinished()) << n;
        EXPECT_FALSE(game.Paused());
        EXPECT_EQ(game.Seconds(), 0);
        EXPECT_EQ(seconds.count(), 0) << "the count on show stays until the next game";
    }
}

// A game taken up again keeps the helped mark it was kept with, and its size.
TEST(GameTest, ARestoredGameKeepsItsHelpedMarkAndSize)
{
    Game game;
    Log log(game);
    game.Restore(OneFromSolved(9, 5), true);
    game.Quit();
    EXPECT_EQ(log.Take(), (std::vector<std::string>{"size 5", "began", "ended 1 9 0 helped"}));
    CrtRandom random;
    game.Deal(random, 1);
    EXPECT_EQ(game.GetBoard().GridSize(), 5) << "the size stays in force";
    EXPECT_FALSE(game.Helped());
}

}  // namespace
}  // namespace tilora
