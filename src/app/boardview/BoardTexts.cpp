// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/boardview/BoardTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>
#include <utility>

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
    return Text::tr("The picture is complete");
}

QString AfterMoveText(const Board& board, CellPos blank)
{
    return board.IsSolved() ? SolvedAnnouncement()
                            : Text::tr("Blank, row %1, column %2").arg(blank.row + 1).arg(blank.column + 1);
}

QString MoveNews(const Board& board, CellPos from, CellPos to)
{
    return MoveAnnouncement(board, from, to) + QStringLiteral(". ") + AfterMoveText(board, from);
}

namespace {

// On the title and pause screens every request says the screen's state, as the cells do.
std::optional<QString> NoBoardText(const PaintState& state)
{
    const Screen screen = ScreenFor(state);
    if (screen == Screen::Title || screen == Screen::Pause)
        return CellName(state, {0, 0});
    return std::nullopt;
}

QString TileText(const Board& board, CellPos cell)
{
    const int tile = board.Cell(cell.row, cell.column);
    return tile == board.BlankTile() ? Text::tr("blank") : QString::number(tile);
}

}  // namespace

QString RowText(const PaintState& state, int row)
{
    if (const auto none = NoBoardText(state))
        return *none;
    const Board& board = *state.board;
    QStringList tiles;
    for (int column = 0; column < board.GridSize(); ++column)
        tiles.append(TileText(board, {row, column}));
    return Text::tr("Row %1: %2").arg(row + 1).arg(tiles.join(QStringLiteral(", ")));
}

QString AroundBlankText(const PaintState& state)
{
    if (const auto none = NoBoardText(state))
        return *none;
    const Board& board = *state.board;
    const CellPos blank = board.Blank().value_or(CellPos{0, 0});
    const std::pair<CellPos, QString> sides[] = {
        {{blank.row - 1, blank.column}, Text::tr("%1 above")},
        {{blank.row, blank.column - 1}, Text::tr("%1 to the left")},
        {{blank.row, blank.column + 1}, Text::tr("%1 to the right")},
        {{blank.row + 1, blank.column}, Text::tr("%1 below")}};
    QStringList around;
    for (const auto& [cell, text] : sides)
        if (board.Contains(cell))
            around.append(text.arg(TileText(board, cell)));
    return Text::tr("Around the blank: %1").arg(around.join(QStringLiteral(", ")));
}

QString TallyText(int seconds, int moves)
{
    return Text::tr("Seconds elapsed: %1. Moves: %2").arg(seconds).arg(moves);
}

QString CannotSlideText(const PaintState& state, CellPos cell)
{
    if (const auto none = NoBoardText(state))
        return *none;
    if (!state.playing)
        return Text::tr("The game is over");
    const Board& board = *state.board;
    if (board.Cell(cell.row, cell.column) == board.BlankTile())
        return Text::tr("The blank does not slide");
    return Text::tr("Block %1 cannot slide: it is not beside the blank").arg(board.Cell(cell.row, cell.column));
}

}  // namespace tilora
