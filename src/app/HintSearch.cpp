// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HintSearch.h"

#include <QMetaObject>

#include "solver/BoardSolver.h"
#include "solver/PatternDatabase.h"

namespace tilora {

HintSearch::HintSearch(Finished finished, QObject* parent) : QObject(parent), m_finished(std::move(finished)) {}

HintSearch::~HintSearch()
{
    // The build and the search stop at their next look at the request, so that closing
    // the window never waits for them.
    m_buildStop.request_stop();
    m_thread.request_stop();
    if (m_thread.joinable())
        m_thread.join();
}

void HintSearch::Prepare()
{
    if (m_databases.valid())
        return;
    m_databases = std::async(std::launch::async, [stop = m_buildStop.get_token()] {
                      return std::make_shared<const solver::PatternDatabases>(stop);
                  }).share();
}

void HintSearch::Request(const Board& board)
{
    if (m_searching) {
        m_pending = board;
        return;
    }
    Start(board);
}

void HintSearch::Start(const Board& board)
{
    Prepare();
    m_searching = true;
    // The previous search has posted its result and ended, so this join does not wait.
    m_thread = std::jthread([this, board, databases = m_databases](std::stop_token stop) {
        const Databases ready = databases.get();
        if (stop.stop_requested() || !ready->Complete())
            return;
        auto moves = solver::SolveBoard(board, *ready, stop);
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            this, [this, board, moves = std::move(moves)] { OnDone(board, moves); }, Qt::QueuedConnection);
    });
}

void HintSearch::OnDone(const Board& board, const std::optional<std::vector<CellPos>>& moves)
{
    m_searching = false;
    m_finished(board, moves);
    if (m_pending) {
        const Board next = *m_pending;
        m_pending.reset();
        Start(next);
    }
}

}  // namespace tilora
