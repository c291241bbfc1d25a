// SPDX-License-Identifier: GPL-3.0-or-later
// Every move goes through one entry with one rule: the mouse, the arrow keys, a screen
// reader's action, undo and redo, and the hint.
#include "app/window/PuzzleDlg.h"

#include <QAction>
#include <QApplication>

#include "app/boardview/BoardView.h"
#include "app/boardview/CommandNews.h"
#include "app/hint/Hinter.h"
#include "app/record/PlayerRecord.h"

namespace tilora {

void CPuzzleDlg::ConnectMoves()
{
    connect(m_menu.undo, &QAction::triggered, this, &CPuzzleDlg::OnUndo);
    connect(m_menu.redo, &QAction::triggered, this, &CPuzzleDlg::OnRedo);
    connect(m_menu.hint, &QAction::triggered, this, &CPuzzleDlg::OnHint);
    connect(m_client, &BoardView::pointChosen, this, [this](QPoint point) { MoveBlockAt(point.x(), point.y()); });
    connect(m_client, &BoardView::cellChosen, this, [this](CellPos cell) { MoveBlock(cell, MoveKind::Player); });
    m_hints = new Hinter(this);
    // Queued: the hint's move is made after the hinter has returned, never inside it.
    connect(m_hints, &Hinter::moveFound, this, &CPuzzleDlg::OnHintMove, Qt::QueuedConnection);
}

bool CPuzzleDlg::MayMove() const
{
    const QWidget* modal = QApplication::activeModalWidget();
    return m_bPlaying && !m_bPaused && !m_prompts.Open() && (!modal || modal == this);
}

bool CPuzzleDlg::CanSlide(CellPos cell) const
{
    return MayMove() && m_board.BlankNeighbour(cell).has_value();
}

void CPuzzleDlg::MoveBlockAt(int x, int y)
{
    if (const auto cell = m_board.CellForMove(x, y))
        MoveBlock(*cell, MoveKind::Player);
}

bool CPuzzleDlg::MoveBlock(CellPos cell, MoveKind kind)
{
    if (!MayMove())
        return false;
    const auto blank = m_board.BlankNeighbour(cell);
    if (!blank)
        return false;
    m_board.Slide(cell, *blank);
    m_client->RedrawMove(cell, *blank);
    m_record->Moved();
    switch (kind) {
    case MoveKind::Hint:
        m_history.Record({cell, *blank});
        m_hints->Followed(m_board);
        break;
    case MoveKind::Player:
        m_history.Record({cell, *blank});
        m_hints->PlayerMoved();
        break;
    case MoveKind::Undo:
        m_history.StepBack();
        m_hints->PlayerMoved();
        break;
    case MoveKind::Redo:
        m_history.StepForward();
        m_hints->PlayerMoved();
        break;
    }
    if (m_board.IsSolved())
        Victory();
    return true;
}

void CPuzzleDlg::OnHintMove(const Board& board, CellPos cell)
{
    if (!m_board.SameCells(board) || !CanSlide(cell)) {
        m_hints->Declined();
        return;
    }
    // The move's news says it was the hint's.
    m_client->LeadNextMove(tr("Hint"));
    MoveBlock(cell, MoveKind::Hint);
}

void CPuzzleDlg::ForgetMoves()
{
    m_history.Clear();
    m_hints->Forget();
}

void CPuzzleDlg::OnUndo()
{
    const auto move = m_history.LastMade();
    if (TellRefusal(*m_client, Command::Undo, {m_bPlaying, m_bPaused, move.has_value(), false}))
        return;
    // The block went from `from` to `to`; it goes back only into the blank it left.
    if (move && m_board.BlankNeighbour(move->to) == move->from)
        MoveBlock(move->to, MoveKind::Undo);
}

void CPuzzleDlg::OnRedo()
{
    const auto move = m_history.NextUndone();
    if (TellRefusal(*m_client, Command::Redo, {m_bPlaying, m_bPaused, false, move.has_value()}))
        return;
    if (move && m_board.BlankNeighbour(move->from) == move->to)
        MoveBlock(move->from, MoveKind::Redo);
}

void CPuzzleDlg::OnHint()
{
    if (TellRefusal(*m_client, Command::Hint, {m_bPlaying, m_bPaused}))
        return;
    if (MayMove())
        m_hints->Ask(m_board);
}

bool CPuzzleDlg::Helped() const
{
    return m_hints->Helped();
}

}  // namespace tilora
