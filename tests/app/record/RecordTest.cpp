// SPDX-License-Identifier: GPL-3.0-or-later
// The record of games without a window: its file, the shortest lengths, the statistics.
#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <ctime>
#include <fstream>
#include <functional>
#include <limits>
#include <unordered_set>

#include "app/record/GamesCsv.h"
#include "app/record/PlayerRecord.h"
#include "app/record/RecordFile.h"
#include "app/record/ShortestLength.h"
#include "app/record/Statistics.h"
#include "solver/PatternDatabase.h"
#include "support/TempDir.h"

namespace tilora::test {
namespace {

namespace fs = std::filesystem;

Board Rows(int n, const std::vector<int>& tiles)
{
    Board board;
    board.SetGridSize(n);
    for (int i = 0; i < n * n; ++i)
        board.SetCell(i / n, i % n, tiles[i]);
    return board;
}

Board Solved(int n)
{
    Board board;
    board.SetGridSize(n);
    board.FillSolved();
    return board;
}

void Write(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

const solver::PatternDatabases& Databases()
{
    static const solver::PatternDatabases databases;
    return databases;
}

struct Fixture {
    TempDir dir;
    fs::path file = dir / "tilora" / "games";
    PlayerRecord::Databases tables;
    std::int64_t now = 1'796'700'000;
    std::unique_ptr<PlayerRecord> record;

    Fixture() { Reopen(); }
    void Reopen()
    {
        record = std::make_unique<PlayerRecord>(file, [this] { return tables; }, [this] { return now++; });
    }
    // Lends the tables until the record has worked out the length it waits for.
    void WaitForLength();
    // A game begun on `start`, `moves` slides, ended as `won` says.
    void Play(const Board& start, int moves, int seconds, bool won, bool helped = false)
    {
        record->Begin(start, 10);
        for (int i = 0; i < moves; ++i)
            record->Moved();
        won ? record->Won(seconds, helped) : record->Abandon(seconds, helped);
    }
};

void Fixture::WaitForLength()
{
    tables = std::shared_ptr<const solver::PatternDatabases>(&Databases(), [](auto*) {});
    bool found = false;
    const QMetaObject::Connection connection =
        QObject::connect(record.get(), &PlayerRecord::lengthFound, [&] { found = true; });
    record->LookForTables();
    QElapsedTimer clock;
    clock.start();
    while (!found && clock.elapsed() < 20'000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QObject::disconnect(connection);
    tables = nullptr;
}

// Each game is kept as it ended, read back after a restart and exported in order; a game
// ends once, a lower bound stands where the length is not exact, and a reset forgets all.
TEST(RecordTest, GamesAreKeptAcrossARestartAndExported)
{
    Fixture f;
    f.Play(Rows(5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 24}), 3, 40,
           true);
    f.Play(Solved(8), 7, 12, false, true);
    f.record->Abandon(99, false);  // no game runs: nothing is kept
    f.Play(Solved(4), 2, 5, false);
    f.Reopen();
    const std::vector<KeptGame> expected{
        {1'796'700'000, 5, 10, 40, 3, 1, true, false, true},
        {1'796'700'001, 8, 10, 12, 7, 0, false, true, false},
        {1'796'700'002, 4, 10, 5, 2, KeptGame::kUnknown, false, false, false, 0xFEDCBA9876543210},
    };
    EXPECT_EQ(f.record->Games(), expected);
    EXPECT_EQ(GamesCsv(f.record->Games()), "finished,size,level,seconds,moves,shortest,helped,result,start,moves\n"
                                           "2026-12-08T03:20:00Z,5,10,40,3,>=1,0,won,,\n"
                                           "2026-12-08T03:20:01Z,8,10,12,7,0,1,abandoned,,\n"
                                           "2026-12-08T03:20:02Z,4,10,5,2,,0,abandoned,,\n");
    EXPECT_EQ(f.record->Problem().kind, RecordProblem::Kind::None);
    // A reset forgets them, in the file too.
    EXPECT_TRUE(f.record->Reset());
    f.Reopen();
    EXPECT_TRUE(f.record->Games().empty());
}

// The exact length of 4 x 4 boards of known optimum, and a lower bound that never exceeds it.
TEST(RecordTest, ShortestLengthOfBoardsOfKnownOptimum)
{
    const std::pair<std::vector<int>, int> cases[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15}, 1},
        {{1, 2, 3, 4, 5, 6, 7, 16, 9, 10, 11, 8, 13, 14, 15, 12}, 2},
        {{2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, KeptGame::kUnknown},  // cannot be solved
        {{2, 3, 8, 11, 1, 6, 15, 16, 5, 9, 4, 12, 13, 10, 7, 14}, 24},
        {{6, 1, 16, 4, 5, 8, 12, 2, 9, 7, 3, 11, 13, 10, 14, 15}, 28},
        {{1, 11, 2, 8, 6, 13, 4, 16, 5, 14, 9, 7, 10, 15, 12, 3}, 34},
    };
    for (const auto& [tiles, optimum] : cases) {
        const Board board = Rows(4, tiles);
        EXPECT_EQ(ShortestLength(board, Databases()).value_or(KeptGame::kUnknown), optimum);
        if (optimum != KeptGame::kUnknown) {
            EXPECT_LE(LowerBound(board).value_or(999), optimum);
        }
    }
    // Two blocks swapped in their home row must pass each other: 2 + 2 moves at least.
    EXPECT_EQ(LowerBound(Rows(4, {1, 2, 4, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 14, 16})), 8);
}

// Without the tables the length waits; when they come to hand it is filled in, in the
// file too, for a game that has ended meanwhile, and after a restart for a game of an
// earlier session, whose start the file keeps until then.
TEST(RecordTest, LengthIsFilledInWhenTheTablesComeToHand)
{
    Fixture f;
    f.Play(Rows(4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15}), 4, 9, true);
    ASSERT_EQ(f.record->LastWon()->shortest, KeptGame::kUnknown);
    f.WaitForLength();
    EXPECT_EQ(f.record->LastWon()->shortest, 1);
    f.Play(Rows(4, {1, 2, 3, 4, 5, 6, 7, 16, 9, 10, 11, 8, 13, 14, 15, 12}), 4, 9, false);
    EXPECT_NE(record_file::Read(f.file).games.at(1).start, 0u);
    f.Reopen();
    f.record->Games();  // the record is read on its first need
    f.WaitForLength();
    const std::vector<KeptGame> kept = record_file::Read(f.file).games;
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(std::tuple(kept[0].shortest, kept[1].shortest, kept[1].start), std::tuple(1, 2, std::uint64_t{0}));
}

// A file that is no record is set aside whole under another name and a new record begun;
// a line cut short by a crash is no damage, only no game, and neither is a whole line
// that is no game; a newer version's file is read as far as it is understood and never
// written; a folder that cannot be written keeps the games for the session and says why.
TEST(RecordTest, FilesThatCannotServeAreNeverLost)
{
    const std::string game = "1796700000,4,10,95,61,47,w,,,\n";
    enum class After { Kept, Added, SetAside };
    struct Case {
        std::string text;
        RecordProblem::Kind problem;
        std::size_t gamesRead;
        After after;
    };
    const Case cases[] = {
        {"not a record\n", RecordProblem::Kind::SetAside, 0, After::SetAside},
        {"tilora-games 2\n" + game + "17967,4,x\n", RecordProblem::Kind::None, 1, After::Added},
        {"tilora-games 2\n" + game + "1796700100,4,1", RecordProblem::Kind::None, 1, After::Added},
        {"tilora-games 3\n" + game + "a line of a later kind\n", RecordProblem::Kind::Newer, 1, After::Kept},
    };
    for (const Case& c : cases) {
        Fixture f;
        fs::create_directories(f.file.parent_path());
        Write(f.file, c.text);
        EXPECT_EQ(f.record->Games().size(), c.gamesRead) << c.text;
        f.Play(Solved(5), 1, 3, true);
        EXPECT_EQ(f.record->Problem().kind, c.problem) << c.text;
        switch (c.after) {
        case After::Kept:
            EXPECT_EQ(ReadText(f.file), c.text);
            break;
        case After::SetAside:
            EXPECT_EQ(ReadText(f.record->Problem().file), c.text);
            EXPECT_EQ(record_file::Read(f.file).games.size(), 1u) << c.text;
            break;
        case After::Added:
            // A torn last line goes; every whole line stays.
            EXPECT_TRUE(ReadText(f.file).starts_with(c.text.substr(0, c.text.rfind('\n') + 1))) << c.text;
            EXPECT_EQ(record_file::Read(f.file).games.size(), c.gamesRead + 1) << c.text;
            break;
        }
    }
    Fixture f;
    Write(f.dir / "tilora", "a file where the folder should be");
    f.Play(Solved(5), 1, 3, true);
    EXPECT_EQ(f.record->Problem().kind, RecordProblem::Kind::CannotWrite);
    EXPECT_FALSE(f.record->Problem().reason.empty());
    EXPECT_EQ(f.record->Games().size(), 1u);
}

// Every time a saved game can carry (its seconds field holds -9999 to 99999, and the clock
// runs on from there) is kept and read back as a game: one such line never makes the
// record damaged at the next start.
TEST(RecordTest, EveryTimeASavedGameCanCarryIsKept)
{
    Fixture f;
    const int times[] = {-9999, -1, 0, 99999, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    for (const int seconds : times)
        f.Play(Solved(8), 2, seconds, true);
    f.Reopen();
    ASSERT_EQ(f.record->Games().size(), std::size(times));
    for (std::size_t i = 0; i < std::size(times); ++i)
        EXPECT_EQ(f.record->Games()[i].seconds, times[i]);
    EXPECT_EQ(f.record->Problem().kind, RecordProblem::Kind::None);
    EXPECT_EQ(f.record->UnreadLines(), 0);
}

// A whole line that is no game is left out of the games, named once, and kept byte for
// byte in its place when the file is rewritten for a length filled in later and when the
// games are reset.
TEST(RecordTest, UnreadLinesAreKeptInTheirPlaces)
{
    Fixture f;
    const std::string a = "1796700000,4,10,9,4,,w,efdcba9876543210,,\n";  // one move from solved, length waiting
    const std::string b = "1796700001,5,10,40,3,>=1,w,,,\n";
    const std::string odd[] = {"a line of a later kind,\xff\r\n", "\n",
                               "1796700002,4,10,5\n"
                               "1796700003,4,10,5,2,3,w,0123456789abcdef,,,a field of a later kind\n"};
    fs::create_directories(f.file.parent_path());
    Write(f.file, "tilora-games 2\n" + odd[0] + a + odd[1] + b + odd[2]);
    int named = 0;
    QObject::connect(f.record.get(), &PlayerRecord::unreadLinesFound, [&] { ++named; });
    ASSERT_EQ(f.record->Games().size(), 2u);
    f.Play(Solved(8), 1, 2, false);
    EXPECT_EQ(std::tuple(f.record->UnreadLines(), named), std::tuple(4, 1));
    EXPECT_EQ(f.record->Problem().kind, RecordProblem::Kind::None);

    f.WaitForLength();
    const std::string c = "1796700000,8,10,2,1,0,a,,,\n";
    EXPECT_EQ(ReadText(f.file), "tilora-games 2\n" + odd[0] + "1796700000,4,10,9,4,1,w,,,\n" + odd[1] + b + odd[2] + c);
    EXPECT_EQ(f.record->Games().front().shortest, 1);

    EXPECT_TRUE(f.record->Reset());
    EXPECT_EQ(ReadText(f.file), "tilora-games 2\n" + odd[0] + odd[1] + odd[2]);
    f.Reopen();
    EXPECT_TRUE(f.record->Games().empty());
}

// A record in a FIFO's, a folder's or a huge file's place is neither waited on nor read:
// the player is told once, the games of the session are counted, and the file stays as
// it was.
TEST(RecordTest, RecordsThatCannotBeReadAreLeftAsTheyAre)
{
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
    };
    const Case cases[] = {
        {"a FIFO", [](const fs::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); }},
        {"a folder", [](const fs::path& file) { fs::create_directory(file); }},
        {"a sparse file of 64 GB",
         [](const fs::path& file) {
             Write(file, "tilora-games 1\n");
             fs::resize_file(file, 64ULL << 30);
         }},
    };
    for (const Case& c : cases) {
        Fixture f;
        fs::create_directories(f.file.parent_path());
        c.make(f.file);
        const auto before = fs::status(f.file).type();
        const auto size = before == fs::file_type::regular ? fs::file_size(f.file) : 0;
        int told = 0;
        QObject::connect(f.record.get(), &PlayerRecord::problemFound, [&] { ++told; });
        f.Play(Solved(4), 1, 3, true);
        f.Play(Solved(5), 1, 3, false);
        EXPECT_EQ(f.record->Games().size(), 2u) << c.what;
        EXPECT_EQ(f.record->Problem().kind, RecordProblem::Kind::Unreadable) << c.what;
        EXPECT_FALSE(f.record->Problem().reason.empty()) << c.what;
        EXPECT_EQ(told, 1) << c.what;
        EXPECT_FALSE(f.record->Reset()) << c.what;
        EXPECT_EQ(fs::status(f.file).type(), before) << c.what;
        if (before == fs::file_type::regular) {
            EXPECT_EQ(fs::file_size(f.file), size) << c.what;
        }
    }
}

// A second damaged record goes beside the first one set aside, never over it.
TEST(RecordTest, EachDamagedRecordIsSetAsideBesideTheOthers)
{
    Fixture f;
    fs::create_directories(f.file.parent_path());
    const std::string damaged[] = {"not a record\n", "not a record either\n", "nor this\n"};
    std::vector<fs::path> asides;
    for (const std::string& text : damaged) {
        Write(f.file, text);
        f.Reopen();
        f.Play(Solved(4), 1, 3, true);
        ASSERT_EQ(f.record->Problem().kind, RecordProblem::Kind::SetAside) << text;
        asides.push_back(f.record->Problem().file);
    }
    for (std::size_t i = 0; i < asides.size(); ++i)
        EXPECT_EQ(ReadText(asides[i]), damaged[i]) << asides[i];
    EXPECT_EQ(asides[0].filename(), "games.damaged");
}

// Averages of 5 and 12 leave out the best and the worst time; an abandoned game is the
// worst, and two in a run spoil it.
TEST(StatisticsTest, AveragesLeaveOutTheBestAndTheWorst)
{
    using Times = std::vector<std::optional<int>>;
    const std::optional<int> gaveUp;
    EXPECT_EQ(BestTrimmedAverage(Times{10, 50, 20, 30, 40}, 5), 30.0);
    EXPECT_EQ(BestTrimmedAverage(Times{10, gaveUp, 20, 30, 40}, 5), 30.0);
    EXPECT_EQ(BestTrimmedAverage(Times{10, gaveUp, 20, gaveUp, 40}, 5), std::nullopt);
    EXPECT_EQ(BestTrimmedAverage(Times{90, 10, 20, 30, 40, 50}, 5), 30.0);
    EXPECT_EQ(BestTrimmedAverage(Times{20, 30, 40, 50}, 5), std::nullopt);
    EXPECT_EQ(BestTrimmedAverage(Times{1, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 99}, 12), 5.0);
    // Of several runs the best is kept, wherever it lies.
    EXPECT_EQ(BestTrimmedAverage(Times{70, 60, 50, 40, 30, 20, 10}, 5), 30.0);
    EXPECT_EQ(BestTrimmedAverage(Times{10, 20, 30, 40, 50, 60, 70}, 5), 30.0);
    EXPECT_EQ(BestTrimmedAverage(Times{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140}, 12), 65.0);
}

// Every game counts as played, and as won when it was; a helped game is also counted
// apart, sets none of the player's own figures, and neither breaks nor extends a streak;
// the best streak outlives the current one; a game whose shortest length is unknown has
// no efficiency.
TEST(StatisticsTest, StreaksAndFiguresOfEachSize)
{
    const auto game = [](int size, int seconds, int moves, bool won, bool helped = false, int shortest = 20) {
        return KeptGame{0, size, 10, seconds, moves, shortest, false, helped, won};
    };
    const auto sizes = ComputeStatistics({game(4, 30, 40, true), game(4, 20, 25, true), game(4, 9, 9, false),
                                          game(4, 50, 80, true), game(4, 1, 20, true, true), game(4, 40, 50, true),
                                          game(4, 2, 2, false, true), game(5, 10, 20, true), game(5, 12, 40, true),
                                          game(5, 11, 30, true, false, KeptGame::kUnknown), game(5, 9, 9, false),
                                          game(5, 14, 20, true)});
    ASSERT_EQ(sizes.size(), 2u);
    const SizeStatistics& s = sizes[0];
    EXPECT_EQ(std::tuple(s.played, s.won, s.helpedPlayed, s.helpedWon), std::tuple(7, 5, 2, 1));
    EXPECT_EQ(std::tuple(s.currentStreak, s.bestStreak), std::tuple(2, 2));
    EXPECT_EQ(s.bestSeconds, 20);
    EXPECT_EQ(s.meanSeconds, 35.0);
    EXPECT_EQ(s.fewestMoves, 25);
    EXPECT_DOUBLE_EQ(*s.meanEfficiency, (20.0 / 40 + 20.0 / 25 + 20.0 / 80 + 20.0 / 50) / 4);
    EXPECT_EQ(s.bestMovesPerSecond, 25.0 / 20);
    EXPECT_EQ(s.bestAverageOf5, 40.0);  // 30 20 (gave up) 50 40: 20 and the abandoned left out
    const SizeStatistics& five = sizes[1];
    EXPECT_EQ(five.size, 5);
    EXPECT_EQ(std::tuple(five.played, five.won, five.helpedPlayed), std::tuple(5, 4, 0));
    EXPECT_EQ(std::tuple(five.currentStreak, five.bestStreak), std::tuple(1, 3));
    EXPECT_DOUBLE_EQ(*five.meanEfficiency, (20.0 / 20 + 20.0 / 40 + 20.0 / 20) / 3);
}

// The export's times are UTC whatever the player's time zone.
TEST(GamesCsvTest, TimesAreUniversalInEveryZone)
{
    const QByteArray zone = qgetenv("TZ");
    for (const char* tz : {"UTC0", "EST5EDT", "JST-9"}) {
        qputenv("TZ", tz);
        tzset();
        EXPECT_EQ(IsoUtc(1'796'700'000), "2026-12-08T03:20:00Z") << tz;
    }
    zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
    tzset();
}

// The lower bound never claims more moves than a board needs, checked against the true
// distance of every 4 x 4 board within 14 moves of solved, counted breadth-first over the
// board's own slides: a bound that overcounts the blocks that must leave a line shows up
// only this far out.
TEST(RecordTest, LowerBoundNeverExceedsTheTrueDistance)
{
    constexpr int kDepth = 14;
    std::unordered_set<std::uint64_t> seen{PackStart(Solved(4))};
    std::vector<Board> layer{Solved(4)};
    int checked = 0;
    for (int distance = 1; distance <= kDepth; ++distance) {
        std::vector<Board> next;
        for (const Board& board : layer) {
            const CellPos blank = *board.Blank();
            for (const auto& [dr, dc] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                const CellPos from{blank.row + dr, blank.column + dc};
                if (!board.Contains(from))
                    continue;
                Board moved = board;
                moved.Slide(from, blank);
                if (!seen.insert(PackStart(moved)).second)
                    continue;
                const int bound = LowerBound(moved).value_or(-1);
                ASSERT_GE(bound, 0);
                ASSERT_LE(bound, distance) << "a board " << distance << " moves from solved";
                ++checked;
                next.push_back(moved);
            }
        }
        layer = std::move(next);
    }
    EXPECT_GT(checked, 50'000);
}

}  // namespace
}  // namespace tilora::test

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
