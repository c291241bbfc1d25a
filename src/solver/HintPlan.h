// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "board/Board.h"

namespace tilora::solver {

// A solution found for a board, followed move by move. A hint asks it first: while the
// board is the one the plan expects, the next move is already known, so hint after hint
// follows one solution to the end and never turns back. Any other board (the player
// moved, undid or opened a game) makes the plan stale, and the caller searches anew.
class HintPlan {
public:
    void Set(const Board& board, std::vector<CellPos> moves);
    void Clear();

    // The plan's next move when `board` is the board it expects; nothing otherwise.
    std::optional<CellPos> Next(const Board& board) const;
    // The next move was made on the board: the plan expects the board after it.
    void Advance();

private:
    Board m_expected;
    std::vector<CellPos> m_moves;
    std::size_t m_next = 0;
};

}  // namespace tilora::solver
