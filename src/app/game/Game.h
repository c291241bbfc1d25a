// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QObject>

#include <functional>

#include "board/Board.h"
#include "board/MoveHistory.h"

namespace tilora {

class RandomSource;
struct SavedGame;

// The game in progress and what is left of the last one: the board, its moves, the
// seconds clock, the pause, the level and size of the next deal and the helped mark. Every
// move of every source comes through MoveBlock, under one rule (MayMove); every change
// that others must follow is a signal, so that the view, the record, the hint and the
// kept game hear each transition once and in one order. It asks no question: the window
// asks first and then tells the game what was decided.
class Game final : public QObject {
    Q_OBJECT
public:
    // How a slide came about.
    enum class MoveKind { Player, Undo, Redo, Hint };
    // How a game ended: solved, quit, or kept to go on at a later start.
    enum class Outcome { Won, Abandoned, Kept };

    explicit Game(QObject* parent = nullptr);

    // The window says here whether one of its dialogs or prompts is open.
    void SetDialogOpen(std::function<bool()> open) { m_dialogOpen = std::move(open); }

    // The state.
    bool Playing() const { return m_bPlaying; }
    bool Paused() const { return m_bPaused; }
    // The solved board stays on show after a win until the next game or size.
    bool ShowFinished() const { return m_bShowFinished; }
    int Seconds() const { return m_nSeconds; }
    int Level() const { return m_nLevel; }
    int DealtLevel() const { return m_nDealtLevel; }
    // A hint moved a block in this game.
    bool Helped() const { return m_bHelped; }
    // Every slide of the game, undo and redo included; the last game's after it ended.
    int Moves() const { return m_nMoves; }
    bool TimerRunning() const { return m_timer.isActive(); }
    const Board& GetBoard() const { return m_board; }
    Board& GetBoard() { return m_board; }
    // The board the game began on, and its moves in order with the second of each, for
    // a replay.
    struct TimedMove {
        CellPos from;
        CellPos to;
        MoveKind kind;
        int second;
    };
    const Board& StartBoard() const { return m_start; }
    const std::vector<TimedMove>& Played() const { return m_played; }
    const MoveHistory& History() const { return m_history; }

    // The one rule for every kind of move: a game runs, it is not paused, and no dialog
    // is open.
    bool MayMove() const;
    // The block on `cell` may slide now: the rule above, and the blank next to it.
    bool CanSlide(CellPos cell) const;
    // The one entry for a move: the slide, the history, `moved`, then the solved test and
    // the win. False when no block moved.
    bool MoveBlock(CellPos cell, MoveKind kind);
    // A whole line: the block on `cell` and every block between it and the blank in its
    // row or column slide one cell toward the blank, as one step of the history. Each
    // block counts as a move and is told by its own `moved`; a block next to the blank
    // moves as MoveBlock moves it. False when no block moved.
    bool MoveLine(CellPos cell, MoveKind kind);
    // While `moved` is told: how many more blocks of the same step follow it (0 for a
    // single move and for the last block of a line, undo or redo).
    int MovesToCome() const { return m_nMovesToCome; }
    // Undo and redo take back and make again one step: a whole line at once.
    bool Undo();
    bool Redo();

    // The level of the next deal; a game in progress keeps its own.
    void SetLevel(int level) { m_nLevel = level; }
    // The level read at the start, which a game restored before any deal records.
    void SetStartLevel(int level) { m_nLevel = m_nDealtLevel = level; }
    // A new board of the size in force, scrambled from `seed`; the game before it, if
    // still open, ends as abandoned. A game dealt while paused starts paused.
    void Deal(RandomSource& random, std::uint32_t seed);
    // A saved or kept game becomes the game in progress, helped or not; its size stays
    // in force for later deals. A player who quit a paused game loads the new one paused.
    void Restore(const SavedGame& game, bool helped);
    void PauseRestart();
    // The game in progress is quit (the player answered Yes): it ends as abandoned. The
    // clock is left as it is.
    void Quit();
    // The game goes on at a later start: it ends here as kept, unless it is over already
    // or solved. False when there was no such game.
    bool Keep();
    // No. of Blocks: the size of the next deal. The game is over; the clock stops at 0 and
    // the pause is cleared. No board of the old size stays on show: the cells are laid out
    // anew at the new size, which the window does not repaint until the next game.
    void SetGridSize(int n);

    // The clock: one tick a second while it runs. Open Picture and Save Game stop it while
    // their file dialog is open.
    void Tick();
    void StartTimer();
    void StopTimer();
    // Starts the clock again when a game runs unpaused.
    void Resume();
    void SetSeconds(int seconds);

    // A replay's moment: `board` on show as a game's that is over, its clock at `seconds`
    // and `moves` made. No game runs, so no block moves by the player's hand and nothing
    // is told to the game's followers.
    void ShowReplay(const Board& board, int seconds, int moves);

signals:
    void began();
    void moved(tilora::CellPos from, tilora::CellPos to, tilora::Game::MoveKind kind);
    void ended(tilora::Game::Outcome outcome, int seconds, int moves, bool helped);
    void secondsChanged(int seconds);
    void sizeChanged(int n);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void Begin();
    // One block of a step slides from `cell` into `blank`, `toCome` more following it.
    void Step(CellPos cell, CellPos blank, MoveKind kind, bool joined, int toCome);
    void End(Outcome outcome);
    void Win();

    std::function<bool()> m_dialogOpen;
    bool m_bPlaying = false;
    bool m_bPaused = false;
    bool m_bShowFinished = false;
    bool m_bHelped = false;
    // A game began and has not ended; it may still be "playing" after it was kept.
    bool m_bOpen = false;
    int m_nSeconds = 0;
    int m_nLevel = 0;
    int m_nDealtLevel = 0;  // the start-up level until the first deal
    int m_nMoves = 0;
    int m_nMovesToCome = 0;
    Board m_board;
    Board m_start;
    MoveHistory m_history;
    std::vector<TimedMove> m_played;
    QBasicTimer m_timer;
};

}  // namespace tilora
