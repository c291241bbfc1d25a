// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>

#include "board/Board.h"

namespace tilora {

namespace solver {
class PatternDatabases;
}

// The fewest moves that solve a 4 x 4 board, found by the hint's optimal search; nothing
// for a board that cannot be solved or another size, or when `stop` comes first.
std::optional<int> ShortestLength(const Board& board, const solver::PatternDatabases& databases,
                                  std::stop_token stop = {});

// A proven lower bound on the moves that solve the board, of any size: each block's
// distance from its home, plus two moves for each block that must leave its home row or
// column to let another of that line pass it (the linear conflicts; every block is
// counted in at most one conflict of a line, so that no move is counted twice). Nothing
// for a board that is not an arrangement of 1..n*n.
std::optional<int> LowerBound(const Board& board);

// A solvable 4 x 4 board in 64 bits, as the record keeps a start whose length waits
// (see KeptGame::start); 0 for any other board.
std::uint64_t PackStart(const Board& board);
Board UnpackStart(std::uint64_t packed);

}  // namespace tilora
