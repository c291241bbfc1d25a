// SPDX-License-Identifier: GPL-3.0-or-later
// Moves that do not come from the board: undo and redo, and the hint. Each one slides a
// block through the same steps as a double click.
#include "app/window/PuzzleDlg.h"

#include <QAction>
#include <QApplication>

#include "app/boardview/BoardView.h"
#include "app/hint/Hinter.h"
#include "app/prompts/Messages.h"
#include "app/prompts/Prompter.h"

namespace tilora {

void CPuzzleDlg::ConnectMoves()
{
    connect(m_menu.undo, &QAction::triggered, this, &CPuzzleDlg::OnUndo);
    connect(m_menu.redo, &QAction::triggered, this, &CPuzzleDlg::OnRedo);
    connect(m_menu.hint, &QAction::triggered, this, &CPuzzleDlg::OnHint);
    const auto mayMove = [this] {
        const QWidget* modal = QApplication::activeModalWidget();
        return m_bPlaying && !m_bPaused && !m_prompts.Open() && (!modal || modal == this);
    };
    m_hints = new Hinter({[this]() -> const Board& { return m_board; }, mayMove,
                          [this](CellPos cell) { SlideBlock(cell, MoveKind::Hint); }},
                         this);
}

bool CPuzzleDlg::SlideBlock(CellPos cell, MoveKind kind)
{
    const auto blank = m_board.BlankNeighbour(cell);
    if (!blank)
        return false;
    m_board.Slide(cell, *blank);
    m_client->RedrawMove(cell, *blank);
    if (kind != MoveKind::Hint)
        m_hints->PlayerMoved();
    switch (kind) {
    case MoveKind::Hint:
        m_hints->Followed();
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
    m_hints->Forget();
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
    if (m_bPlaying && !m_bPaused)
        m_hints->Ask();
}

bool CPuzzleDlg::Helped() const
{
    return m_hints->Helped();
}

void CPuzzleDlg::reject()
{
    if (m_bPlaying && m_env.prompter.Ask(this, messages::ConfirmExit()) != QMessageBox::Yes)
        return;
    QDialog::reject();
}

}  // namespace tilora
