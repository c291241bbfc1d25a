// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of times: its points and lines for one grid size.
#include <gtest/gtest.h>

#include "app/record/TimeChart.h"

namespace tilora::test {
namespace {

KeptGame Game(int size, int seconds, bool won = true, bool helped = false, bool pasted = false)
{
    KeptGame game{1'800'000'000, size, 10, seconds, 50, KeptGame::kUnknown, false, helped, won};
    game.pasted = pasted;
    return game;
}

// 12 games give 12 points, the average of 5 from the fifth game on, the average of 12 at the
// twelfth, and the best so far at every game; each average leaves out the best and the worst.
TEST(TimeChartTest, TwelveGamesGiveTwelvePointsAndBothAverages)
{
    const int times[] = {100, 90, 95, 80, 85, 70, 75, 60, 65, 50, 55, 40};
    std::vector<KeptGame> games;
    for (const int seconds : times)
        games.push_back(Game(4, seconds));
    games.push_back(Game(5, 30));  // another size: not in this chart
    const TimeChart chart = ChartOfTimes(games, 4);
    ASSERT_EQ(chart.points.size(), 12u);
    EXPECT_EQ(chart.points[11], (TimeChart::Point{12, 40, TimeChart::Kind::Own}));
    ASSERT_EQ(chart.averageOf5.size(), 8u);
    // Games 1-5: 100 90 95 80 85 -> without 80 and 100: (90 + 95 + 85) / 3.
    EXPECT_EQ(chart.averageOf5.front(), (TimeChart::Value{5, 90.0}));
    // Games 8-12: 60 65 50 55 40 -> without 40 and 65: 55.
    EXPECT_EQ(chart.averageOf5.back(), (TimeChart::Value{12, 55.0}));
    ASSERT_EQ(chart.averageOf12.size(), 1u);
    // All twelve less 40 and 100: 725 / 10.
    EXPECT_EQ(chart.averageOf12.front(), (TimeChart::Value{12, 72.5}));
    ASSERT_EQ(chart.bestSoFar.size(), 12u);
    EXPECT_EQ(chart.bestSoFar[2], (TimeChart::Value{3, 90.0}));
    EXPECT_EQ(chart.bestSoFar[11], (TimeChart::Value{12, 40.0}));
}

// A helped game is shown apart and left out of the lines; an abandoned one is shown without a
// time and counts as the slowest, two in a run spoil it; a pasted deal is not shown at all.
TEST(TimeChartTest, HelpedAbandonedAndPastedGamesAsTheLegendSays)
{
    const std::vector<KeptGame> games{
        Game(4, 60),       Game(4, 10, true, true), Game(4, 70), Game(4, 0, false),
        Game(4, 5, true, false, true),              Game(4, 80), Game(4, 90), Game(4, 0, false),
    };
    const TimeChart chart = ChartOfTimes(games, 4);
    ASSERT_EQ(chart.points.size(), 7u);
    EXPECT_EQ(chart.points[1], (TimeChart::Point{2, 10, TimeChart::Kind::Helped}));
    EXPECT_EQ(chart.points[3], (TimeChart::Point{4, std::nullopt, TimeChart::Kind::Abandoned}));
    // The pasted game is left out: the game after it is the fifth shown.
    EXPECT_EQ(chart.points[4], (TimeChart::Point{5, 80, TimeChart::Kind::Own}));
    // The fifth own game (60 70 - 80 90) is the sixth shown; the sixth own game ends a run
    // with two abandoned ones, which is no average.
    ASSERT_EQ(chart.averageOf5.size(), 1u);
    EXPECT_EQ(chart.averageOf5[0], (TimeChart::Value{6, 80.0}));  // 70 80 90, less 60 and the abandoned
    // The best so far never takes the helped 10 or the pasted 5.
    EXPECT_EQ(chart.bestSoFar.back(), (TimeChart::Value{7, 60.0}));
    EXPECT_TRUE(chart.averageOf12.empty());
}

}  // namespace
}  // namespace tilora::test
