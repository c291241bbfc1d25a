// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/record/DealtBoards.h"
#include "app/record/KeptGame.h"
#include "board/Board.h"

namespace tilora {

namespace solver {
class PatternDatabases;
}

// What went wrong with the record file, for the window to tell the player.
struct RecordProblem {
    enum class Kind {
        None,
        SetAside,        // damaged: moved to `file`, a new record begun
        CannotSetAside,  // damaged and could not be moved: games are kept for this session only
        Newer,           // from a newer version: read, never written
        Unreadable,
        CannotWrite,
    };
    Kind kind = Kind::None;
    std::filesystem::path file;
    std::string reason;  // the system's words
};

// The player's record: the game in progress (its start, moves and shortest length) and
// every finished game, kept in the record file. The window tells it when a game begins,
// each move and how the game ends; it works out the shortest length in the background,
// with the hint's tables only when they are at hand, and fills a length in later when
// they come to hand after the game. A file that cannot be read or written never stops
// the game: the games stay here for the session and `problemFound` says why.
class PlayerRecord final : public QObject {
    Q_OBJECT
public:
    using Databases = std::shared_ptr<const solver::PatternDatabases>;
    // The hint's tables if they are built or loaded already; never builds them.
    using TablesAtHand = std::function<Databases()>;
    using Clock = std::function<std::int64_t()>;

    // An empty `file` keeps the games of the session only.
    PlayerRecord(std::filesystem::path file, TablesAtHand tables, Clock now, QObject* parent = nullptr);
    // Stops a search in progress and waits for it, which its stop checks keep short.
    ~PlayerRecord() override;

    // A game begins on `start` (dealt or opened).
    void Begin(const Board& start, int level);
    // A move whose cells are not told: counted, and the game is kept without its start and
    // moves.
    void Moved();
    // A move of the game in progress: the block on `from` went into the blank on `to` at
    // the clock's `second`; `hint` when the hint made it. The game is kept whole.
    void Moved(CellPos from, CellPos to, int second, bool hint);
    // The board was just dealt by this program: a later paste of it is the player's own.
    void NoteDealt(const Board& board) { m_dealt.Note(board); }
    // The game in progress began on a pasted deal: unless this program dealt that board on
    // this machine, the game is marked as pasted and sets no best. True when marked.
    bool MarkPasted(const Board& start);
    // The game in progress ends; Abandon does nothing when no game runs.
    void Won(int seconds, bool helped);
    void Abandon(int seconds, bool helped);
    // The game in progress is kept to go on at a later start: it ends here neither won
    // nor abandoned.
    void Interrupted();

    bool GameOpen() const { return m_open.has_value(); }
    // The moves of the game in progress, or of the last one.
    int Moves() const { return m_moves; }
    // Every kept game, oldest first; the file is read on the first need.
    const std::vector<KeptGame>& Games();
    // `game` with its moves, read from the record's file of moves when they are not at hand.
    KeptGame Whole(KeptGame game) const;
    // The game won last in this session.
    const std::optional<KeptGame>& LastWon() const { return m_lastWon; }
    const RecordProblem& Problem() const { return m_problem; }
    const std::filesystem::path& File() const { return m_file; }
    // The lines of the record file that are no game, found when it was read: kept in the
    // file as they are and left out of every figure.
    int UnreadLines() const { return m_unreadLines; }
    // Forgets every kept game, in the file too. False when the file could not be written.
    bool Reset();
    // Starts the next length still to work out when the tables are at hand.
    void LookForTables();

signals:
    void problemFound();
    // The record file holds lines that are no game (UnreadLines); said once, when the
    // file is read.
    void unreadLinesFound();
    void movesChanged(int moves);
    // A shortest length was worked out.
    void lengthFound();

private:
    struct Open {
        std::uint64_t id = 0;
        int size = 4;
        int level = 0;
        int shortest = KeptGame::kUnknown;
        bool atLeast = false;
        std::uint64_t start = 0;
        bool pasted = false;
        // The game so far, in the record's text; `traced` while every move was told.
        std::string board{};
        std::string moves{};
        int lastSecond = 0;
        bool traced = true;
    };
    struct Pending {
        std::uint64_t id = 0;
        Board start;
    };
    void End(int seconds, bool helped, bool won);
    void Load();
    // The lengths that earlier sessions could not work out are worked out now.
    void TakeUpWaitingGames();
    void Keep(const KeptGame& game);
    void Report(RecordProblem problem);
    void OnLength(std::uint64_t id, std::optional<int> length);
    void FillIn(const KeptGame& game, int length);

    std::filesystem::path m_file;
    DealtBoards m_dealt;
    TablesAtHand m_tables;
    Clock m_now;
    bool m_loaded = false;
    bool m_writable = true;
    std::vector<KeptGame> m_games;
    std::optional<Open> m_open;
    int m_moves = 0;
    std::uint64_t m_nextId = 1;
    std::optional<KeptGame> m_lastWon;
    RecordProblem m_problem;
    int m_unreadLines = 0;
    // The starts whose length is still to work out, and the finished games waiting for it.
    std::deque<Pending> m_pending;
    std::vector<std::pair<std::uint64_t, KeptGame>> m_awaiting;
    std::optional<std::uint64_t> m_solving;
    QTimer m_lookAgain;
    std::jthread m_worker;
};

}  // namespace tilora
