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
// Moves made in one go (the blocks of a whole line) form one step: undo and redo take
// and give back the step whole.
class MoveHistory {
public:
    struct Move {
        CellPos from;
        CellPos to;
        friend bool operator==(const Move&, const Move&) = default;
    };

    // `joined`: the move was made in one step with the move recorded before it.
    void Record(Move move, bool joined = false);
    void Clear();

    // The move to take back or make again; nothing when there is none.
    std::optional<Move> LastMade() const;
    std::optional<Move> NextUndone() const;
    // The moves of the step to take back, and of the step to make again, in the order
    // they were made; empty when there is none.
    std::vector<Move> LastStep() const;
    std::vector<Move> NextStep() const;
    // How many moves are made and not taken back.
    std::size_t Made() const { return m_made; }
    // The move returned by LastMade or NextUndone was carried out.
    void StepBack();
    void StepForward();

private:
    std::vector<Move> m_moves;
    std::vector<bool> m_joined;  // m_joined[i]: move i belongs to the step of move i - 1
    std::size_t m_made = 0;  // m_moves[0, m_made) are made, the rest undone
};

}  // namespace tilora
