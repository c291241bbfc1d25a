// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "board/Board.h"

namespace tilora {

struct PaintState;

// What a screen reader is told of the board, in the player's language.

// The name of `cell`: "Block 7, row 2, column 3", the blank as the blank; on the title
// and pause screens the screen's state, without positions.
QString CellName(const PaintState& state, CellPos cell);
// What is said after the block on `from` slid into `to`.
QString MoveAnnouncement(const Board& board, CellPos from, CellPos to);
// The text said after the solving move.
QString SolvedAnnouncement();
// The news of a slide from `from` into `to` on `board` as it is after it: the move first,
// then where the blank is, or that the picture is complete.
QString MoveNews(const Board& board, CellPos from, CellPos to);
// What the news of a move says after the move: where the blank now is, on `blank`, or
// that the picture is complete.
QString AfterMoveText(const Board& board, CellPos blank);

// What the player asks to hear: the blocks of a row from left to right, the blocks
// around the blank, the time and moves so far; and why the block on `cell` cannot slide.
// On the title and pause screens, the screen's state.
QString RowText(const PaintState& state, int row);
QString AroundBlankText(const PaintState& state);
QString TallyText(int seconds, int moves);
QString CannotSlideText(const PaintState& state, CellPos cell);

}  // namespace tilora
