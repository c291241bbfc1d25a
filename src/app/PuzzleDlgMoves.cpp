// SPDX-License-Identifier: GPL-3.0-or-later
// Moves that do not come from the mouse: the arrow keys, undo and redo, and the hint. Each
// one slides a block through the same steps as a double click.
#include "app/PuzzleDlg.h"

#include <QAction>
#include <QApplication>
#include <QShortcut>

#include "app/Hinter.h"
#include "app/Messages.h"
#include "app/Prompter.h"

namespace tilora {
namespace {

// The first blank cell in reading order; the arrows act on it.
std::optional<CellPos> FindBlank(const Board& board)
{
    for (int r = 0; r < board.GridSize(); ++r)
        for (int c = 0; c < board.GridSize(); ++c)
            if (board.Cell(r, c) == board.BlankTile())
                return CellPos{r, c};
    return std::nullopt;
}

}  // namespace

void CPuzzleDlg::ConnectMoves()
{
    connect(m_menu.undo, &QAction::triggered, this, &CPuzzleDlg::OnUndo);
    connect(m_menu.redo, &QAction::triggered, this, &CPuzzleDlg::OnRedo);
    connect(m_menu.hint, &QAction::triggered, this, &CPuzzleDlg::OnHint);
    struct Arrow {
        Qt::Key key;
        int dRow;
        int dColumn;
    };
    for (const Arrow arrow : {Arrow{Qt::Key_Left, 0, -1}, Arrow{Qt::Key_Right, 0, 1}, Arrow{Qt::Key_Up, -1, 0},
                              Arrow{Qt::Key_Down, 1, 0}}) {
        auto* shortcut = new QShortcut(QKeySequence(arrow.key), this);
        connect(shortcut, &QShortcut::activated, this, [this, arrow] { OnArrow(arrow.dRow, arrow.dColumn); });
    }
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
    RedrawMove(cell.row, cell.column, blank->row, blank->column);
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

void CPuzzleDlg::OnArrow(int dRow, int dColumn)
{
    if (!m_bPlaying || m_bPaused)
        return;
    const auto blank = FindBlank(m_board);
    if (!blank)
        return;
    // The block moves in the arrow's direction, so it lies on the arrow's far side.
    const CellPos block{blank->row - dRow, blank->column - dColumn};
    if (m_board.Contains(block))
        SlideBlock(block, MoveKind::Player);
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
