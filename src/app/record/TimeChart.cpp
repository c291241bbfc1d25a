// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record/TimeChart.h"

#include "app/record/Statistics.h"

namespace tilora {

bool InChartOf(const KeptGame& game, int size)
{
    return game.size == size && !game.pasted;
}

TimeChart ChartOfTimes(const std::vector<KeptGame>& games, int size)
{
    TimeChart chart;
    // The player's own games so far, a time for each won one.
    std::vector<std::optional<int>> own;
    std::optional<int> best;
    int shown = 0;
    for (const KeptGame& game : games) {
        if (!InChartOf(game, size))
            continue;
        ++shown;
        const std::optional<int> seconds = game.won ? std::optional<int>(game.seconds) : std::nullopt;
        if (game.helped) {
            chart.points.push_back({shown, seconds, TimeChart::Kind::Helped});
            continue;
        }
        chart.points.push_back({shown, seconds, seconds ? TimeChart::Kind::Own : TimeChart::Kind::Abandoned});
        own.push_back(seconds);
        if (seconds && (!best || *seconds < *best))
            best = seconds;
        if (best)
            chart.bestSoFar.push_back({shown, static_cast<double>(*best)});
        // The run of the last 5 (12) own games, by the rule of the best averages.
        for (auto [count, line] : {std::pair{std::size_t{5}, &chart.averageOf5}, std::pair{std::size_t{12}, &chart.averageOf12}}) {
            if (own.size() < count)
                continue;
            const std::vector<std::optional<int>> run(own.end() - static_cast<std::ptrdiff_t>(count), own.end());
            if (const auto average = BestTrimmedAverage(run, count))
                line->push_back({shown, *average});
        }
    }
    return chart;
}

}  // namespace tilora
