// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Deal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <vector>

#include "board/CrtRandom.h"

namespace tilora {
namespace {

// Counts the draws and hands out the numbers of the C runtime's generator.
class CountingRandom final : public RandomSource {
public:
    void Seed(std::uint32_t seed) override { m_random.Seed(seed); }
    int Next() override
    {
        ++draws;
        return m_random.Next();
    }
    long long draws = 0;

private:
    CrtRandom m_random;
};

std::vector<int> Tiles(const Board& board)
{
    std::vector<int> tiles;
    for (int r = 0; r < board.GridSize(); ++r)
        for (int c = 0; c < board.GridSize(); ++c)
            tiles.push_back(board.Cell(r, c));
    return tiles;
}

// A board is reachable from the solved one by slides exactly when the parity of its
// permutation equals the parity of the blank's distance from its home corner.
bool ReachableBySlides(const Board& board)
{
    const std::vector<int> tiles = Tiles(board);
    const int n = board.GridSize();
    int inversions = 0;
    for (std::size_t i = 0; i < tiles.size(); ++i)
        for (std::size_t j = i + 1; j < tiles.size(); ++j)
            inversions += tiles[i] > tiles[j];
    const auto blank = std::find(tiles.begin(), tiles.end(), n * n) - tiles.begin();
    const int distance = (n - 1 - static_cast<int>(blank) / n) + (n - 1 - static_cast<int>(blank) % n);
    return inversions % 2 == distance % 2;
}

TEST(DealTest, LevelOfZeroOrLessDealsTheSolvedBoard)
{
    for (const int level : {0, -1, -2147483647 - 1}) {
        Board board;
        CountingRandom random;
        EXPECT_EQ(ScrambleBoard(board, level, random), 0);
        EXPECT_EQ(random.draws, 0);
        EXPECT_TRUE(board.IsSolved());
    }
}

TEST(DealTest, StepBoundDoesNotOverflowForHandEditedLevels)
{
    EXPECT_EQ(DealStepCount(10, 100), 5000);
    EXPECT_EQ(DealStepCount(4, 10), 200);
    // 10 * 2147483647 * 5 overflows 32 bits; the bound stays positive and finite.
    EXPECT_EQ(DealStepCount(10, 2147483647), kMaxDealSteps);
    EXPECT_EQ(DealStepCount(4, 1'000'000), kMaxDealSteps);
}

TEST(DealTest, EveryDealtBoardIsAReachablePermutation)
{
    for (const int n : {4, 5, 8, 10}) {
        for (std::uint32_t seed = 0; seed < 40; ++seed) {
            Board board;
            board.SetGridSize(n);
            CrtRandom random;
            random.Seed(seed * 7919u);
            ScrambleBoard(board, 1 + static_cast<int>(seed % 7), random);
            std::vector<int> tiles = Tiles(board);
            std::sort(tiles.begin(), tiles.end());
            for (int i = 0; i < n * n; ++i)
                ASSERT_EQ(tiles[i], i + 1) << "not a permutation, n = " << n << ", seed = " << seed;
            EXPECT_TRUE(ReachableBySlides(board)) << "n = " << n << ", seed = " << seed;
        }
    }
}

// Boards that fixed seeds deal, worked out once from the deal's rules by a separate model
// of the walk (the classic runtime's generator, the blank found by scanning before every
// step, k = rand() mod (rc + cc), the folds in their order), never by this code. A change
// to the draw (rand() + 1, rand() >> 1), to the step, to the fold or to the step count
// deals another board.
struct GoldenDeal {
    std::uint32_t seed;
    int n;
    int level;
    std::vector<int> tiles;  // in reading order
};

const GoldenDeal kGoldenDeals[] = {
    // 20 steps; the first draw, 41, picks "right" off the board, which folds to "left".
    {1, 4, 1, {16, 2, 3, 4, 1, 5, 6, 7, 9, 10, 11, 8, 13, 14, 15, 12}},
    {1'700'000'000, 4, 10, {2, 4, 10, 8, 9, 16, 11, 6, 5, 1, 7, 12, 13, 14, 3, 15}},
    {1'700'000'000, 4, 3, {1, 2, 8, 3, 5, 10, 6, 16, 9, 7, 11, 4, 13, 14, 15, 12}},
    {12345, 5, 2, {1, 2, 3, 4, 5, 6, 7, 9, 10, 15, 11, 12, 8, 14, 19, 16, 17, 13, 25, 18, 21, 22, 23, 24, 20}},
    {2'147'483'648u, 10, 1, {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,  18, 19, 20,
                             21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37,  38, 39, 40,
                             41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57,  58, 59, 60,
                             61, 62, 63, 64, 65, 66, 77, 67, 69, 70, 71, 72, 73, 74, 75, 76, 87,  68, 79, 80,
                             81, 82, 83, 84, 85, 86, 100, 78, 98, 99, 91, 92, 93, 94, 95, 96, 97, 89, 90, 88}},
};

TEST(DealTest, FixedSeedsDealTheirGoldenBoards)
{
    for (const GoldenDeal& golden : kGoldenDeals) {
        Board board;
        board.SetGridSize(golden.n);
        CountingRandom random;
        random.Seed(golden.seed);
        const std::int64_t steps = golden.n * golden.level * 5;
        EXPECT_EQ(ScrambleBoard(board, golden.level, random), steps);
        EXPECT_EQ(random.draws, steps);
        EXPECT_EQ(Tiles(board), golden.tiles) << "seed " << golden.seed << ", " << golden.n << " x " << golden.n
                                              << ", level " << golden.level;
    }
}

TEST(DealTest, GeneratorMatchesTheClassicRuntimeSequence)
{
    CrtRandom random;
    random.Seed(1);
    EXPECT_EQ(random.Next(), 41);
    EXPECT_EQ(random.Next(), 18467);
    EXPECT_EQ(random.Next(), 6334);
}

// The share of each step direction when every draw 0..32767 occurs once: the exact
// distribution of the walk for a uniform generator.
std::map<char, double> StepShares(CellPos blank, int n)
{
    std::map<char, int> counts;
    for (int draw = 0; draw < 32768; ++draw) {
        const CellPos t = DealStepTarget(blank, n, draw);
        EXPECT_EQ(std::abs(t.row - blank.row) + std::abs(t.column - blank.column), 1) << "not a neighbour";
        const char direction = t.row < blank.row ? 'u' : t.row > blank.row ? 'd' : t.column < blank.column ? 'l' : 'r';
        ++counts[direction];
    }
    std::map<char, double> shares;
    for (const auto& [direction, count] : counts)
        shares[direction] = count / 32768.0;
    return shares;
}

// A step off the board folds back onto it, so an edge's folded direction counts double.
TEST(DealTest, StepChancesFollowTheBiasedWalk)
{
    constexpr double kThird = 1.0 / 3.0;
    constexpr double kTolerance = 1e-4;  // 32768 is not a multiple of 3
    struct Case {
        const char* where;
        CellPos blank;
        int n;
        std::map<char, double> shares;  // every direction the walk takes, and no other
    };
    const Case cases[] = {
        {"corner", {3, 3}, 4, {{'u', 0.5}, {'l', 0.5}}},
        {"left edge", {2, 0}, 5, {{'u', kThird}, {'d', kThird}, {'r', kThird}}},
        {"right edge", {2, 4}, 5, {{'u', kThird}, {'d', kThird}, {'l', kThird}}},
        {"top", {0, 2}, 5, {{'d', 2 * kThird}, {'r', kThird}}},
        {"bottom", {4, 2}, 5, {{'u', 2 * kThird}, {'r', kThird}}},
        {"inside", {4, 4}, 10, {{'u', 0.25}, {'d', 0.25}, {'l', 0.25}, {'r', 0.25}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        const std::map<char, double> shares = StepShares(c.blank, c.n);
        EXPECT_EQ(shares.size(), c.shares.size());
        for (const auto& [direction, share] : c.shares) {
            ASSERT_TRUE(shares.count(direction)) << direction;
            EXPECT_NEAR(shares.at(direction), share, kTolerance) << direction;
        }
    }
}

}  // namespace
}  // namespace tilora
