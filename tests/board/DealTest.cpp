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

TEST(DealTest, MakesExactlyNTimesLevelTimesFiveSteps)
{
    for (const int n : {4, 5, 8, 10}) {
        for (const int level : {1, 10, 100}) {
            Board board;
            board.SetGridSize(n);
            CountingRandom random;
            EXPECT_EQ(ScrambleBoard(board, level, random), n * level * 5);
            EXPECT_EQ(random.draws, n * level * 5) << n << " x " << level;
        }
    }
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

TEST(DealTest, SameSeedGivesTheSameBoard)
{
    const auto deal = [](std::uint32_t seed) {
        Board board;
        board.SetGridSize(5);
        CrtRandom random;
        random.Seed(seed);
        ScrambleBoard(board, 10, random);
        return Tiles(board);
    };
    EXPECT_EQ(deal(1733581234u), deal(1733581234u));
    EXPECT_NE(deal(1733581234u), deal(1733581235u));
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

TEST(DealTest, StepChancesFollowTheBiasedWalk)
{
    constexpr double kThird = 1.0 / 3.0;
    constexpr double kTolerance = 1e-4;  // 32768 is not a multiple of 3

    auto corner = StepShares({3, 3}, 4);
    EXPECT_NEAR(corner['u'], 0.5, kTolerance);
    EXPECT_NEAR(corner['l'], 0.5, kTolerance);
    EXPECT_EQ(corner.size(), 2u);

    auto leftEdge = StepShares({2, 0}, 5);
    EXPECT_NEAR(leftEdge['u'], kThird, kTolerance);
    EXPECT_NEAR(leftEdge['d'], kThird, kTolerance);
    EXPECT_NEAR(leftEdge['r'], kThird, kTolerance);

    auto rightEdge = StepShares({2, 4}, 5);
    EXPECT_NEAR(rightEdge['u'], kThird, kTolerance);
    EXPECT_NEAR(rightEdge['d'], kThird, kTolerance);
    EXPECT_NEAR(rightEdge['l'], kThird, kTolerance);

    auto top = StepShares({0, 2}, 5);
    EXPECT_NEAR(top['d'], 2 * kThird, kTolerance);
    EXPECT_NEAR(top['r'], kThird, kTolerance);
    EXPECT_EQ(top.count('l'), 0u);

    auto bottom = StepShares({4, 2}, 5);
    EXPECT_NEAR(bottom['u'], 2 * kThird, kTolerance);
    EXPECT_NEAR(bottom['r'], kThird, kTolerance);
    EXPECT_EQ(bottom.count('l'), 0u);

    auto inside = StepShares({4, 4}, 10);
    for (const char d : {'u', 'd', 'l', 'r'})
        EXPECT_NEAR(inside[d], 0.25, kTolerance);
}

TEST(DealTest, SampledFirstStepsSplitEvenlyBetweenUpAndLeft)
{
    // Through the real generator: the first step from the bottom-right corner.
    CrtRandom random;
    random.Seed(12345);
    int up = 0;
    constexpr int kSamples = 20000;
    for (int i = 0; i < kSamples; ++i)
        up += DealStepTarget({3, 3}, 4, random.Next()).row == 2;
    // Five standard deviations of a fair coin over 20000 throws is about 354.
    EXPECT_NEAR(up, kSamples / 2, 354);
}

}  // namespace
}  // namespace tilora
