// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Hinter.h"

#include <QMetaObject>

#include <algorithm>

#include "app/HintTables.h"
#include "solver/BoardSolver.h"

namespace tilora {

using solver::SameCells;

Hinter::Hinter(HintWindow window, QObject* parent)
    : QObject(parent), m_window(std::move(window)), m_tables(std::make_shared<HintTables>())
{
    m_search = [tables = m_tables](const Board& board, std::stop_token stop) -> Solution {
        const auto databases = tables->Get(stop);
        if (!databases)
            return std::nullopt;
        return solver::SolveBoard(board, *databases, std::move(stop));
    };
}

Hinter::~Hinter()
{
    m_tables->Stop();
    m_thread.request_stop();
    if (m_thread.joinable())
        m_thread.join();
}

bool Hinter::TablesAsked() const
{
    return m_tables->Asked();
}

void Hinter::Ask()
{
    // A search that ended without posting its result is over all the same.
    if (m_lost.exchange(false)) {
        m_thread.join();
        m_searching.reset();
    }
    const Board& board = m_window.board();
    if (m_wish && SameCells(m_wish->board, board))
        ++m_wish->presses;
    else
        m_wish = Wish{board, 1};
    Serve();
}

void Hinter::Followed()
{
    m_plan.Advance();
    m_helped = true;
}

void Hinter::PlayerMoved()
{
    m_wish.reset();
    if (m_searching)
        m_thread.request_stop();
}

void Hinter::Forget()
{
    m_plan.Clear();
    m_helped = false;
    PlayerMoved();
}

void Hinter::Saved(const Board& board, int seconds)
{
    if (m_helped)
        m_helpedSaves.push_back({board, seconds});
}

void Hinter::Opened(const Board& board, int seconds)
{
    m_helped = std::any_of(m_helpedSaves.begin(), m_helpedSaves.end(), [&](const SavedGame& saved) {
        return saved.seconds == seconds && SameCells(saved.board, board);
    });
}

void Hinter::Serve()
{
    while (MoveFromPlan()) {
    }
    if (!m_wish)
        return;
    if (!m_searching) {
        Start(m_wish->board);
        return;
    }
    // One search per board: the presses on the board being searched wait for its result.
    // A search for a board the player has left stops, and its result starts the next.
    if (!SameCells(*m_searching, m_wish->board))
        m_thread.request_stop();
}

bool Hinter::MoveFromPlan()
{
    if (!m_wish)
        return false;
    const Board board = m_window.board();
    // Presses for a board the player has left lapse: they were for that board.
    if (m_wish->presses <= 0 || !SameCells(m_wish->board, board)) {
        m_wish.reset();
        return false;
    }
    const auto cell = m_plan.Next(board);
    if (!cell)
        return false;
    // Behind a dialog nothing moves. The plan stays, so that the next press moves at once.
    if (!m_window.mayMove()) {
        m_wish.reset();
        return false;
    }
    --m_wish->presses;
    m_window.move(*cell);
    // The move may have won the game and shown its dialogs, which may have served or
    // dropped the presses meanwhile; those left go on from the board the move made.
    if (m_wish)
        m_wish->board = m_window.board();
    return true;
}

void Hinter::Start(const Board& board)
{
    try {
        m_thread = std::jthread([this, board, search = m_search](std::stop_token stop) {
            // Every way out posts a result, so that the hint never waits for one that
            // does not come; a search that throws has found nothing.
            Solution solution;
            try {
                solution = search(board, stop);
            } catch (...) {
                solution.reset();
            }
            try {
                QMetaObject::invokeMethod(
                    this, [this, board, solution = std::move(solution)] { OnFound(board, solution); },
                    Qt::QueuedConnection);
            } catch (...) {
                m_lost = true;
            }
        });
        m_searching = board;
    } catch (...) {
        // No thread for the search: no hint for these presses; the next press tries again.
        m_wish.reset();
    }
}

void Hinter::OnFound(const Board& board, const Solution& solution)
{
    m_thread.join();  // it has posted its result and is ending
    m_searching.reset();
    // A plan the board still follows is never replaced.
    if (solution && !m_plan.Next(m_window.board()))
        m_plan.Set(board, *solution);
    // Nothing found for the wished board (it cannot be solved, or the search failed): those
    // presses get no hint, and the next press searches again.
    if (m_wish && SameCells(m_wish->board, board) && !m_plan.Next(board))
        m_wish.reset();
    Serve();
}

}  // namespace tilora
