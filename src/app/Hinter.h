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

class HintTables;

// What the hint needs of the window it plays in.
struct HintWindow {
    // The board in play.
    std::function<const Board&()> board;
    // True while a hint may move a block: a game runs, unpaused, and no dialog is open.
    std::function<bool()> mayMove;
    // Slides the block at the cell as a hint; the window then calls Followed.
    std::function<void(CellPos)> move;
};

// The hint: its search off the interface thread, the solution it follows, the presses
// waiting for it and whether it helped the game. Each press of Hint asks for one move on
// the board it was pressed on. A move comes at once when the plan knows the board, or
// when the search for that board ends; it never comes while a dialog is open, for a board
// the player has left, or twice for one press.
class Hinter final : public QObject {
public:
    using Solution = std::optional<std::vector<CellPos>>;
    // Finds a solution of the board on the search thread; returns early with nothing once
    // the stop is requested. It may throw: that is no hint.
    using Search = std::function<Solution(const Board&, std::stop_token)>;

    Hinter(HintWindow window, QObject* parent);
    // Stops the search and the tables' build, and waits for the search, which its stop
    // checks keep short.
    ~Hinter() override;

    // Replaces the search, for tests.
    void SetSearch(Search search) { m_search = std::move(search); }
    // True once a hint asked for the tables: a deal alone never does.
    bool TablesAsked() const;

    // The player pressed Hint.
    void Ask();
    // The window slid the block the hint gave.
    void Followed();
    // The player moved a block: the presses were for the board before, and its search stops.
    void PlayerMoved();
    // A new game, or a game read from a file: no plan, no presses, no help, and the search
    // for the old board stops.
    void Forget();

    // A hint moved a block in this game: its time is not entered as a best.
    bool Helped() const { return m_helped; }
    // The game was saved as `board` at `seconds`. A game opened later from a file with
    // exactly that board and count is the same game, and is helped again if it was.
    void Saved(const Board& board, int seconds);
    void Opened(const Board& board, int seconds);

    bool Searching() const { return m_searching.has_value(); }

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
    bool MoveFromPlan();
    void Start(const Board& board);
    void OnFound(const Board& board, const Solution& solution);

    HintWindow m_window;
    std::shared_ptr<HintTables> m_tables;
    Search m_search;
    solver::HintPlan m_plan;
    // The presses not yet served, for the board they were pressed on.
    std::optional<Wish> m_wish;
    // The board being searched; nothing while no search runs.
    std::optional<Board> m_searching;
    bool m_helped = false;
    std::vector<SavedGame> m_helpedSaves;
    // Set by a search that could not post its result, which is then no hint.
    std::atomic<bool> m_lost{false};
    std::jthread m_thread;
};

}  // namespace tilora
