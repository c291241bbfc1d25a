// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game/Game.h"

#include <QTimerEvent>

#include "board/CrtRandom.h"
#include "board/Deal.h"
#include "savegame/SavedGame.h"

namespace tilora {
namespace {

constexpr int kTimerPeriodMs = 1000;

}  // namespace

Game::Game(QObject* parent) : QObject(parent) {}

bool Game::MayMove() const
{
    return m_bPlaying && !m_bPaused && !(m_dialogOpen && m_dialogOpen());
}

bool Game::CanSlide(CellPos cell) const
{
    return MayMove() && m_board.BlankNeighbour(cell).has_value();
}

bool Game::MoveBlock(CellPos cell, MoveKind kind)
{
    if (!MayMove())
        return false;
    const auto blank = m_board.BlankNeighbour(cell);
    if (!blank)
        return false;
    m_board.Slide(cell, *blank);
    ++m_nMoves;
    switch (kind) {
    case MoveKind::Hint:
        m_bHelped = true;
        [[fallthrough]];
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
    m_played.push_back({cell, *blank, kind, m_nSeconds});
    emit moved(cell, *blank, kind);
    if (m_bPlaying && m_board.IsSolved())
        Win();
    return true;
}

bool Game::Undo()
{
    const auto move = m_history.LastMade();
    // The block went from `from` to `to`; it goes back only into the blank it left.
    return move && m_board.BlankNeighbour(move->to) == move->from && MoveBlock(move->to, MoveKind::Undo);
}

bool Game::Redo()
{
    const auto move = m_history.NextUndone();
    return move && m_board.BlankNeighbour(move->from) == move->to && MoveBlock(move->from, MoveKind::Redo);
}

void Game::Deal(RandomSource& random, std::uint32_t seed)
{
    End(Outcome::Abandoned);
    m_nDealtLevel = m_nLevel;
    random.Seed(seed);
    ScrambleBoard(m_board, m_nLevel, random);
    m_nSeconds = 0;
    Begin();
    emit secondsChanged(m_nSeconds);
    if (!m_bPaused)
        StartTimer();
    emit began();
}

void Game::Restore(const SavedGame& game, bool helped)
{
    End(Outcome::Abandoned);
    const int before = m_board.GridSize();
    RestoreBoard(game, m_board);
    if (m_board.GridSize() != before)
        emit sizeChanged(m_board.GridSize());
    m_nSeconds = game.seconds;
    Begin();
    m_bHelped = helped;
    emit secondsChanged(m_nSeconds);
    if (!m_bPaused)
        StartTimer();
    emit began();
}

void Game::Begin()
{
    m_bPlaying = true;
    m_bOpen = true;
    m_bHelped = false;
    m_nMoves = 0;
    m_start = m_board;
    m_history.Clear();
    m_played.clear();
}

void Game::End(Outcome outcome)
{
    if (!m_bOpen)
        return;
    m_bOpen = false;
    emit ended(outcome, m_nSeconds, m_nMoves, m_bHelped);
}

void Game::Win()
{
    StopTimer();
    // The game is over: its moves can no longer be taken back, and it is no longer one to
    // keep for a later start, even while its victory is still being told.
    m_history.Clear();
    m_bPlaying = false;
    m_bShowFinished = true;
    End(Outcome::Won);
}

void Game::PauseRestart()
{
    if (!m_bPlaying)
        return;
    m_bPaused = !m_bPaused;
    if (m_bPaused)
        StopTimer();
    else
        StartTimer();
}

void Game::Quit()
{
    End(Outcome::Abandoned);
    m_bPlaying = false;
    m_history.Clear();
}

bool Game::Keep()
{
    if (!m_bOpen || !m_bPlaying || m_board.IsSolved())
        return false;
    End(Outcome::Kept);
    return true;
}

void Game::SetGridSize(int n)
{
    Quit();
    m_board.SetGridSize(n);
    m_board.FillSolved();
    m_bShowFinished = false;
    // Neither the seconds field nor the window is refreshed: the next deal shows both.
    m_nSeconds = 0;
    m_bPaused = false;
    StopTimer();
    emit sizeChanged(n);
}

void Game::Tick()
{
    ++m_nSeconds;
    emit secondsChanged(m_nSeconds);
}

void Game::StartTimer()
{
    m_timer.start(kTimerPeriodMs, this);
}

void Game::StopTimer()
{
    m_timer.stop();
}

void Game::Resume()
{
    if (m_bPlaying && !m_bPaused)
        StartTimer();
}

void Game::SetSeconds(int seconds)
{
    m_nSeconds = seconds;
    emit secondsChanged(m_nSeconds);
}

void Game::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        Tick();
    else
        QObject::timerEvent(event);
}

}  // namespace tilora
