// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tilora {

class BoardView;

// What a screen reader sees of the board. It is a table of n rows and n columns, one
// cell per position, named after the block on it; a cell whose block can slide offers
// one action that chooses it as the keys do.

// Makes these interfaces the ones Qt gives out; installing them again does nothing.
void InstallBoardAccessibility();

// Tells a screen reader the view's latest news.
void NotifyAnnouncement(BoardView& view);
// Takes a screen reader to the view's focus cell, which reads its name and description.
void FocusBoardCell(BoardView& view);

}  // namespace tilora
