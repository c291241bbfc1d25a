// SPDX-License-Identifier: GPL-3.0-or-later
// Moves that do not come from the board: undo and redo, and the hint. Each one slides a
// block through the same steps as a double click.
#include "app/PuzzleDlg.h"

#include <QAction>

#include "app/BoardView.h"
#include "app/HintSearch.h"
#include "app/Messages.h"
#include "app/Prompter.h"

namespace tilora {

void CPuzzleDlg::ConnectMoves()
{
    connect(m_menu.undo, &QAction::triggered, this, &CPuzzleDlg::OnUndo);
    connect(m_menu.redo, &QAction::triggered, this, &CPuzzleDlg::OnRedo);
    connect(m_menu.hint, &QAction::triggered, this, &CPuzzleDlg::OnHint);
    m_hints = new HintSearch(
        [this](const Board& board, const std::optional<std::vector<CellPos>>& moves) { OnHintFound(board, moves); },
        this);
}

bool CPuzzleDlg::SlideBlock(CellPos cell, MoveKind kind)
{
    const auto blank = m_board.BlankNeighbour(cell);
    if (!blank)
        return false;
    m_board.Slide(cell, *blank);
    m_client->RedrawMove(cell, *blank);
    switch (kind) {
    case MoveKind::Hint:
        m_bHelped = true;
        m_hintPlan.Advance();
        m_history.Record({cell, *blank});
        break;
    case MoveKind::Player:
        m_history.Record({cell, *blank});
        break;
    case MoveKind::Undo:
        m_history.StepBack();
        break;
    case MoveKind::Redo:
        m_history.StepForward();
        break;
    }
    if (m_board.IsSolved())
        Victory();
    return true;
}

void CPuzzleDlg::ForgetMoves()
{
    m_history.Clear();
    m_hintPlan.Clear();
    m_bHelped = false;
    m_bHintWanted = false;
}

void CPuzzleDlg::OnUndo()
{
    if (!m_bPlaying || m_bPaused)
        return;
    const auto move = m_history.LastMade();
    // The block went from `from` to `to`; it goes back only into the blank it left.
    if (move && m_board.BlankNeighbour(move->to) == move->from)
        SlideBlock(move->to, MoveKind::Undo);
}

void CPuzzleDlg::OnRedo()
{
    if (!m_bPlaying || m_bPaused)
        return;
    const auto move = m_history.NextUndone();
    if (move && m_board.BlankNeighbour(move->from) == move->to)
        SlideBlock(move->from, MoveKind::Redo);
}

void CPuzzleDlg::OnHint()
{
    if (!m_bPlaying || m_bPaused)
        return;
    if (const auto cell = m_hintPlan.Next(m_board)) {
        SlideBlock(*cell, MoveKind::Hint);
        return;
    }
    // The search runs off the interface thread; its result makes the move if the board
    // is still the one searched when it arrives.
    m_bHintWanted = true;
    m_hints->Request(m_board);
}

void CPuzzleDlg::OnHintFound(const Board& board, const std::optional<std::vector<CellPos>>& moves)
{
    const bool wanted = std::exchange(m_bHintWanted, false);
    if (!moves)
        return;  // a board read from a file that no slides can solve: no hint
    m_hintPlan.Set(board, *moves);
    if (!wanted || !m_bPlaying || m_bPaused)
        return;
    if (const auto cell = m_hintPlan.Next(m_board))
        SlideBlock(*cell, MoveKind::Hint);
}

void CPuzzleDlg::reject()
{
    if (m_bPlaying && m_env.prompter.Ask(this, messages::ConfirmExit()) != QMessageBox::Yes)
        return;
    QDialog::reject();
}

}  // namespace tilora
