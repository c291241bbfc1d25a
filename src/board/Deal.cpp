// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Deal.h"

#include <algorithm>

#include "board/CrtRandom.h"

namespace tilora {

std::int64_t DealStepCount(int gridSize, int level)
{
    if (gridSize <= 0 || level <= 0)
        return 0;
    return std::min<std::int64_t>(std::int64_t{gridSize} * level * 5, kMaxDealSteps);
}

CellPos DealStepTarget(CellPos blank, int gridSize, int random)
{
    const int last = gridSize - 1;
    const int rc = (blank.row == 0 || blank.row == last) ? 1 : 2;
    const int cc = (blank.column == 0 || blank.column == last) ? 1 : 2;

    CellPos target = blank;
    switch (random % (rc + cc)) {
    case 0: --target.row; break;
    case 1: ++target.column; break;
    case 2: ++target.row; break;
    default: --target.column; break;
    }

    // Folding order matters only for its outcome on each axis; it is kept as the game
    // has always done it.
    if (target.column < 0)
        target.column = 1;
    if (target.row < 0)
        target.row = 1;
    if (target.row > last)
        target.row = last - 1;
    if (target.column > last)
        target.column = last - 1;
    return target;
}

std::int64_t ScrambleBoard(Board& board, int level, RandomSource& random)
{
    board.FillSolved();
    const int n = board.GridSize();
    // After FillSolved there is exactly one blank, and each step moves it to the target,
    // so following it is the same as scanning the board for it before every step.
    CellPos blank{n - 1, n - 1};
    const std::int64_t steps = DealStepCount(n, level);
    for (std::int64_t step = 0; step < steps; ++step) {
        const CellPos target = DealStepTarget(blank, n, random.Next());
        board.Slide(target, blank);
        blank = target;
    }
    return steps;
}

}  // namespace tilora
