// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replay/ShortestWay.h"

#include "app/hint/HintTables.h"
#include "solver/BoardSolver.h"

namespace tilora {

ShortestSearch HintShortestSearch()
{
    return [](const Board& board, std::stop_token stop) -> std::optional<std::vector<CellPos>> {
        const HintTables::Databases tables = HintTables::Shared().Get(stop);
        if (!tables)
            return std::nullopt;
        return solver::SolveBoard(board, *tables, stop);
    };
}

std::optional<std::vector<game_trace::Move>> WayAsMoves(const Board& start, const std::vector<CellPos>& cells)
{
    Board board = start;
    std::vector<game_trace::Move> moves;
    moves.reserve(cells.size());
    for (const CellPos cell : cells) {
        const auto blank = board.BlankNeighbour(cell);
        if (!blank)
            return std::nullopt;
        board.Slide(cell, *blank);
        moves.push_back({cell, *blank});
    }
    return moves;
}

}  // namespace tilora
