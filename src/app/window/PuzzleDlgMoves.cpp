// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse's and the hint's way into the game's entries for a move.
#include "app/window/PuzzleDlg.h"

#include "app/boardview/BoardView.h"
#include "app/hint/Hinter.h"

namespace tilora {

void CPuzzleDlg::MoveBlockAt(int x, int y)
{
    if (const auto cell = m_game.GetBoard().CellForMove(x, y))
        m_game.MoveLine(*cell, Game::MoveKind::Player);
}

void CPuzzleDlg::OnHint()
{
    if (m_game.MayMove())
        m_hints->Ask(m_game.GetBoard());
}

void CPuzzleDlg::OnHintMove(const Board& board, CellPos cell)
{
    if (!m_game.GetBoard().SameCells(board) || !m_game.CanSlide(cell)) {
        m_hints->Declined();
        return;
    }
    // The hint is said first; the blank's cell then tells its move.
    m_client->Announce(tr("Hint"));
    m_game.MoveBlock(cell, Game::MoveKind::Hint);
}

}  // namespace tilora
