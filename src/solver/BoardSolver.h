// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>
#include <vector>

#include "board/Board.h"

namespace tilora::solver {

class PatternDatabases;

// True when the board's cells hold each of 1..n*n once and legal slides can bring it to
// the solved board: the order of the cells and the blank's distance from its home
// corner must have the same parity.
bool IsSolvable(const Board& board);

// A complete solution of `board`: the cells whose blocks slide into the blank, one per
// move, in order. A 4 x 4 board is solved in the fewest moves; a 5 x 5 board by weighted
// searches of growing weight, each limited in the positions it may search, whose solution
// is at most 1.5 times the fewest for most boards and 3 times for nearly all others (see
// FiveSolver.h); past all of them, line by line as below. A larger board first has its top row and left column put in
// place, then the top row and left column of what is left, until a 5 x 5 board remains,
// which is then solved as one. Nothing for a board that cannot be solved or a grid
// smaller than 4, or when `stop` is requested first. `nodes`, when given, receives the
// number of positions the searches expanded, for the benchmarks.
std::optional<std::vector<CellPos>> SolveBoard(const Board& board, const PatternDatabases& databases,
                                               std::stop_token stop = {}, std::uint64_t* nodes = nullptr);

}  // namespace tilora::solver
