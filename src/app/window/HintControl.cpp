// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/HintControl.h"

#include <QCoreApplication>
#include <QWidget>

#include "app/boardview/BoardView.h"
#include "app/boardview/CommandNews.h"
#include "app/game/Game.h"
#include "app/hint/Hinter.h"

namespace tilora {

HintControl::HintControl(Game& game, BoardView& view, QWidget& window)
    : QObject(&window), m_game(game), m_view(view), m_window(window), m_hints(new Hinter(this))
{
    // Queued: the hint's move is made after the hinter has returned, never inside it.
    connect(m_hints, &Hinter::moveFound, this, &HintControl::OnMoveFound, Qt::QueuedConnection);
    connect(m_hints, &Hinter::preparing, this, &HintControl::OnPreparing);
    connect(&m_game, &Game::began, m_hints, &Hinter::Forget);
    connect(&m_game, &Game::sizeChanged, m_hints, &Hinter::Forget);
    connect(&m_game, &Game::moved, m_hints, [this](CellPos, CellPos, Game::MoveKind kind) {
        if (kind == Game::MoveKind::Hint)
            m_hints->Followed(m_game.GetBoard());
        else
            m_hints->PlayerMoved();
    });
}

void HintControl::Ask()
{
    if (!TellRefusal(m_view, Command::Hint) && m_game.MayMove())
        m_hints->Ask(m_game.GetBoard());
}

void HintControl::OnMoveFound(const Board& board, CellPos cell)
{
    if (!m_game.GetBoard().SameCells(board) || !m_game.CanSlide(cell)) {
        m_hints->Declined();
        return;
    }
    // The move's news says it was the hint's.
    m_view.LeadNextMove(QCoreApplication::translate("tilora::CPuzzleDlg", "Hint"));
    m_game.MoveBlock(cell, Game::MoveKind::Hint);
}

void HintControl::OnPreparing(bool on)
{
    if (!on) {
        m_window.unsetCursor();
        return;
    }
    m_window.setCursor(Qt::BusyCursor);
    m_view.Announce(
        QCoreApplication::translate("tilora::CPuzzleDlg", "Preparing the hints: the first one takes a few seconds"));
}

}  // namespace tilora
