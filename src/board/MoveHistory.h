// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "board/Board.h"

namespace tilora {

// The moves of the game in progress, for undo and redo. A move is the block's cell before
// and after its slide. Undoing slides the block back from `to` into `from`, which the
// move left blank; redoing makes the move again. A new move drops the moves undone.
class MoveHistory {
public:
    struct Move {
        CellPos from;
        CellPos to;
        friend bool operator==(const Move&, const Move&) = default;
    };

    void Record(Move move);
    void Clear();

    // The move to take back or make again; nothing when there is none.
    std::optional<Move> LastMade() const;
    std::optional<Move> NextUndone() const;
    // How many moves are made and not taken back.
    std::size_t Made() const { return m_made; }
    // The move returned by LastMade or NextUndone was carried out.
    void StepBack();
    void StepForward();

private:
    std::vector<Move> m_moves;
    std::size_t m_made = 0;  // m_moves[0, m_made) are made, the rest undone
};

}  // namespace tilora
