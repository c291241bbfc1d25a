// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/boardview/BoardTexts.h"

#include <QCoreApplication>

#include "display/PaintState.h"

namespace tilora {
namespace {

// The board's texts are translated under the context "BoardView".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BoardView)
};

}  // namespace

QString CellName(const PaintState& state, CellPos cell)
{
    switch (ScreenFor(state)) {
    case Screen::Title:
        return Text::tr("No game");
    case Screen::Pause:
        return Text::tr("Game paused");
    default:
        break;
    }
    const Board& board = *state.board;
    const int tile = board.Cell(cell.row, cell.column);
    if (tile == board.BlankTile())
        return Text::tr("Blank, row %1, column %2").arg(cell.row + 1).arg(cell.column + 1);
    return Text::tr("Block %1, row %2, column %3").arg(tile).arg(cell.row + 1).arg(cell.column + 1);
}

QString MoveAnnouncement(const Board& board, CellPos from, CellPos to)
{
    const int tile = board.Cell(to.row, to.column);
    if (to.column < from.column)
        return Text::tr("Block %1 moved left").arg(tile);
    if (to.column > from.column)
        return Text::tr("Block %1 moved right").arg(tile);
    if (to.row < from.row)
        return Text::tr("Block %1 moved up").arg(tile);
    return Text::tr("Block %1 moved down").arg(tile);
}

QString SolvedAnnouncement()
{
    return Text::tr("Solved");
}

}  // namespace tilora
