// SPDX-License-Identifier: GPL-3.0-or-later
// A game played again without a window: its steps, its pace, and the games it takes.
#include <QTest>

#include <gtest/gtest.h>

#include "app/record/KeptGame.h"
#include "app/replay/Replay.h"
#include "app/replay/ShortestWay.h"

namespace tilora::test {
namespace {

Board FromRows(std::initializer_list<int> tiles)
{
    Board board;
    board.SetGridSize(4);
    int i = 0;
    for (const int tile : tiles) {
        board.SetCell(i / 4, i % 4, tile);
        ++i;
    }
    return board;
}

// Three moves from solved: 10 left, 11 left, 12 up.
const Board kStart = FromRows({1, 2, 3, 4, 5, 6, 7, 8, 9, 16, 10, 11, 13, 14, 15, 12});
const std::vector<CellPos> kWay = {{2, 2}, {2, 3}, {3, 3}};

std::vector<game_trace::Move> Timed(const std::vector<int>& seconds)
{
    auto moves = *WayAsMoves(kStart, kWay);
    for (std::size_t i = 0; i < moves.size(); ++i)
        moves[i].second = seconds[i];
    return moves;
}

// Forward and back slide one block each, the inverse of each other; a jump lands on the
// board the steps reach; the clock shows the second of the move before the position.
TEST(ReplayTest, StepsAndJumpsAgreeAndEndOnTheGamesLastBoard)
{
    Replay replay(kStart, Timed({1, 4, 9}));
    std::vector<std::pair<CellPos, CellPos>> stepped;
    QObject::connect(&replay, &Replay::stepped, [&](CellPos from, CellPos to) { stepped.emplace_back(from, to); });
    EXPECT_FALSE(replay.Back());
    ASSERT_TRUE(replay.Forward());
    ASSERT_TRUE(replay.Back());
    using Step = std::pair<CellPos, CellPos>;
    EXPECT_EQ(stepped, (std::vector<Step>{{{2, 2}, {2, 1}}, {{2, 1}, {2, 2}}}));
    EXPECT_TRUE(replay.Shown().GetBoard().SameCells(kStart));
    for (int i = 0; i < 3; ++i)
        replay.Forward();
    EXPECT_FALSE(replay.Forward());
    EXPECT_TRUE(replay.Shown().GetBoard().IsSolved());
    EXPECT_EQ(std::tuple(replay.Seconds(), replay.Shown().Moves(), replay.Shown().MayMove()), std::tuple(9, 3, false));
    const Board atEnd = replay.Shown().GetBoard();
    for (const int position : {0, 2, 1, 3, 7, -1}) {
        SCOPED_TRACE(position);
        replay.Seek(position);
        Replay stepper(kStart, Timed({1, 4, 9}));
        while (stepper.Position() < std::clamp(position, 0, 3))
            stepper.Forward();
        EXPECT_TRUE(replay.Shown().GetBoard().SameCells(stepper.Shown().GetBoard()));
        EXPECT_EQ(replay.Seconds(), stepper.Seconds());
    }
    replay.Seek(3);
    EXPECT_TRUE(replay.Shown().GetBoard().SameCells(atEnd));
}

// At the game's own pace each wait is the time between two moves, moves of one second
// spread evenly over it and none closer than the fastest; a steady replay waits the same
// before each move.
TEST(ReplayTest, ThePaceFollowsTheGamesClockOrAStep)
{
    struct Case {
        std::vector<int> seconds;
        Replay::Pace pace;
        std::vector<int> delays;
    };
    const Case cases[] = {
        {{1, 4, 9}, Replay::Pace::Real, {1000, 3000, 5000}},
        {{2, 2, 3}, Replay::Pace::Real, {2000, 500, 500}},
        {{0, 0, 0}, Replay::Pace::Real, {Replay::kFastestMs, 333, 333}},
        {{1, 4, 9}, Replay::Pace::Steady, {Replay::kSteadyMs, Replay::kSteadyMs, Replay::kSteadyMs}},
    };
    for (const Case& c : cases) {
        Replay replay(kStart, Timed(c.seconds));
        replay.SetPace(c.pace);
        std::vector<int> delays;
        do
            delays.push_back(replay.DelayBeforeNext());
        while (replay.Forward() && replay.Position() < replay.Count());
        EXPECT_EQ(delays, c.delays) << ::testing::PrintToString(c.seconds);
    }
}

// Play goes to the end by itself, from the start when it stood at the end; a step by hand
// stops it.
TEST(ReplayTest, PlayRunsToTheEndAndAStepByHandStopsIt)
{
    Replay replay(kStart, Timed({0, 0, 0}));
    replay.SetPace(Replay::Pace::Steady);
    replay.Seek(3);
    replay.Play();
    EXPECT_EQ(replay.Position(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(replay.Position(), 3, 5000);
    EXPECT_FALSE(replay.Playing());
    replay.Seek(0);
    replay.Play();
    replay.Forward();
    EXPECT_FALSE(replay.Playing());
    QTest::qWait(Replay::kSteadyMs * 2);
    EXPECT_EQ(replay.Position(), 1);
}

// A kept game is replayed from its start and moves; one kept without them, or whose moves
// do not fit its start, is none; a way that is no sequence of slides is refused.
TEST(ReplayTest, OnlyAGameKeptWholeIsReplayed)
{
    struct Case {
        const char* board;
        const char* played;
        bool replayed;
    };
    const Case cases[] = {{"012345678f9acdeb", "1L3L5U", true},
                          {"012345678f9acdeb", "", true},
                          {"", "", false},
                          {"012345678f9acdeb", "LLL", false},
                          {"0123", "U", false}};
    for (const Case& c : cases) {
        KeptGame game;
        game.board = c.board;
        game.played = c.played;
        const auto recorded = ReadRecordedGame(game);
        ASSERT_EQ(recorded.has_value(), c.replayed) << c.board << " " << c.played;
        if (recorded) {
            EXPECT_TRUE(recorded->start.SameCells(kStart));
        }
    }
    EXPECT_FALSE(WayAsMoves(kStart, {{0, 0}}));
    EXPECT_EQ(WayAsMoves(kStart, kWay)->size(), 3u);
}

}  // namespace
}  // namespace tilora::test
