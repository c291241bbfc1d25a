// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

#include "app/record/GameTrace.h"
#include "board/Board.h"

namespace tilora {

// The cells whose blocks slide, one per move, on the fewest moves from a board to the
// complete picture; nothing when none was found or the stop came first. It runs off the
// interface thread.
using ShortestSearch = std::function<std::optional<std::vector<CellPos>>(const Board&, std::stop_token)>;

// The hint's optimal search, with the process's hint tables (built first if need be).
ShortestSearch HintShortestSearch();

// The way a search found, as the moves a replay plays: each block from its cell into the
// blank next to it, all at second 0. Nothing when a cell has no blank beside it then.
std::optional<std::vector<game_trace::Move>> WayAsMoves(const Board& start, const std::vector<CellPos>& cells);

}  // namespace tilora
