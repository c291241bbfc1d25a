// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/Board.h"

namespace tilora {

// A game kept whole, in the record's compact text: the board it began on and every slide
// with the second of the clock it was made at.
//
// The board: each cell's tile - 1 in base 36, one digit a cell up to 5 x 5 and two digits a
// cell on the larger boards, row by row ("0123456789abcdfe" is one slide from solved).
// The moves: the way each block went, "U", "D", "L" or "R" (a hint's move in small
// letters), each after the seconds since the move before it when the clock moved on
// ("2UR1L" is Up and Right at 2 seconds, Left at 3); the first move counts from 0.
// About a byte a move.
namespace game_trace {

// One slide: the block on `from` went into the blank on `to`.
struct Move {
    CellPos from;
    CellPos to;
    int second = 0;
    bool hint = false;

    friend bool operator==(const Move&, const Move&) = default;
};

std::string FormatBoard(const Board& board);
// The board of `size`, or none when the text is not one.
std::optional<Board> ParseBoard(int size, std::string_view text);

// Adds one move to `moves`; `second` is the second of the move before (0 for the first),
// and becomes this move's.
void AppendMove(std::string& moves, int& second, const Move& move);
// The moves played from `start`, each from the blank's place then; none when the text is
// not moves, or a move leaves the board.
std::optional<std::vector<Move>> ParseMoves(const Board& start, std::string_view text);

// Only the characters of a board or of moves: no separator of the record's lines.
bool IsTraceText(std::string_view text);

}  // namespace game_trace
}  // namespace tilora
