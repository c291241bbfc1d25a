// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record/Statistics.h"

#include <algorithm>
#include <limits>
#include <map>

namespace tilora {
namespace {

// Everything needed of one size while the games are read, oldest first.
struct Tally {
    SizeStatistics figures;
    int ownWins = 0;  // won without a hint
    long long wonSeconds = 0;
    double efficiencies = 0;
    int efficiencyGames = 0;
    std::optional<KeptGame> fastest;
    std::vector<std::optional<int>> times;

    void Add(const KeptGame& game)
    {
        SizeStatistics& f = figures;
        ++f.played;
        f.won += game.won ? 1 : 0;
        if (game.helped) {
            ++f.helpedPlayed;
            f.helpedWon += game.won ? 1 : 0;
            return;
        }
        // A deal from elsewhere may be easier than any dealt here: none of the player's figures.
        if (game.pasted)
            return;
        times.push_back(game.won ? std::optional<int>(game.seconds) : std::nullopt);
        if (!game.won) {
            f.currentStreak = 0;
            return;
        }
        ++ownWins;
        f.bestStreak = std::max(f.bestStreak, ++f.currentStreak);
        wonSeconds += game.seconds;
        f.fewestMoves = std::min(f.fewestMoves.value_or(game.moves), game.moves);
        if (!fastest || game.seconds < fastest->seconds)
            fastest = game;
        if (game.shortest != KeptGame::kUnknown && game.moves > 0) {
            efficiencies += static_cast<double>(game.shortest) / game.moves;
            ++efficiencyGames;
            f.efficiencyAtLeast = f.efficiencyAtLeast || game.atLeast;
        }
    }

    SizeStatistics Finish()
    {
        SizeStatistics f = figures;
        if (fastest) {
            f.bestSeconds = fastest->seconds;
            f.meanSeconds = static_cast<double>(wonSeconds) / ownWins;
            f.bestMovesPerSecond = static_cast<double>(fastest->moves) / std::max(1, fastest->seconds);
        }
        if (efficiencyGames > 0)
            f.meanEfficiency = efficiencies / efficiencyGames;
        f.bestAverageOf5 = BestTrimmedAverage(times, 5);
        f.bestAverageOf12 = BestTrimmedAverage(times, 12);
        return f;
    }
};

}  // namespace

std::optional<double> BestTrimmedAverage(const std::vector<std::optional<int>>& times, std::size_t count)
{
    constexpr long long kAbandoned = std::numeric_limits<int>::max();
    std::optional<double> best;
    std::vector<long long> run(count);
    for (std::size_t start = 0; start + count <= times.size(); ++start) {
        for (std::size_t i = 0; i < count; ++i)
            run[i] = times[start + i].value_or(kAbandoned);
        std::sort(run.begin(), run.end());
        // The slowest is left out; an abandoned game among the rest spoils the run.
        if (run[count - 2] == kAbandoned)
            continue;
        long long sum = 0;
        for (std::size_t i = 1; i + 1 < count; ++i)
            sum += run[i];
        const double mean = static_cast<double>(sum) / static_cast<double>(count - 2);
        if (!best || mean < *best)
            best = mean;
    }
    return best;
}

std::vector<SizeStatistics> ComputeStatistics(const std::vector<KeptGame>& games)
{
    std::map<int, Tally> sizes;
    for (const KeptGame& game : games) {
        Tally& tally = sizes[game.size];
        tally.figures.size = game.size;
        tally.Add(game);
    }
    std::vector<SizeStatistics> result;
    for (auto& [size, tally] : sizes)
        result.push_back(tally.Finish());
    return result;
}

}  // namespace tilora
