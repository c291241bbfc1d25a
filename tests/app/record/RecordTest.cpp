// SPDX-License-Identifier: GPL-3.0-or-later
// The record of games without a window: its file, the shortest lengths, the statistics.
#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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

std::string Text(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Write(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
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
    // A game begun on `start`, `moves` slides, ended as `won` says.
    void Play(const Board& start, int moves, int seconds, bool won, bool helped = false)
    {
        record->Begin(start, 10);
        for (int i = 0; i < moves; ++i)
            record->Moved();
        won ? record->Won(seconds, helped) : record->Abandon(seconds, helped);
    }
};

const solver::PatternDatabases& Databases()
{
    static const solver::PatternDatabases databases;
    return databases;
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
    EXPECT_EQ(GamesCsv(f.record->Games()), "finished,size,level,seconds,moves,shortest,helped,result\n"
                                           "2026-12-08T03:20:00Z,5,10,40,3,>=1,0,won\n"
                                           "2026-12-08T03:20:01Z,8,10,12,7,0,1,abandoned\n"
                                           "2026-12-08T03:20:02Z,4,10,5,2,,0,abandoned\n");
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
    const auto waitForLength = [&f] {
        f.tables = std::shared_ptr<const solver::PatternDatabases>(&Databases(), [](auto*) {});
        bool found = false;
        QObject::connect(f.record.get(), &PlayerRecord::lengthFound, [&] { found = true; });
        f.record->LookForTables();
        QElapsedTimer clock;
        clock.start();
        while (!found && clock.elapsed() < 20'000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        f.tables = nullptr;
    };
    f.Play(Rows(4, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15}), 4, 9, true);
    ASSERT_EQ(f.record->LastWon()->shortest, KeptGame::kUnknown);
    waitForLength();
    EXPECT_EQ(f.record->LastWon()->shortest, 1);
    f.Play(Rows(4, {1, 2, 3, 4, 5, 6, 7, 16, 9, 10, 11, 8, 13, 14, 15, 12}), 4, 9, false);
    EXPECT_NE(record_file::Read(f.file).games.at(1).start, 0u);
    f.Reopen();
    f.record->Games();  // the record is read on its first need
    waitForLength();
    const std::vector<KeptGame> kept = record_file::Read(f.file).games;
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(std::tuple(kept[0].shortest, kept[1].shortest, kept[1].start), std::tuple(1, 2, std::uint64_t{0}));
}

// A damaged file is set aside whole under another name and a new record begun; a line
// cut short by a crash is no damage, only no game; a newer version's file is read as far
// as it is understood and never written; a folder that cannot be written keeps the games
// for the session and says why.
TEST(RecordTest, FilesThatCannotServeAreNeverLost)
{
    const std::string game = "1796700000,4,10,95,61,47,w\n";
    struct Case {
        std::string text;
        RecordProblem::Kind problem;
        std::size_t gamesRead;
        bool fileKept;  // the file is left exactly as it was
    };
    const Case cases[] = {
        {"not a record\n", RecordProblem::Kind::SetAside, 0, false},
        {"tilora-games 1\n" + game + "17967,4,x\n", RecordProblem::Kind::SetAside, 0, false},
        {"tilora-games 1\n" + game + "1796700100,4,1", RecordProblem::Kind::None, 1, false},
        {"tilora-games 2\n" + game + "a line of a later kind\n", RecordProblem::Kind::Newer, 1, true},
    };
    for (const Case& c : cases) {
        Fixture f;
        fs::create_directories(f.file.parent_path());
        Write(f.file, c.text);
        EXPECT_EQ(f.record->Games().size(), c.gamesRead) << c.text;
        f.Play(Solved(5), 1, 3, true);
        EXPECT_EQ(f.record->Problem().kind, c.problem) << c.text;
        if (c.problem == RecordProblem::Kind::SetAside) {
            EXPECT_EQ(Text(f.record->Problem().file), c.text);
        }
        EXPECT_EQ(Text(f.file) == c.text, c.fileKept) << c.text;
        if (!c.fileKept) {
            EXPECT_EQ(record_file::Read(f.file).games.size(), c.gamesRead + 1) << c.text;
        }
    }
    Fixture f;
    Write(f.dir / "tilora", "a file where the folder should be");
    f.Play(Solved(5), 1, 3, true);
    EXPECT_EQ(f.record->Problem().kind, RecordProblem::Kind::CannotWrite);
    EXPECT_FALSE(f.record->Problem().reason.empty());
    EXPECT_EQ(f.record->Games().size(), 1u);
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
}

// A streak is broken by an abandoned game; a helped game is counted apart and neither
// breaks nor extends it; the figures come from the unhelped games.
TEST(StatisticsTest, StreaksAndFiguresOfEachSize)
{
    const auto game = [](int size, int seconds, int moves, bool won, bool helped = false) {
        return KeptGame{0, size, 10, seconds, moves, 20, false, helped, won};
    };
    const auto sizes = ComputeStatistics({game(4, 30, 40, true), game(4, 20, 25, true), game(4, 9, 9, false),
                                          game(4, 50, 80, true), game(4, 1, 20, true, true), game(4, 40, 50, true),
                                          game(5, 10, 20, true)});
    ASSERT_EQ(sizes.size(), 2u);
    const SizeStatistics& s = sizes[0];
    EXPECT_EQ(std::tuple(s.played, s.won, s.helpedPlayed, s.helpedWon), std::tuple(5, 4, 1, 1));
    EXPECT_EQ(std::tuple(s.currentStreak, s.bestStreak), std::tuple(2, 2));
    EXPECT_EQ(s.bestSeconds, 20);
    EXPECT_EQ(s.meanSeconds, 35.0);
    EXPECT_EQ(s.fewestMoves, 25);
    EXPECT_DOUBLE_EQ(*s.meanEfficiency, (20.0 / 40 + 20.0 / 25 + 20.0 / 80 + 20.0 / 50) / 4);
    EXPECT_EQ(s.bestMovesPerSecond, 25.0 / 20);
    EXPECT_EQ(s.bestAverageOf5, 40.0);  // 30 20 (gave up) 50 40: 20 and the abandoned left out
    EXPECT_EQ(sizes[1].size, 5);
}

}  // namespace
}  // namespace tilora::test

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
