// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <stop_token>
#include <thread>
#include <vector>

#include "board/Board.h"
#include "solver/HintPlan.h"

namespace tilora {

// The hint's worker: its search off the interface thread, the solution it follows, the
// presses waiting for it and whether it helped the game. It knows no window, after the
// pattern of Qt's Mandelbrot example: the window asks for one move on a board and hears
// back, through `moveFound`, a move for that board; the window then applies its own rule
// for whether a block may move, makes the move through its own entry and says whether it
// did. A move comes at once when the plan knows the board, or when the search for that
// board ends; never twice for one press, and never after the player's own move.
class Hinter final : public QObject {
    Q_OBJECT
public:
    using Solution = std::optional<std::vector<CellPos>>;
    // Finds a solution of the board on the search thread; returns early with nothing once
    // the stop is requested. It may throw: that is no hint.
    using Search = std::function<Solution(const Board&, std::stop_token)>;

    // Searches with the process's hint tables.
    explicit Hinter(QObject* parent);
    Hinter(Search search, QObject* parent);
    // Stops the search and waits for it, which its stop checks keep short.
    ~Hinter() override;

    // Replaces the search, for tests of the window.
    void SetSearch(Search search) { m_search = std::move(search); }
    // Whether a search must first build the hint's tables, asked as it starts; by default
    // the process's tables are asked, and a search set by a test needs none.
    void SetTablesToBuild(std::function<bool()> toBuild) { m_tablesToBuild = std::move(toBuild); }
    // How many times this process's tables were asked for, by a hint or anything else: a
    // deal alone never asks (the record may take them only when they are at hand).
    unsigned TableCalls() const;

    // The player pressed Hint on `board`.
    void Ask(const Board& board);
    // The window made the move offered for the board before; `after` is the board it made.
    // A press still waiting is served from there.
    void Followed(const Board& after);
    // The window did not make the move offered (a dialog was open, or the board is no
    // longer the one offered for): the presses for that board lapse.
    void Declined();
    // The player moved a block: the presses were for the board before, and its search stops.
    void PlayerMoved();
    // A new game, or a game read from a file: no plan, no presses, no help, and the search
    // for the old board stops.
    void Forget();

    // A hint moved a block in this game: its time is not entered as a best.
    bool Helped() const { return m_helped; }
    // The game was saved as `board` at `seconds`. A game opened later from a file with
    // exactly that board and count is the same game, and is helped again if it was.
    void Saved(const Board& board, int seconds) { Saved(board, seconds, m_helped); }
    // The same, for a game whose helped mark is kept elsewhere (a game taken up again).
    void Saved(const Board& board, int seconds, bool helped);
    void Opened(const Board& board, int seconds);

    bool Searching() const { return m_searching.has_value(); }

signals:
    // One move for `board`, the board a press was made on: the block on `cell` slides.
    // The window answers with Followed or Declined. Connect it queued, so that the
    // window's move runs after the hinter has returned.
    void moveFound(const tilora::Board& board, tilora::CellPos cell);
    // The first search that must build the hint's tables (seconds of work) started, and
    // ended: the window shows the wait. Told once per hinter.
    void preparing(bool on);

private:
    struct Wish {
        Board board;
        int presses = 0;
    };
    struct SavedGame {
        Board board;
        int seconds = 0;
    };
    void Serve();
    void Start(const Board& board);
    void OnFound(const Board& board, const Solution& solution);

    Search m_search;
    std::function<bool()> m_tablesToBuild;
    // The wait for the tables was told, and whether it still goes on.
    bool m_toldPreparing = false;
    bool m_preparing = false;
    solver::HintPlan m_plan;
    // The presses not yet served, for the board they were pressed on.
    std::optional<Wish> m_wish;
    // The board of the move offered and not yet answered; one offer at a time.
    std::optional<Board> m_offered;
    // The board being searched; nothing while no search runs.
    std::optional<Board> m_searching;
    bool m_helped = false;
    std::vector<SavedGame> m_helpedSaves;
    // Set by a search that could not post its result, which is then no hint.
    std::atomic<bool> m_lost{false};
    std::jthread m_thread;
};

}  // namespace tilora
