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
    Step(cell, *blank, kind, false, 0);
    if (m_bPlaying && m_board.IsSolved())
        Win();
    return true;
}

void Game::Step(CellPos cell, CellPos blank, MoveKind kind, bool joined, int toCome)
{
    m_board.Slide(cell, blank);
    ++m_nMoves;
    switch (kind) {
    case MoveKind::Hint:
        m_bHelped = true;
        [[fallthrough]];
    case MoveKind::Player:
        m_history.Record({cell, blank}, joined);
        break;
    case MoveKind::Undo:
        m_history.StepBack();
        break;
    case MoveKind::Redo:
        m_history.StepForward();
        break;
    }
    m_played.push_back({cell, blank, kind, m_nSeconds});
    m_nMovesToCome = toCome;
    emit moved(cell, blank, kind);
    m_nMovesToCome = 0;
}

bool Game::MoveLine(CellPos cell, MoveKind kind)
{
    if (!MayMove() || !m_board.Contains(cell) || m_board.Cell(cell.row, cell.column) == m_board.BlankTile())
        return false;
    if (m_board.BlankNeighbour(cell))
        return MoveBlock(cell, kind);
    // The nearest blank in the block's row or column, looked for outward from the block:
    // the blocks between them slide, the one next to the blank first.
    constexpr CellPos kWays[] = {{-1, 0}, {0, -1}, {0, 1}, {1, 0}};
    for (const CellPos way : kWays) {
        std::vector<CellPos> line{cell};
        CellPos at{cell.row + way.row, cell.column + way.column};
        while (m_board.Contains(at) && m_board.Cell(at.row, at.column) != m_board.BlankTile()) {
            line.push_back(at);
            at = {at.row + way.row, at.column + way.column};
        }
        if (!m_board.Contains(at))
            continue;
        // `at` is the blank: each block moves into the cell that the one before it left.
        const int count = static_cast<int>(line.size());
        for (int i = count - 1; i >= 0; --i) {
            const CellPos into = i == count - 1 ? at : line[static_cast<std::size_t>(i + 1)];
            Step(line[static_cast<std::size_t>(i)], into, kind, i != count - 1, i);
        }
        if (m_bPlaying && m_board.IsSolved())
            Win();
        return true;
    }
    return false;
}

bool Game::Undo()
{
    const std::vector<MoveHistory::Move> step = m_history.LastStep();
    if (step.empty() || !MayMove())
        return false;
    // Each block went from `from` to `to`; it goes back only into the blank it left, the
    // last one moved first.
    Board board = m_board;
    for (auto move = step.rbegin(); move != step.rend(); ++move) {
        if (board.BlankNeighbour(move->to) != move->from)
            return false;
        board.Slide(move->to, move->from);
    }
    const int count = static_cast<int>(step.size());
    for (int i = count - 1; i >= 0; --i) {
        const MoveHistory::Move& move = step[static_cast<std::size_t>(i)];
        Step(move.to, move.from, MoveKind::Undo, false, i);
    }
    if (m_bPlaying && m_board.IsSolved())
        Win();
    return true;
}

bool Game::Redo()
{
    const std::vector<MoveHistory::Move> step = m_history.NextStep();
    if (step.empty() || !MayMove())
        return false;
    Board board = m_board;
    for (const MoveHistory::Move& move : step) {
        if (board.BlankNeighbour(move.from) != move.to)
            return false;
        board.Slide(move.from, move.to);
    }
    const int count = static_cast<int>(step.size());
    for (int i = 0; i < count; ++i) {
        const MoveHistory::Move& move = step[static_cast<std::size_t>(i)];
        Step(move.from, move.to, MoveKind::Redo, false, count - 1 - i);
    }
    if (m_bPlaying && m_board.IsSolved())
        Win();
    return true;
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

void Game::ShowReplay(const Board& board, int seconds, int moves)
{
    m_board = board;
    m_nSeconds = seconds;
    m_nMoves = moves;
    m_bPlaying = false;
    m_bPaused = false;
    m_bShowFinished = true;
}

void Game::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        Tick();
    else
        QObject::timerEvent(event);
}

}  // namespace tilora
