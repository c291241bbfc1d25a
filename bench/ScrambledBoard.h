// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/Board.h"

namespace tilora::bench {

// A scrambled 10 x 10 board for the painting benchmarks: every tile away from home, the
// blank in the middle.
inline Board ScrambledBoard()
{
    constexpr int kGrid = 10;
    Board board;
    board.SetGridSize(kGrid);
    for (int r = 0; r < kGrid; ++r)
        for (int c = 0; c < kGrid; ++c)
            board.SetCell(r, c, (r * kGrid + c + 37) % (kGrid * kGrid) + 1);
    return board;
}

}  // namespace tilora::bench
