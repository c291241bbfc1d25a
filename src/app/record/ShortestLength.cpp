// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record/ShortestLength.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "solver/BoardSolver.h"

namespace tilora {
namespace {

// The blocks of one line in their order along it, by their place along their home line;
// the least number of them that must leave the line so that the rest stand in order is
// the line's length less its longest increasing run.
int LineConflicts(const std::vector<int>& homes)
{
    std::vector<int> tails;
    for (const int home : homes) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), home);
        if (at == tails.end())
            tails.push_back(home);
        else
            *at = home;
    }
    return static_cast<int>(homes.size() - tails.size());
}

}  // namespace

std::optional<int> ShortestLength(const Board& board, const solver::PatternDatabases& databases, std::stop_token stop)
{
    if (board.GridSize() != 4 || !solver::IsSolvable(board))
        return std::nullopt;
    const auto moves = solver::SolveBoard(board, databases, std::move(stop));
    if (!moves)
        return std::nullopt;
    return static_cast<int>(moves->size());
}

std::optional<int> LowerBound(const Board& board)
{
    const int n = board.GridSize();
    if (!solver::IsSolvable(board))
        return std::nullopt;
    int bound = 0;
    std::vector<int> line;
    for (int pass = 0; pass < 2; ++pass) {
        // pass 0: rows, pass 1: columns.
        for (int a = 0; a < n; ++a) {
            line.clear();
            for (int b = 0; b < n; ++b) {
                const int r = pass == 0 ? a : b;
                const int c = pass == 0 ? b : a;
                const int tile = board.Cell(r, c);
                if (tile == board.BlankTile())
                    continue;
                const int homeRow = (tile - 1) / n;
                const int homeColumn = (tile - 1) % n;
                if (pass == 0)
                    bound += std::abs(homeRow - r) + std::abs(homeColumn - c);
                if ((pass == 0 ? homeRow : homeColumn) == a)
                    line.push_back(pass == 0 ? homeColumn : homeRow);
            }
            bound += 2 * LineConflicts(line);
        }
    }
    return bound;
}

std::uint64_t PackStart(const Board& board)
{
    if (board.GridSize() != 4 || !solver::IsSolvable(board))
        return 0;
    std::uint64_t packed = 0;
    for (int i = 0; i < 16; ++i)
        packed |= static_cast<std::uint64_t>(board.Cell(i / 4, i % 4) - 1) << (4 * i);
    return packed;
}

Board UnpackStart(std::uint64_t packed)
{
    Board board;
    board.SetGridSize(4);
    for (int i = 0; i < 16; ++i)
        board.SetCell(i / 4, i % 4, static_cast<int>((packed >> (4 * i)) & 0xF) + 1);
    return board;
}

}  // namespace tilora
