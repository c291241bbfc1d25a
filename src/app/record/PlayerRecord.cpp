// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/record/PlayerRecord.h"

#include <algorithm>

#include "app/record/GameTrace.h"
#include "app/record/RecordFile.h"
#include "app/record/ShortestLength.h"

namespace tilora {
namespace {

// How often the record looks whether the hint's tables came to hand, while a length waits.
constexpr int kLookAgainMs = 2000;

}  // namespace

PlayerRecord::PlayerRecord(std::filesystem::path file, TablesAtHand tables, Clock now, QObject* parent)
    : QObject(parent),
      m_file(std::move(file)),
      // The fingerprints of the boards dealt here live beside the record.
      m_dealt(m_file.empty() ? std::filesystem::path() : m_file.parent_path() / "dealt"),
      m_tables(std::move(tables)), m_now(std::move(now))
{
    m_lookAgain.setInterval(kLookAgainMs);
    connect(&m_lookAgain, &QTimer::timeout, this, &PlayerRecord::LookForTables);
}

PlayerRecord::~PlayerRecord()
{
    m_worker.request_stop();
    if (m_worker.joinable())
        m_worker.join();
}

void PlayerRecord::Begin(const Board& start, int level)
{
    Load();
    m_open = Open{m_nextId++, start.GridSize(), level};
    m_open->board = game_trace::FormatBoard(start);
    m_moves = 0;
    if (start.GridSize() == 4) {
        m_open->start = PackStart(start);
        m_pending.push_back({m_open->id, start});
        LookForTables();
    } else if (const auto bound = LowerBound(start)) {
        m_open->shortest = *bound;
        // A board that is solved already needs no move: that bound is exact.
        m_open->atLeast = *bound > 0;
    }
    emit movesChanged(m_moves);
}

void PlayerRecord::Moved(CellPos from, CellPos to, int second, bool hint)
{
    if (!m_open)
        return;
    game_trace::AppendMove(m_open->moves, m_open->lastSecond, {from, to, second, hint});
    ++m_moves;
    emit movesChanged(m_moves);
}

void PlayerRecord::Moved()
{
    if (!m_open)
        return;
    m_open->traced = false;
    ++m_moves;
    emit movesChanged(m_moves);
}

bool PlayerRecord::MarkPasted(const Board& start)
{
    if (!m_open || m_dealt.Dealt(start))
        return false;
    m_open->pasted = true;
    return true;
}

void PlayerRecord::Won(int seconds, bool helped)
{
    End(seconds, helped, true);
}

void PlayerRecord::Interrupted()
{
    m_open.reset();
}

void PlayerRecord::Abandon(int seconds, bool helped)
{
    End(seconds, helped, false);
}

void PlayerRecord::End(int seconds, bool helped, bool won)
{
    if (!m_open)
        return;
    Load();
    const Open open = *m_open;
    m_open.reset();
    KeptGame game{m_now(), open.size, open.level, seconds, m_moves, open.shortest, open.atLeast, helped, won};
    game.pasted = open.pasted;
    if (open.traced && !open.board.empty()) {
        game.board = open.board;
        game.played = open.moves;
    }
    const bool waiting = m_solving == open.id ||
                         std::any_of(m_pending.begin(), m_pending.end(), [&](const Pending& p) { return p.id == open.id; });
    if (waiting) {
        // Kept with its start, so that a later session can still work the length out.
        game.start = open.start;
        m_awaiting.emplace_back(open.id, game);
    }
    if (won)
        m_lastWon = game;
    Keep(game);
}

void PlayerRecord::Load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    if (m_file.empty())
        return;
    record_file::Contents contents = record_file::Read(m_file);
    switch (contents.state) {
    case record_file::State::Missing:
        break;
    case record_file::State::Fine:
        m_games = std::move(contents.games);
        m_unreadLines = static_cast<int>(contents.unread.size());
        if (m_unreadLines > 0)
            emit unreadLinesFound();
        TakeUpWaitingGames();
        break;
    case record_file::State::Damaged:
        if (const auto aside = record_file::SetAside(m_file); !aside.empty()) {
            Report({RecordProblem::Kind::SetAside, aside, {}});
        } else {
            m_writable = false;
            Report({RecordProblem::Kind::CannotSetAside, m_file, {}});
        }
        break;
    case record_file::State::Newer:
        // Its games are counted, but a file this version does not fully understand is
        // never written.
        m_games = std::move(contents.games);
        m_writable = false;
        Report({RecordProblem::Kind::Newer, m_file, {}});
        break;
    case record_file::State::Unreadable:
        m_writable = false;
        Report({RecordProblem::Kind::Unreadable, m_file, contents.error});
        break;
    }
}

void PlayerRecord::TakeUpWaitingGames()
{
    for (const KeptGame& game : m_games)
        if (game.start != 0 && game.shortest == KeptGame::kUnknown) {
            m_pending.push_back({m_nextId, UnpackStart(game.start)});
            m_awaiting.emplace_back(m_nextId++, game);
        }
    LookForTables();
}

KeptGame PlayerRecord::Whole(KeptGame game) const
{
    std::vector<KeptGame> one{std::move(game)};
    if (!m_file.empty())
        record_file::ReadPlayed(m_file, one);
    return std::move(one.front());
}

const std::vector<KeptGame>& PlayerRecord::Games()
{
    Load();
    return m_games;
}

void PlayerRecord::Keep(const KeptGame& game)
{
    m_games.push_back(game);
    if (m_file.empty() || !m_writable)
        return;
    if (const std::string why = record_file::Append(m_file, game); !why.empty())
        Report({RecordProblem::Kind::CannotWrite, m_file, why});
}

bool PlayerRecord::Reset()
{
    Load();
    if (m_problem.kind == RecordProblem::Kind::Newer)
        return false;
    if (!m_file.empty()) {
        if (const std::string why = record_file::Rewrite(m_file, [](std::vector<KeptGame>& games) { games.clear(); });
            !why.empty()) {
            Report({RecordProblem::Kind::CannotWrite, m_file, why});
            return false;
        }
        // No game names a move any longer: the moves go with them.
        std::error_code ignored;
        std::filesystem::remove(record_file::MovesPath(m_file), ignored);
    }
    m_writable = true;
    m_games.clear();
    m_awaiting.clear();
    std::erase_if(m_pending, [this](const Pending& p) { return !m_open || p.id != m_open->id; });
    m_lastWon.reset();
    return true;
}

void PlayerRecord::Report(RecordProblem problem)
{
    // A folder that stays unwritable is told once, not after every game.
    const bool again = problem.kind == m_problem.kind && problem.reason == m_problem.reason;
    m_problem = std::move(problem);
    if (!again)
        emit problemFound();
}

void PlayerRecord::LookForTables()
{
    if (m_solving || m_pending.empty()) {
        m_lookAgain.stop();
        return;
    }
    Databases tables = m_tables ? m_tables() : nullptr;
    if (!tables) {
        if (!m_lookAgain.isActive())
            m_lookAgain.start();
        return;
    }
    m_lookAgain.stop();
    Pending next = std::move(m_pending.front());
    m_pending.pop_front();
    m_solving = next.id;
    if (m_worker.joinable())
        m_worker.join();
    m_worker = std::jthread([this, tables = std::move(tables), next = std::move(next)](std::stop_token stop) {
        const std::optional<int> length = ShortestLength(next.start, *tables, stop);
        if (!stop.stop_requested())
            QMetaObject::invokeMethod(this, [this, id = next.id, length] { OnLength(id, length); }, Qt::QueuedConnection);
    });
}

void PlayerRecord::OnLength(std::uint64_t id, std::optional<int> length)
{
    m_solving.reset();
    if (length) {
        if (m_open && m_open->id == id) {
            m_open->shortest = *length;
            m_open->atLeast = false;
        }
        const auto awaited = std::find_if(m_awaiting.begin(), m_awaiting.end(), [id](const auto& a) { return a.first == id; });
        if (awaited != m_awaiting.end()) {
            const KeptGame game = awaited->second;
            m_awaiting.erase(awaited);
            FillIn(game, *length);
        }
        emit lengthFound();
    }
    LookForTables();
}

// The game was kept before its length was known: the length goes into the game here and
// in the file, which is rewritten whole in one step (a rare event: the tables were not
// at hand when the game ended).
void PlayerRecord::FillIn(const KeptGame& game, int length)
{
    const auto fill = [&](std::vector<KeptGame>& games) {
        const auto found = std::find(games.rbegin(), games.rend(), game);
        if (found != games.rend()) {
            found->shortest = length;
            found->start = 0;
        }
    };
    fill(m_games);
    if (m_lastWon == game) {
        m_lastWon->shortest = length;
        m_lastWon->start = 0;
    }
    if (m_file.empty() || !m_writable)
        return;
    if (const std::string why = record_file::Rewrite(m_file, fill); !why.empty())
        Report({RecordProblem::Kind::CannotWrite, m_file, why});
}

}  // namespace tilora
