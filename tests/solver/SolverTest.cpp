// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <future>
#include <map>
#include <numeric>
#include <thread>
#include <vector>

#include "SharedTables.h"
#include "board/CrtRandom.h"
#include "board/Deal.h"
#include "solver/BoardSolver.h"
#include "solver/FiveSolver.h"
#include "solver/HintPlan.h"
#include "solver/PatternDatabase.h"

namespace tilora::solver {
namespace {

Board FourByFour(const std::array<int, 16>& tiles)
{
    Board board;
    board.SetGridSize(4);
    for (int p = 0; p < 16; ++p)
        board.SetCell(p / 4, p % 4, tiles[p]);
    return board;
}

Board Dealt(int n, std::uint32_t seed, int level)
{
    Board board;
    board.SetGridSize(n);
    CrtRandom random;
    random.Seed(seed);
    ScrambleBoard(board, level, random);
    return board;
}

// Plays the moves as the window does, each one a block next to the blank sliding into it.
// False at the first move that is no legal slide.
bool Play(Board& board, const std::vector<CellPos>& moves)
{
    for (const CellPos cell : moves) {
        const auto blank = board.BlankNeighbour(cell);
        if (!board.Contains(cell) || !blank)
            return false;
        board.Slide(cell, *blank);
    }
    return true;
}

const PatternDatabases& Databases()
{
    return *SharedTables();
}

// A 4 x 4 board is solved in the fewest moves. The lengths were worked out once by a
// plain iterative-deepening search with the Manhattan distance alone; the last two boards
// are published random instances (Korf, 1985), turned half round to this board's layout,
// with their published lengths.
TEST(SolverTest, FourByFourBoardsAreSolvedInTheFewestMoves)
{
    struct Case {
        std::array<int, 16> tiles;
        std::size_t shortest;
    };
    const std::vector<Case> cases{
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 0},
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15}, 1},
        {{1, 2, 3, 4, 5, 6, 7, 16, 9, 10, 11, 8, 13, 14, 15, 12}, 2},
        {{2, 3, 8, 11, 1, 6, 15, 16, 5, 9, 4, 12, 13, 10, 7, 14}, 24},
        {{6, 1, 16, 4, 5, 8, 12, 2, 9, 7, 3, 11, 13, 10, 14, 15}, 28},
        {{5, 7, 12, 1, 2, 10, 6, 16, 9, 8, 3, 4, 13, 14, 11, 15}, 28},
        {{1, 11, 2, 8, 6, 13, 4, 16, 5, 14, 9, 7, 10, 15, 12, 3}, 34},
        {{6, 7, 3, 2, 5, 16, 14, 8, 1, 4, 11, 12, 9, 13, 10, 15}, 34},
        {{12, 2, 1, 4, 14, 9, 10, 3, 16, 5, 13, 7, 6, 11, 15, 8}, 38},
        {{5, 6, 2, 7, 3, 16, 8, 4, 1, 9, 10, 15, 13, 11, 12, 14}, 38},
        {{6, 13, 2, 4, 7, 1, 15, 16, 10, 8, 12, 11, 5, 9, 14, 3}, 42},
        {{13, 6, 8, 12, 15, 14, 16, 10, 11, 7, 4, 5, 9, 1, 3, 2}, 57},
        {{11, 4, 6, 14, 15, 13, 9, 16, 7, 10, 8, 1, 5, 12, 3, 2}, 56},
    };
    for (const Case& c : cases) {
        Board board = FourByFour(c.tiles);
        const auto moves = SolveBoard(board, Databases());
        ASSERT_TRUE(moves.has_value()) << "shortest " << c.shortest;
        EXPECT_EQ(moves->size(), c.shortest);
        EXPECT_TRUE(Play(board, *moves) && board.IsSolved()) << "shortest " << c.shortest;
    }
}

// Every board within `depth` moves of solved on an n x n board (tiles in reading order, n * n
// the blank), with its fewest moves, counted breadth-first from the solved board.
template <int N>
std::map<std::array<int, N * N>, int> Around(int depth)
{
    std::array<int, N * N> solved{};
    std::iota(solved.begin(), solved.end(), 1);
    std::map<std::array<int, N * N>, int> found{{solved, 0}};
    std::vector<std::array<int, N * N>> layer{solved};
    for (int d = 1; d <= depth; ++d) {
        std::vector<std::array<int, N * N>> next;
        for (const auto& tiles : layer) {
            const int blank = static_cast<int>(std::find(tiles.begin(), tiles.end(), N * N) - tiles.begin());
            for (const int step : {-N, -1, 1, N}) {
                const int to = blank + step;
                if (to < 0 || to >= N * N || ((step == 1 || step == -1) && to / N != blank / N))
                    continue;
                auto moved = tiles;
                std::swap(moved[blank], moved[to]);
                if (found.emplace(moved, d).second)
                    next.push_back(moved);
            }
        }
        layer.swap(next);
    }
    return found;
}

// The solutions are the shortest, checked against a count independent of the databases:
// every 4 x 4 board within 12 moves of solved gets a solution of its exact distance, and
// so does every 5 x 5 board within 8 moves from the 5 x 5 search unweighted. A database
// entry one too high anywhere near solved shows up as a longer solution.
TEST(SolverTest, SolutionsNearSolvedAreAsShortAsABreadthFirstCount)
{
    int longer = 0;
    for (const auto& [tiles, distance] : Around<4>(12)) {
        const auto moves = SolveBoard(FourByFour(tiles), Databases());
        longer += !moves || static_cast<int>(moves->size()) != distance;
    }
    EXPECT_EQ(longer, 0) << "4 x 4 boards not solved in their fewest moves";
    FiveSolver five(Databases());
    longer = 0;
    for (const auto& [tiles, distance] : Around<5>(8)) {
        const auto moves = five.Solve(tiles, 4, 1'000'000);
        longer += !moves || static_cast<int>(moves->size()) != distance;
    }
    EXPECT_EQ(longer, 0) << "5 x 5 boards not solved in their fewest moves";
}

// Published random 5 x 5 instances (Korf and Felner, 2002), turned half round to this
// board's layout, each solved within 1.25 times its published shortest length.
TEST(SolverTest, FiveByFiveBoardsAreSolvedNearTheShortest)
{
    struct Case {
        std::array<int, 25> tiles;
        std::size_t shortest;
    };
    const std::vector<Case> cases{
        {{7, 5, 3, 1, 14, 19, 13, 17, 2, 16, 4, 23, 6, 10, 21, 18, 20, 22, 25, 12, 8, 11, 15, 9, 24}, 100},
        {{11, 2, 21, 15, 3, 9, 16, 17, 23, 14, 4, 20, 19, 1, 6, 25, 5, 18, 22, 10, 8, 12, 7, 13, 24}, 97},
        {{25, 13, 19, 18, 2, 4, 16, 12, 24, 15, 3, 21, 8, 23, 1, 20, 5, 9, 6, 22, 11, 7, 17, 14, 10}, 106},
        {{6, 7, 23, 2, 5, 15, 18, 19, 10, 4, 9, 12, 3, 21, 20, 25, 11, 13, 14, 24, 1, 17, 16, 8, 22}, 81},
    };
    for (const Case& c : cases) {
        Board board;
        board.SetGridSize(5);
        for (int p = 0; p < 25; ++p)
            board.SetCell(p / 5, p % 5, c.tiles[p]);
        const auto moves = SolveBoard(board, Databases());
        ASSERT_TRUE(moves.has_value()) << "shortest " << c.shortest;
        EXPECT_LE(moves->size() * 4, c.shortest * 5) << "shortest " << c.shortest;
        EXPECT_TRUE(Play(board, *moves) && board.IsSolved()) << "shortest " << c.shortest;
    }
}

// Each try of the 5 x 5 search has a budget of its own, counted from where it begins: a
// try after one that spent its budget still searches, and one past its budget stops.
TEST(SolverTest, EachFiveByFiveTryHasItsOwnBudget)
{
    const Board dealt = Dealt(5, 11, 100);
    std::array<int, kFiveCells> tiles{};
    for (int p = 0; p < kFiveCells; ++p)
        tiles[p] = dealt.Cell(p / 5, p % 5);
    FiveSolver five(Databases());
    EXPECT_FALSE(five.Solve(tiles, 4, 200'000)) << "an unweighted search of a dealt board within 200,000 positions";
    EXPECT_GT(five.Nodes(), 200'000u);
    const std::uint64_t spent = five.Nodes();
    const auto found = five.Solve(tiles, 12, 100'000);
    ASSERT_TRUE(found) << "a search weighted by 3 within 100,000 positions";
    EXPECT_LE(five.Nodes() - spent, 100'001u);
    EXPECT_FALSE(five.Solve(tiles, 12, (five.Nodes() - spent) / 2)) << "the same search within half its positions";
}

// Every size the game deals is solved, from many deals, by legal slides alone.
TEST(SolverTest, DealtBoardsOfEverySizeAreSolved)
{
    for (const int n : {4, 5, 8, 10}) {
        for (std::uint32_t seed = 1; seed <= 12; ++seed) {
            // The 4 x 4 deals stay short so that the test keeps quick in checked builds;
            // the larger ones are dealt as hard as the game deals them.
            Board board = Dealt(n, seed, n == 4 ? 3 : 100);
            const auto moves = SolveBoard(board, Databases());
            ASSERT_TRUE(moves.has_value()) << n << " x " << n << ", seed " << seed;
            // One board, one hint: the same board gives the same solution every time.
            EXPECT_EQ(SolveBoard(board, Databases()), moves) << n << " x " << n << ", seed " << seed;
            EXPECT_TRUE(Play(board, *moves) && board.IsSolved()) << n << " x " << n << ", seed " << seed;
        }
    }
}

// A stop request ends the search within 100 ms in every phase: asked before it starts
// (then not one state is searched), or at moments of a 10 x 10 board's solution from the
// reduction of its outer lines to the last 4 x 4 block.
TEST(SolverTest, StopRequestEndsTheSearchQuickly)
{
    using namespace std::chrono;
    const PatternDatabases& databases = Databases();
    const Board board = Dealt(10, 8, 100);
    for (const int delayMs : {0, 1, 5, 20}) {
        std::stop_source stop;
        if (delayMs == 0)
            stop.request_stop();
        std::uint64_t nodes = 0;
        auto solving = std::async(std::launch::async, [&] { return SolveBoard(board, databases, stop.get_token(), &nodes); });
        std::this_thread::sleep_for(milliseconds(delayMs));
        const auto asked = steady_clock::now();
        stop.request_stop();
        EXPECT_FALSE(solving.get().has_value()) << "asked after " << delayMs << " ms";
        EXPECT_LT(duration_cast<milliseconds>(steady_clock::now() - asked).count(), 100) << "asked after " << delayMs << " ms";
        if (delayMs == 0) {
            EXPECT_EQ(nodes, 0U);
        }
    }
}

// The databases' build gives up at a stop request, asked before it starts or while it
// runs (a whole build takes seconds), and says so.
TEST(SolverTest, StopRequestAbandonsTheBuild)
{
    using namespace std::chrono;
    for (const int delayMs : {0, 50, 400}) {
        std::stop_source stop;
        if (delayMs == 0)
            stop.request_stop();
        auto building = std::async(std::launch::async, [&] { return PatternDatabases(stop.get_token()).Complete(); });
        std::this_thread::sleep_for(milliseconds(delayMs));
        const auto asked = steady_clock::now();
        stop.request_stop();
        EXPECT_FALSE(building.get()) << "asked after " << delayMs << " ms";
        EXPECT_LT(duration_cast<milliseconds>(steady_clock::now() - asked).count(), 300) << "asked after " << delayMs << " ms";
    }
}

// Only a board that slides can bring home is taken: each tile once, and the order's
// parity matching the blank's distance from its corner.
TEST(SolverTest, OnlySolvableBoardsAreTaken)
{
    struct Case {
        const char* what;
        std::array<int, 16> tiles;
        bool solvable;
    };
    const std::vector<Case> cases{
        {"solved", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, true},
        {"blank moved up", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 16, 13, 14, 15, 12}, true},
        {"two tiles swapped", {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, false},
        {"blank swapped with a tile two cells away", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 15, 14}, false},
        {"a tile twice", {1, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, false},
        {"no blank", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 15}, false},
        {"a tile out of range", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 16}, false},
        {"a zero", {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSolvable(FourByFour(c.tiles)), c.solvable) << c.what;

    Board large = Dealt(10, 3, 100);
    EXPECT_TRUE(IsSolvable(large));
    const int first = large.Cell(9, 0);
    large.SetCell(9, 0, large.Cell(9, 1));
    large.SetCell(9, 1, first);
    EXPECT_FALSE(IsSolvable(large)) << "10 x 10 with two tiles swapped";
}

// The plan hands out its moves while the board is the one it expects, and nothing as soon
// as the board is another.
TEST(SolverTest, PlanIsFollowedOnlyOnTheBoardItExpects)
{
    Board board = FourByFour({1, 2, 3, 4, 5, 6, 7, 16, 9, 10, 11, 8, 13, 14, 15, 12});
    HintPlan plan;
    plan.Set(board, {{2, 3}, {3, 3}});
    ASSERT_EQ(plan.Next(board), (CellPos{2, 3}));
    ASSERT_TRUE(Play(board, {{2, 3}}));
    EXPECT_FALSE(plan.Next(board).has_value()) << "the plan was not told of the move";
    plan.Advance();
    ASSERT_EQ(plan.Next(board), (CellPos{3, 3}));

    Board other = board;
    ASSERT_TRUE(Play(other, {{2, 2}}));
    EXPECT_FALSE(plan.Next(other).has_value()) << "another board";
    plan.Advance();
    EXPECT_FALSE(plan.Next(board).has_value()) << "the plan is used up";
}

}  // namespace
}  // namespace tilora::solver
