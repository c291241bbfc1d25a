// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "board/Board.h"

namespace tilora {

class RandomSource;

// Longest scramble the deal makes. The level comes from the score file, which a player
// may edit by hand; n * level * 5 steps for a level near INT_MAX would keep the window
// busy for hours. No level the program itself stores (1 to 100) comes near this bound.
inline constexpr std::int64_t kMaxDealSteps = 10'000'000;

// Number of random steps of a deal: n * level * 5, none for a level of 0 or less.
std::int64_t DealStepCount(int gridSize, int level);

// Where one step of the random walk takes the blank, for the draw `random` (0..32767).
// Along each axis the blank has one choice at an edge and two inside; k = random mod
// (rc + cc) picks up, right, down, left in that order, and a target off the board is
// folded back onto it, which turns it into the opposite step. The walk is therefore
// biased: on the top edge the blank goes down twice as often as right, and never left.
CellPos DealStepTarget(CellPos blank, int gridSize, int random);

// Fills the board in solved order and scrambles it by a random walk of the blank, so
// that every dealt board can be solved by legal slides. The caller seeds `random`.
// Returns the number of steps made.
std::int64_t ScrambleBoard(Board& board, int level, RandomSource& random);

}  // namespace tilora
