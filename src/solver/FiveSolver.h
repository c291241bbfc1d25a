// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "solver/PatternDatabase.h"

namespace tilora::solver {

// Near-shortest solutions of the 5 x 5 board by weighted iterative-deepening A*: a board
// is entered while g + w * h stays within the bound, h being the largest of the 5 x 5
// databases' sums over both partitions, for the board and for its mirror image about the
// main diagonal. As h
// never overestimates, no solution found is longer than w times the shortest; the weight
// trades that bound for the positions searched. Optimal search is out of reach here: the
// shortest solutions of random 5 x 5 boards take hours to prove.
class FiveSolver {
public:
    explicit FiveSolver(const PatternDatabases& databases);

    // The positions (0..24, reading order) the blank moves to, one per move, for the board
    // `tiles` (the tile at each position, 25 the blank), the estimate weighted by
    // `quarters` / 4. Nothing when `stop` is requested or the search expands more than
    // `maxNodes` positions first.
    std::optional<std::vector<int>> Solve(const std::array<int, kFiveCells>& tiles, int quarters,
                                          std::uint64_t maxNodes, std::stop_token stop = {});

    // Nodes expanded by Solve since the solver was made.
    std::uint64_t Nodes() const { return m_nodes; }

private:
    enum class Outcome { Found, Deeper, Stopped };
    // One side's view of the groups, the board's own or its mirror image's.
    struct View {
        std::array<std::uint32_t, kFivePatterns> places{};
        int sum = 0;
    };

    // Each partition's view of the board and of its mirror image, in turn.
    static constexpr int kViews = 2 * kFivePartitionCount;
    using Views = std::array<View, kViews>;

    Outcome Search(int depth, int bound, int previousBlank);
    // The views' largest sum after the tile at `from` moved to `to`.
    int Move(Views& views, int tile, int from, int to) const;

    std::array<std::array<const std::uint8_t*, kFivePatterns>, kViews> m_tables{};
    std::array<std::array<TileSlot, kFiveCells + 1>, kViews> m_slots{};
    std::array<int, kFiveCells> m_tiles{};
    int m_blank = 0;
    int m_quarters = 4;
    Views m_views{};
    std::vector<int> m_path;
    int m_nextBound = 0;
    std::uint64_t m_nodes = 0;
    std::uint64_t m_maxNodes = 0;
    std::stop_token m_stop;
};

}  // namespace tilora::solver
