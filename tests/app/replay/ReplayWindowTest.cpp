// SPDX-License-Identifier: GPL-3.0-or-later
// The Replay window: opened from the Game menu and from Statistics, its keys and news, and
// the shortest way of a 4 x 4 game.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>

#include <random>
#include <thread>

#include "PuzzleFixture.h"
#include "app/prompts/RecordMessages.h"
#include "app/record/PlayerRecord.h"
#include "app/replay/ReplayDlg.h"
#include "app/window/RecordDialogs.h"
#include "solver/BoardSolver.h"
#include "solver/PatternDatabase.h"

namespace tilora::test {
namespace {

class ReplayWindowTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        recordFile = dir / "data" / "games";
        Open();
    }
    void Trigger(const char* name)
    {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_TRUE(action && action->isEnabled()) << name;
        action->trigger();
    }
    // The replay window the next dialog is, looked at by `check` while it is open.
    void OnReplay(std::function<void(CReplayDlg&)> check)
    {
        prompter.OnDialog([check = std::move(check)](QDialog& dialog) {
            auto* replay = dynamic_cast<CReplayDlg*>(&dialog);
            EXPECT_NE(replay, nullptr) << dialog.windowTitle().toStdString();
            if (replay)
                check(*replay);
            return static_cast<int>(QDialog::Rejected);
        });
    }
    // A key on the board, which has the keys, or on the slider, which does the same.
    static void Key(CReplayDlg& replay, Qt::Key key, bool slider = false)
    {
        QWidget* to = slider ? static_cast<QWidget*>(replay.findChild<QSlider*>(QStringLiteral("replaySlider"))) : &replay.View();
        QTest::keyClick(to, key);
    }
    static QString Count(CReplayDlg& replay)
    {
        return replay.findChild<QLabel*>(QStringLiteral("replayCount"))->text();
    }
};

// The last game, pasted two slides from solved and won, is replayed at the next start: the
// keys step and jump through it, each step told as in play, and it ends on the solved board.
TEST_F(ReplayWindowTest, ReplayLastGameStepsToTheSolvedBoardAndTellsEachStep)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("1 2 3 4/5 6 7 8/9 10 0 12/13 14 11 15"));
    Trigger("actionPasteDeal");
    prompter.Answer(QMessageBox::Ok);  // Victory
    prompter.OnDialog(PressOk());      // Best Scores
    window->MoveBlockAt(200, 280);     // 11 up
    window->MoveBlockAt(300, 300);     // 15 left
    ASSERT_FALSE(window->Playing());
    Open();

    OnReplay([](CReplayDlg& replay) {
        const Replay& moves = replay.Moves();
        EXPECT_EQ(std::tuple(moves.Count(), moves.Position(), Count(replay)), std::tuple(2, 0, QString("Move 0 of 2")));
        Key(replay, Qt::Key_Right);
        EXPECT_EQ(moves.Position(), 1);
        EXPECT_EQ(replay.View().Announcement(), "Block 11 moved up. Blank, row 4, column 3");
        Key(replay, Qt::Key_End);
        EXPECT_TRUE(replay.View().Announcement().startsWith("Block 15 moved left. The picture is complete"));
        Key(replay, Qt::Key_Home);
        EXPECT_EQ(replay.View().Announcement(), "Move 0 of 2");
        Key(replay, Qt::Key_End);
        EXPECT_EQ(std::tuple(moves.Position(), replay.View().Announcement(), Count(replay)),
                  std::tuple(2, QString("Move 2 of 2"), QString("Move 2 of 2")));
        EXPECT_TRUE(moves.Shown().GetBoard().IsSolved());
        // The board's own keys read the replay's moment.
        Key(replay, Qt::Key_T);
        EXPECT_EQ(replay.View().Announcement(), QString("Seconds elapsed: %1. Moves: 2").arg(moves.Seconds()));
        Key(replay, Qt::Key_Left, true);
        EXPECT_EQ(replay.View().Announcement(), "Block 15 moved right. Blank, row 4, column 3");
        Key(replay, Qt::Key_Home, true);
        EXPECT_EQ(replay.View().Announcement(), "Block 11 moved down. Blank, row 3, column 3");
        Key(replay, Qt::Key_Space, true);
        EXPECT_TRUE(moves.Playing());
        QTRY_COMPARE_WITH_TIMEOUT(moves.Position(), 2, 10000);
        EXPECT_TRUE(moves.Shown().GetBoard().IsSolved());
        // No 4 x 4 game without its shortest way.
        EXPECT_TRUE(replay.findChild<QPushButton*>(QStringLiteral("replayShortest"))->isVisibleTo(&replay));
    });
    Trigger("actionReplayLastGame");
    EXPECT_TRUE(prompter.Exhausted());
}

// Without a game, or for a game kept without its moves, the player is told why.
TEST_F(ReplayWindowTest, NoGameOrNoMovesIsSaid)
{
    prompter.Answer(QMessageBox::Ok);
    Trigger("actionReplayLastGame");
    prompter.Answer(QMessageBox::Ok);
    ReplayGame(KeptGame{}, window->Record(), *window->ClientArea(), prompter, window.get());
    ASSERT_EQ(prompter.Messages().size(), 2u);
    EXPECT_EQ(prompter.Messages()[0].text, messages::NoGameToReplay().text);
    EXPECT_EQ(prompter.Messages()[1].text, messages::GameNotReplayable().text);
}

// Statistics replays the game chosen in the chart's table: at first the latest, which the
// table keeps when it gets the keys; here games given up after two moves and after one.
TEST_F(ReplayWindowTest, StatisticsReplaysTheChartsGame)
{
    std::vector<Board> dealt;
    for (const int moves : {2, 1}) {
        prompter.Answer(QMessageBox::Yes);
        window->OnNew();
        dealt.push_back(window->GetBoard());
        for (int i = 0; i < moves; ++i) {
            const CellPos blank = *window->GetBoard().Blank();
            window->MoveBlockAt(80 * blank.column + 40, 80 * (blank.row > 0 ? blank.row - 1 : blank.row + 1) + 40);
        }
    }
    prompter.Answer(QMessageBox::Yes);
    window->OnNew();
    prompter.Clear();
    for (const int row : {-1, 0}) {
        SCOPED_TRACE(row);
        prompter.OnDialog([row](QDialog& statistics) {
            auto* table = statistics.findChild<QTableWidget*>(QStringLiteral("chartTable"));
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(table, &in);
            if (row >= 0)
                table->setCurrentCell(row, 0);
            return ClickButton(statistics, "replayButton");
        });
        const Board& start = dealt[row < 0 ? 1 : 0];
        OnReplay([&start, row](CReplayDlg& replay) {
            EXPECT_EQ(replay.Moves().Count(), row < 0 ? 1 : 2);
            EXPECT_TRUE(replay.Moves().Start().SameCells(start));
        });
        window->OnStatistics();
    }
}

// On 4 x 4 the shortest way from the game's start is as long as the record's shortest,
// ends on the solved board, and gives way to the game again; closing the window stops a
// search still running.
TEST_F(ReplayWindowTest, TheShortestWayIsTheRecordsShortest)
{
    static const solver::PatternDatabases tables;
    const auto shared = std::shared_ptr<const solver::PatternDatabases>(&tables, [](auto*) {});
    PlayerRecord record(dir / "games", [&] { return shared; }, [] { return std::int64_t{0}; });
    // The player solves a board 30 random slides from solved by taking them back.
    Board board;
    board.SetGridSize(4);
    board.FillSolved();
    std::mt19937 random(7);
    std::vector<CellPos> walk;
    while (walk.size() < 30) {
        const CellPos blank = *board.Blank();
        const CellPos next{blank.row + static_cast<int>(random() % 3) - 1, blank.column + static_cast<int>(random() % 3) - 1};
        if (!board.Contains(next) || !board.BlankNeighbour(next))
            continue;
        board.Slide(next, blank);
        walk.push_back(blank);
    }
    record.Begin(board, 1);
    for (auto cell = walk.rbegin(); cell != walk.rend(); ++cell) {
        const CellPos blank = *board.Blank();
        board.Slide(*cell, blank);
        record.Moved(*cell, blank, 0, false);
    }
    ASSERT_TRUE(board.IsSolved());
    record.Won(10, false);
    QTRY_VERIFY_WITH_TIMEOUT(record.Games().back().shortest != KeptGame::kUnknown, 20000);
    const KeptGame game = record.Whole(record.Games().back());

    CReplayDlg replay(*window->ClientArea(), *ReadRecordedGame(game), game, nullptr,
                      [](const Board& start, std::stop_token stop) { return solver::SolveBoard(start, tables, stop); });
    replay.OnShortestWay();
    QTRY_VERIFY_WITH_TIMEOUT(replay.ShowsShortestWay(), 20000);
    EXPECT_EQ(replay.ShortestLength(), game.shortest);
    EXPECT_EQ(replay.Moves().Count(), game.shortest);
    replay.Moves().Seek(replay.Moves().Count());
    EXPECT_TRUE(replay.Moves().Shown().GetBoard().IsSolved());
    EXPECT_EQ(replay.View().Announcement(), QString("Move %1 of %1").arg(game.shortest));
    replay.OnShortestWay();
    EXPECT_EQ(replay.Moves().Count(), 30);

    CReplayDlg waiting(*window->ClientArea(), *ReadRecordedGame(game), game, nullptr, [](const Board&, std::stop_token stop) {
        while (!stop.stop_requested())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return std::optional<std::vector<CellPos>>();
    });
    waiting.OnShortestWay();
}

}  // namespace
}  // namespace tilora::test
