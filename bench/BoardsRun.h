// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "board/Board.h"

namespace tilora::bench {

// The boards of a file, one a line: n * n numbers separated by blanks, the block on each
// position in reading order and n * n for the blank, n being 4, 5, 8 or 10. Empty lines
// are skipped. Nothing, and `error` set to a message naming the line, when a line is no
// solvable board.
std::optional<std::vector<Board>> ReadBoards(std::istream& in, std::string& error);

// Solves each board from scratch, the tables obtained once beforehand as the game obtains
// them (mapped from their file, or built and cached), and prints a line per board and a
// summary to stdout. A board's time is the processor time of the solving thread, which
// other work on the machine does not inflate; the tables' time is the wall time of
// obtaining them; the load time is that of mapping and verifying their file afresh, and
// the mapped size the file's. Returns the program's exit status.
int RunBoards(const std::vector<Board>& boards);

}  // namespace tilora::bench
