// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "app/record/KeptGame.h"

namespace tilora {

// What the chart of times in Statistics draws for one grid size: every game's time in
// order, the running average of 5 and of 12 and the best time so far. The averages and the
// best are the player's own, by the rules of the figures beside them: a helped game is shown
// apart and left out of them; an abandoned game is shown as such and counts as the slowest
// of its runs (a run with two is no average); a game on a deal pasted from elsewhere is left
// out altogether.
struct TimeChart {
    enum class Kind { Own, Helped, Abandoned };
    struct Point {
        int game = 0;  // 1 for the first game shown
        std::optional<int> seconds;  // none for an abandoned game
        Kind kind = Kind::Own;
        friend bool operator==(const Point&, const Point&) = default;
    };
    // A value of a line at the game it ends on.
    struct Value {
        int game = 0;
        double seconds = 0;
        friend bool operator==(const Value&, const Value&) = default;
    };
    std::vector<Point> points;
    std::vector<Value> averageOf5;
    std::vector<Value> averageOf12;
    std::vector<Value> bestSoFar;
};

// The game is one of the chart of `size`: of that size, and not on a pasted deal.
bool InChartOf(const KeptGame& game, int size);
// The chart of the games of `size`, `games` oldest first.
TimeChart ChartOfTimes(const std::vector<KeptGame>& games, int size);

}  // namespace tilora
