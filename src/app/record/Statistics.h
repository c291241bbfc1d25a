// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "app/record/KeptGame.h"

namespace tilora {

// The figures of one grid size. Every game counts in `played` and `won`, and a game a hint
// helped also in `helpedPlayed` and `helpedWon`; the figures below are the player's own:
// a helped game sets none of them, and neither breaks nor extends a streak; nor does a game
// on a deal pasted from elsewhere, which counts only in `played` and `won`.
struct SizeStatistics {
    int size = 0;
    int played = 0;
    int won = 0;
    int helpedPlayed = 0;  // of `played`
    int helpedWon = 0;     // of `won`
    std::optional<int> bestSeconds;
    std::optional<double> meanSeconds;
    std::optional<int> fewestMoves;
    // The mean of shortest ÷ moves over the won games whose shortest is known; "at least"
    // when a lower bound stood in for a length.
    std::optional<double> meanEfficiency;
    bool efficiencyAtLeast = false;
    int currentStreak = 0;  // won games in a row, up to the last
    int bestStreak = 0;
    // The best mean time of 5 and of 12 games in a row, the best and the worst of each run
    // left out; an abandoned game counts as the worst, and a run with two is no average.
    std::optional<double> bestAverageOf5;
    std::optional<double> bestAverageOf12;
    // Of the fastest won game.
    std::optional<double> bestMovesPerSecond;
};

// The figures of each grid size played, smallest first; `games` oldest first.
std::vector<SizeStatistics> ComputeStatistics(const std::vector<KeptGame>& games);

// The best average of `count` games in a row of `times` (nothing for an abandoned game):
// the fastest and the slowest of each run left out, abandoned counting as the slowest.
std::optional<double> BestTrimmedAverage(const std::vector<std::optional<int>>& times, std::size_t count);

}  // namespace tilora
