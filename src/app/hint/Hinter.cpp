// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hint/Hinter.h"

#include <QMetaObject>

#include <algorithm>
#include <utility>

#include "app/hint/HintTables.h"
#include "solver/BoardSolver.h"

namespace tilora {
namespace {

Hinter::Solution SearchWithSharedTables(const Board& board, std::stop_token stop)
{
    const auto databases = HintTables::Shared().Get(stop);
    if (!databases)
        return std::nullopt;
    return solver::SolveBoard(board, *databases, std::move(stop));
}

}  // namespace

Hinter::Hinter(QObject* parent) : Hinter(SearchWithSharedTables, parent)
{
    m_tablesToBuild = [] { return HintTables::Shared().MustBuild(); };
}

Hinter::Hinter(Search search, QObject* parent) : QObject(parent), m_search(std::move(search)) {}

Hinter::~Hinter()
{
    m_thread.request_stop();
    if (m_thread.joinable())
        m_thread.join();
}

unsigned Hinter::TableCalls() const
{
    return HintTables::Shared().Gets();
}

void Hinter::Ask(const Board& board)
{
    // A search that ended without posting its result is over all the same.
    if (m_lost.exchange(false)) {
        m_thread.join();
        m_searching.reset();
    }
    if (m_wish && m_wish->board.SameCells(board))
        ++m_wish->presses;
    else
        m_wish = Wish{board, 1};
    Serve();
}

void Hinter::Followed(const Board& after)
{
    m_offered.reset();
    m_plan.Advance();
    m_helped = true;
    // The presses left go on from the board the move made.
    if (m_wish && m_wish->presses > 0)
        m_wish->board = after;
    else
        m_wish.reset();
    Serve();
}

void Hinter::Declined()
{
    const std::optional<Board> offered = std::exchange(m_offered, std::nullopt);
    // Behind a dialog nothing moves: those presses lapse, and the plan stays, so that the
    // next press moves at once. Presses made since for another board still wait.
    if (m_wish && offered && m_wish->board.SameCells(*offered))
        m_wish.reset();
    Serve();
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

void Hinter::Saved(const Board& board, int seconds, bool helped)
{
    if (helped)
        m_helpedSaves.push_back({board, seconds});
}

void Hinter::Opened(const Board& board, int seconds)
{
    m_helped = std::any_of(m_helpedSaves.begin(), m_helpedSaves.end(), [&](const SavedGame& saved) {
        return saved.seconds == seconds && saved.board.SameCells(board);
    });
}

void Hinter::Serve()
{
    if (m_offered || !m_wish)
        return;
    if (m_wish->presses <= 0) {
        m_wish.reset();
        return;
    }
    if (const auto cell = m_plan.Next(m_wish->board)) {
        --m_wish->presses;
        m_offered = m_wish->board;
        emit moveFound(m_wish->board, *cell);
        return;
    }
    if (!m_searching) {
        Start(m_wish->board);
        return;
    }
    // One search per board: the presses on the board being searched wait for its result.
    // A search for a board the player has left stops, and its result starts the next.
    if (!m_searching->SameCells(m_wish->board))
        m_thread.request_stop();
}

void Hinter::Start(const Board& board)
{
    if (!m_toldPreparing && m_tablesToBuild && m_tablesToBuild()) {
        m_toldPreparing = true;
        m_preparing = true;
        emit preparing(true);
    }
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
    if (std::exchange(m_preparing, false))
        emit preparing(false);
    // A plan that the wished board still follows is never replaced.
    if (solution && !(m_wish && m_plan.Next(m_wish->board)))
        m_plan.Set(board, *solution);
    // Nothing found for the wished board (it cannot be solved, or the search failed): those
    // presses get no hint, and the next press searches again.
    if (m_wish && m_wish->board.SameCells(board) && !m_plan.Next(board))
        m_wish.reset();
    Serve();
}

}  // namespace tilora
