// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "board/Board.h"

namespace tilora {

namespace solver {
class PatternDatabases;
}

// Finds hint solutions off the interface thread, so that the window never waits for a
// search. The pattern databases are built once, on the first call to Prepare or Request,
// never before: a player who asks for no hint pays neither their time nor their memory.
class HintSearch final : public QObject {
public:
    // Called on the interface thread with the board searched and its solution (nothing for
    // a board that cannot be solved).
    using Finished = std::function<void(const Board&, const std::optional<std::vector<CellPos>>&)>;

    HintSearch(Finished finished, QObject* parent);
    ~HintSearch() override;

    // Starts building the databases in the background, unless already started.
    void Prepare();
    // Searches a solution of `board`. While a search runs, the latest request waits for it
    // to end and runs next.
    void Request(const Board& board);
    bool Searching() const { return m_searching; }

private:
    using Databases = std::shared_ptr<const solver::PatternDatabases>;
    void Start(const Board& board);
    void OnDone(const Board& board, const std::optional<std::vector<CellPos>>& moves);

    Finished m_finished;
    std::stop_source m_buildStop;
    std::shared_future<Databases> m_databases;
    std::optional<Board> m_pending;
    bool m_searching = false;
    std::jthread m_thread;
};

}  // namespace tilora
