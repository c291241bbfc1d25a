// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "board/Board.h"

namespace tilora {

class BoardView;
struct PaintState;

// What a screen reader sees of the game window. The board is a table of n rows and n
// columns, one cell per position, named after the block on it; a cell whose block can
// slide offers one action that chooses it as a double click does. The main window reads
// as the application's window, and Pause/Restart at the menu bar's end is one of its
// buttons.

// Makes these interfaces the ones Qt gives out; installing them again does nothing.
void InstallBoardAccessibility();

// The name of `cell`: "Block 7, row 2, column 3", the blank as the blank; on the title
// and pause screens the screen's state, without positions.
QString CellName(const PaintState& state, CellPos cell);
// What is said after the block on `from` slid into `to`.
QString MoveAnnouncement(const Board& board, CellPos from, CellPos to);
// The text said after the solving move.
QString SolvedAnnouncement();

// Tells a screen reader the view's latest announcement.
void NotifyAnnouncement(BoardView& view);
// The view took the keyboard focus: a screen reader is taken to the board's table.
void FocusBoardTable(BoardView& view);

}  // namespace tilora
