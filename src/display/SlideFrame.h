// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "board/Board.h"

namespace tilora {

// One frame of blocks on their way: each block already stands in its new cell `to` on
// the board, and is drawn `progress` of the way from `from` (0) to `to` (1). The cells a
// block crosses show their empty frames under it.
struct SlideFrame {
    struct Block {
        CellPos from;
        CellPos to;
    };
    std::vector<Block> blocks;
    double progress = 1.0;

    bool Moves(CellPos cell) const
    {
        for (const Block& block : blocks)
            if (block.to == cell)
                return true;
        return false;
    }
};

}  // namespace tilora
