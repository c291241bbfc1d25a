// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <optional>
#include <vector>

#include "app/game/Game.h"
#include "app/record/GameTrace.h"

namespace tilora {

struct KeptGame;

// A game played again: the board it began on and its moves, each at the second it was
// made, shown on a Game of the replay's own that a board view reads. It steps forward and
// back one move at a time, jumps to any move, and plays by itself at the game's own pace
// or at a steady one. It knows no widget: the replay window follows its signals.
class Replay final : public QObject {
    Q_OBJECT
public:
    enum class Pace { Real, Steady };
    // A steady replay makes a move every this many milliseconds.
    static constexpr int kSteadyMs = 250;
    // At the game's own pace, moves that came faster than this come this far apart,
    // so that each is seen to slide.
    static constexpr int kFastestMs = 60;

    Replay(Board start, std::vector<game_trace::Move> moves, QObject* parent = nullptr);

    // The game on show, for the board view: the board after Position() moves.
    const Game& Shown() const { return m_shown; }
    const Board& Start() const { return m_start; }
    const std::vector<game_trace::Move>& Moves() const { return m_moves; }
    int Count() const { return static_cast<int>(m_moves.size()); }
    int Position() const { return m_position; }
    // The clock when the move before the position was made; 0 at the start.
    int Seconds() const;

    // Takes another game from the same start (the shortest way) and goes to its start.
    void SetMoves(std::vector<game_trace::Move> moves);

    // One move on, or one taken back: `stepped` tells the block that slid. A step by hand
    // stops the replay playing by itself. False at the end (the start).
    bool Forward();
    bool Back();
    // To the board after `position` moves (kept within 0..Count()): `jumped`.
    void Seek(int position);

    void SetPace(Pace pace) { m_pace = pace; }
    Pace GetPace() const { return m_pace; }
    // Plays from the position on by itself, from the start when at the end, until the
    // end or Stop.
    void Play();
    void Stop();
    bool Playing() const { return m_timer.isActive(); }
    // How long Play waits before the next move, in milliseconds; at the game's own pace,
    // moves made in the same second of the clock are spread evenly over it.
    int DelayBeforeNext() const;

signals:
    // The block on `from` slid into the blank on `to`, forward or back; `hint` when a
    // hint made the move in the game.
    void stepped(tilora::CellPos from, tilora::CellPos to, bool hint);
    // The position changed by more than a move, or the moves were changed.
    void jumped();
    void positionChanged(int position);
    void playingChanged(bool playing);

private:
    // When move `index` was made, in milliseconds of the game's clock.
    double MadeAt(int index) const;
    void Show(const Board& board);
    bool StepForward();
    // The timer's move, and the wait for the one after it.
    void PlayNext();

    Board m_start;
    std::vector<game_trace::Move> m_moves;
    int m_position = 0;
    Pace m_pace = Pace::Real;
    Game m_shown;
    QTimer m_timer;
};

// A kept game as a replay takes it: its start and its moves. Nothing for a game kept
// without them (before the record held them) or whose moves do not fit its start.
struct RecordedGame {
    Board start;
    std::vector<game_trace::Move> moves;
};
std::optional<RecordedGame> ReadRecordedGame(const KeptGame& game);

}  // namespace tilora
