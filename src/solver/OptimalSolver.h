// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "solver/PatternDatabase.h"

namespace tilora::solver {

// Shortest solutions of the 4 x 4 board by iterative-deepening A*. The estimate is the
// larger of the databases' sum for the board and for its mirror image about the main
// diagonal (the mirror of a board needs exactly as many moves), both kept up to date
// move by move; a move never undoes the one before it.
class OptimalSolver {
public:
    explicit OptimalSolver(const PatternDatabases& databases);

    // The positions the blank moves to, one per move, for the board `tiles` (the tile at
    // each position). The board must be a solvable arrangement of 1..16. Nothing when
    // `stop` is requested before a solution is found.
    std::optional<std::vector<int>> Solve(const std::array<int, kCells>& tiles, std::stop_token stop = {});

    // Nodes expanded by the last Solve, for the benchmarks.
    std::uint64_t Nodes() const { return m_nodes; }

private:
    enum class Outcome { Found, Deeper, Stopped };

    // One side's view of the groups, the board's own or its mirror image's: each group's
    // places and the sum of the groups' distances.
    struct View {
        std::array<std::uint32_t, kPatterns> places{};
        int sum = 0;
    };
    // A move's effect on one view: the group whose tile moves and its places after.
    struct Change {
        int group = 0;
        std::uint32_t places = 0;
    };

    Outcome Search(int depth, int bound, int previousBlank);
    View Look(const std::array<std::uint32_t, kPatterns>& places) const;
    Change Changed(const View& view, const TileSlot& slot, int from, int to) const;
    int SumAfter(const View& view, const Change& change) const;
    static void Apply(View& view, const Change& change, int sum);

    // The tables and each tile's slot, held here so that the inner loop reaches them directly.
    std::array<const std::uint8_t*, kPatterns> m_tables{};
    std::array<TileSlot, kCells + 1> m_slots{};
    std::array<TileSlot, kCells + 1> m_mirrorSlots{};
    std::array<int, kCells> m_tiles{};
    int m_blank = 0;
    View m_own;
    View m_mirror;
    std::vector<int> m_path;
    int m_nextBound = 0;
    std::uint64_t m_nodes = 0;
    std::stop_token m_stop;
};

}  // namespace tilora::solver
