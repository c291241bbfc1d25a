// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replay/Replay.h"

#include <algorithm>
#include <cmath>

#include "app/record/KeptGame.h"

namespace tilora {

Replay::Replay(Board start, std::vector<game_trace::Move> moves, QObject* parent)
    : QObject(parent), m_start(std::move(start)), m_moves(std::move(moves))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Replay::PlayNext);
    Show(m_start);
}

int Replay::Seconds() const
{
    return m_position == 0 ? 0 : m_moves[static_cast<std::size_t>(m_position - 1)].second;
}

void Replay::Show(const Board& board)
{
    m_shown.ShowReplay(board, Seconds(), m_position);
}

void Replay::SetMoves(std::vector<game_trace::Move> moves)
{
    Stop();
    m_moves = std::move(moves);
    m_position = 0;
    Show(m_start);
    emit jumped();
    emit positionChanged(m_position);
}

bool Replay::StepForward()
{
    if (m_position >= Count())
        return false;
    const game_trace::Move& move = m_moves[static_cast<std::size_t>(m_position)];
    Board board = m_shown.GetBoard();
    board.Slide(move.from, move.to);
    ++m_position;
    Show(board);
    emit stepped(move.from, move.to, move.hint);
    emit positionChanged(m_position);
    return true;
}

bool Replay::Forward()
{
    Stop();
    return StepForward();
}

bool Replay::Back()
{
    Stop();
    if (m_position == 0)
        return false;
    // The block goes back from the blank it filled into the blank it left.
    const game_trace::Move& move = m_moves[static_cast<std::size_t>(m_position - 1)];
    Board board = m_shown.GetBoard();
    board.Slide(move.to, move.from);
    --m_position;
    Show(board);
    emit stepped(move.to, move.from, move.hint);
    emit positionChanged(m_position);
    return true;
}

void Replay::Seek(int position)
{
    position = std::clamp(position, 0, Count());
    if (position == m_position)
        return;
    Stop();
    Board board = m_start;
    for (int i = 0; i < position; ++i) {
        const game_trace::Move& move = m_moves[static_cast<std::size_t>(i)];
        board.Slide(move.from, move.to);
    }
    m_position = position;
    Show(board);
    emit jumped();
    emit positionChanged(m_position);
}

void Replay::Play()
{
    if (Playing() || m_moves.empty())
        return;
    if (m_position == Count())
        Seek(0);
    m_timer.start(DelayBeforeNext());
    emit playingChanged(true);
}

void Replay::Stop()
{
    if (!Playing())
        return;
    m_timer.stop();
    emit playingChanged(false);
}

void Replay::PlayNext()
{
    StepForward();
    if (m_position < Count()) {
        m_timer.start(DelayBeforeNext());
    } else {
        emit playingChanged(false);
    }
}

double Replay::MadeAt(int index) const
{
    const int second = m_moves[static_cast<std::size_t>(index)].second;
    const auto sameSecond = [second](const game_trace::Move& move) { return move.second == second; };
    const auto at = m_moves.begin() + index;
    const auto first = std::find_if_not(std::make_reverse_iterator(at), m_moves.rend(), sameSecond).base();
    const auto last = std::find_if_not(at, m_moves.end(), sameSecond);
    return 1000.0 * (second + static_cast<double>(at - first) / static_cast<double>(last - first));
}

int Replay::DelayBeforeNext() const
{
    if (m_pace == Pace::Steady || m_position >= Count())
        return kSteadyMs;
    const double before = m_position == 0 ? 0.0 : MadeAt(m_position - 1);
    return std::max(kFastestMs, static_cast<int>(std::lround(MadeAt(m_position) - before)));
}

std::optional<RecordedGame> ReadRecordedGame(const KeptGame& game)
{
    if (game.board.empty())
        return std::nullopt;
    auto start = game_trace::ParseBoard(game.size, game.board);
    if (!start)
        return std::nullopt;
    auto moves = game_trace::ParseMoves(*start, game.played);
    if (!moves)
        return std::nullopt;
    return RecordedGame{std::move(*start), std::move(*moves)};
}

}  // namespace tilora
