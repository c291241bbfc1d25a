// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "board/Board.h"

namespace tilora {

// A deal as text, to share it with other players and other programs. Two forms are read:
//
//   5 3 8 9/0 2 4 1/7 10 6 11/13 14 15 12     rows of numbers, "/" (or a line end) between rows
//   4x4:5,3,8,9,0,2,4,1,7,10,6,11,13,14,15,12 the size, a colon, then every cell in reading order
//
// In both, 0 is the blank and 1 to n*n - 1 the blocks, numbered as on the solved board. The
// first form is the one written.
namespace deal_text {

// Longer texts are no board: a 10 x 10 deal takes fewer than 300 characters.
inline constexpr std::size_t kMaxLength = 16 * 1024;

enum class Refusal {
    NotABoard,      // no numbers, or something other than numbers and separators
    WrongCount,     // rows of unequal length, or not as many numbers as the size needs
    WrongNumbers,   // a number twice, or one missing (a number beyond the board counts as missing)
    Unsolvable,     // no sequence of slides leads from it to the solved board
    WrongSize,      // a square board, but not 4, 5, 8 or 10 blocks a side
};

struct Parsed {
    std::optional<Board> board;
    Refusal refusal = Refusal::NotABoard;  // meaningful only without a board
};

// The board's n x n cells in the first form, the blank (tile n*n) written as 0.
std::string Format(const Board& board);

// Reads either form, white space around numbers and separators allowed.
Parsed Parse(std::string_view text);

// True when slides can bring the board's cells, each number once, to the solved board:
// a slide swaps the blank with a neighbour, which turns the parity of the arrangement
// and of the blank's distance to the bottom-right corner together, so the two parities
// must agree.
bool Solvable(const Board& board);

}  // namespace deal_text
}  // namespace tilora
