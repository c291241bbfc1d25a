// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QElapsedTimer>

#include "PuzzleFixture.h"
#include "app/prompts/Messages.h"
#include "common/CrtNumbers.h"

namespace tilora::test {
namespace {

using GameControlTest = PuzzleFixture;

TEST_F(GameControlTest, OpensIdleWithTheStoredLevel)
{
    EXPECT_FALSE(window->Playing());
    EXPECT_FALSE(window->Paused());
    EXPECT_FALSE(window->CustomPicture());
    EXPECT_FALSE(window->ShowFinished());
    EXPECT_EQ(window->Seconds(), 0);
    EXPECT_EQ(window->Picture(), 1);
    EXPECT_EQ(window->GetBoard().GridSize(), 4);
    EXPECT_EQ(window->Level(), 10);  // no score file yet
    EXPECT_EQ(window->DealtLevel(), 10);
    EXPECT_FALSE(window->TimerRunning());
    EXPECT_EQ(ShownCount(), "0");
    EXPECT_EQ(window->windowTitle(), "Tilora");

    // The start-up read converts the text as atoi does, unchecked.
    ASSERT_TRUE(Scores().WriteString("Level", "number", " 250abc"));
    Open();
    EXPECT_EQ(window->Level(), 250);
    ASSERT_TRUE(Scores().WriteString("Level", "number", "none"));
    Open();
    EXPECT_EQ(window->Level(), 0);
}

TEST_F(GameControlTest, NewWithoutAGameDealsAtOnceAndTheTimerCountsUnderTheEventLoop)
{
    QElapsedTimer clock;
    window->OnNew();
    clock.start();
    EXPECT_TRUE(window->Playing());
    EXPECT_EQ(window->Seconds(), 0);
    EXPECT_TRUE(prompter.Messages().empty());
    // The real one-second timer, not a direct call of its handler: about one second.
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->Seconds() >= 1; }, 3000));
    EXPECT_GE(clock.elapsed(), 900);  // once a second, not faster
    EXPECT_EQ(window->Seconds(), 1);
    EXPECT_EQ(ShownCount(), "1");
}

TEST_F(GameControlTest, NewDuringAGameAsksFirst)
{
    window->OnNew();
    window->OnTimer();
    const std::vector<int> before{window->GetBoard().Cell(0, 0), window->GetBoard().Cell(3, 3)};

    prompter.Answer(QMessageBox::No);
    window->OnNew();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    const Message& asked = prompter.Messages()[0];
    EXPECT_EQ(asked.text, "Are you sure you want to start a new game?");
    EXPECT_EQ(asked.caption, "New Game: Confirm");
    EXPECT_EQ(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(asked.icon, QMessageBox::Question);
    EXPECT_EQ(window->Seconds(), 1);
    EXPECT_TRUE(window->TimerRunning());

    prompter.Answer(QMessageBox::Yes);
    now += 5;  // another seed
    window->OnNew();
    EXPECT_TRUE(window->Playing());
    EXPECT_EQ(window->Seconds(), 0);
    EXPECT_TRUE(window->TimerRunning());
}

TEST_F(GameControlTest, DealRecordsTheLevelAndUsesTheClockAsSeed)
{
    // The boards that seeds 1700000000 and 1700000001 deal at level 3, worked out once
    // from the deal's rules by a separate model (see the board tests).
    const auto tiles = [this] {
        std::vector<int> cells;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                cells.push_back(window->GetBoard().Cell(r, c));
        return cells;
    };
    ASSERT_TRUE(Scores().WriteString("Level", "number", "3"));
    Open();
    window->OnNew();
    EXPECT_EQ(window->DealtLevel(), 3);
    EXPECT_EQ(tiles(), (std::vector<int>{1, 2, 8, 3, 5, 10, 6, 16, 9, 7, 11, 4, 13, 14, 15, 12}));

    // Every deal seeds again from the clock and starts from the solved board.
    now += 1;
    prompter.Answer(QMessageBox::Yes);
    window->OnNew();
    EXPECT_EQ(tiles(), (std::vector<int>{1, 3, 7, 4, 5, 2, 11, 10, 9, 6, 16, 15, 13, 14, 12, 8}));
}

TEST_F(GameControlTest, LevelOfZeroDealsASolvedBoardAndStillStarts)
{
    ASSERT_TRUE(Scores().WriteString("Level", "number", "0"));
    Open();
    window->OnNew();
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->GetBoard().IsSolved());
    EXPECT_TRUE(window->TimerRunning());
}

TEST_F(GameControlTest, PauseRestartTogglesOnlyDuringAGame)
{
    window->OnPauseRestart();  // no game: nothing happens
    EXPECT_FALSE(window->Paused());
    EXPECT_TRUE(window->Menu().pauseRestart->isEnabled());

    window->OnNew();
    window->OnPauseRestart();
    EXPECT_TRUE(window->Paused());
    EXPECT_FALSE(window->TimerRunning());
    window->OnPauseRestart();
    EXPECT_FALSE(window->Paused());
    EXPECT_TRUE(window->TimerRunning());
}

TEST_F(GameControlTest, NewWhilePausedStaysPausedWithTheCountAtZero)
{
    window->OnNew();
    window->OnTimer();
    window->OnPauseRestart();
    prompter.Answer(QMessageBox::Yes);
    window->OnNew();
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->Paused());
    EXPECT_FALSE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 0);
    window->OnPauseRestart();
    EXPECT_TRUE(window->TimerRunning());
}

TEST_F(GameControlTest, ExitWithoutAGameClosesWithoutAQuestion)
{
    window->show();
    window->OnExit();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(GameControlTest, ExitDuringAGameAsksAndNoKeepsTheGame)
{
    window->show();
    window->OnNew();
    window->OnTimer();
    prompter.Answer(QMessageBox::No);
    window->OnExit();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text, "Are you sure you want to quit the game?");
    EXPECT_EQ(prompter.Messages()[0].caption, "Exit Game: Confirm");
    EXPECT_EQ(prompter.Messages()[0].icon, QMessageBox::Question);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 1);

    prompter.Answer(QMessageBox::Yes);
    window->OnExit();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(GameControlTest, NoOfBlocksAnsweredNoChangesNothing)
{
    window->OnNew();
    window->OnTimer();
    prompter.Answer(QMessageBox::No);
    window->OnNoOfBlocks();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text,
              "By doing this, you will have to start a new game.\n\n     Are you sure you want to start a new game?");
    EXPECT_EQ(prompter.Messages()[0].caption, "Tilora : Confirm");
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 1);
    EXPECT_TRUE(prompter.DialogTitles().isEmpty());
}

TEST_F(GameControlTest, NoOfBlocksAnsweredYesEndsTheGameAndSetsTheSize)
{
    window->OnNew();
    window->OnPauseRestart();
    window->OnTimer();
    prompter.Answer(QMessageBox::Yes);
    prompter.OnDialog([](QDialog& dialog) {
        dialog.findChild<QAbstractButton*>(QStringLiteral("blocks3"))->click();
        return ClickButton(dialog, "okButton");
    });
    window->OnNoOfBlocks();
    EXPECT_EQ(prompter.DialogTitles(), QStringList{"Tilora : No. of Blocks"});
    EXPECT_FALSE(window->Playing());
    EXPECT_FALSE(window->Paused());
    EXPECT_FALSE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 0);
    EXPECT_EQ(window->GetBoard().GridSize(), 10);
    EXPECT_EQ(ShownCount(), "1");  // the field is not refreshed

    window->OnNew();  // the next game has the new size
    EXPECT_EQ(window->GetBoard().GridSize(), 10);
}

TEST_F(GameControlTest, CancelInNoOfBlocksSelectsFourByFourAndStopsTheTimer)
{
    prompter.OnDialog([](QDialog& dialog) {
        dialog.findChild<QAbstractButton*>(QStringLiteral("blocks2"))->click();
        return ClickButton(dialog, "okButton");
    });
    window->OnNoOfBlocks();
    EXPECT_EQ(window->GetBoard().GridSize(), 8);

    prompter.OnDialog(PressEscape());
    window->OnNoOfBlocks();
    EXPECT_EQ(window->GetBoard().GridSize(), 4);
    EXPECT_FALSE(window->TimerRunning());
}

TEST_F(GameControlTest, PictureChoiceDuringAGameKeepsTheArrangement)
{
    window->OnNew();
    const Board before = window->GetBoard();
    window->OnChoosePicture(4);
    EXPECT_TRUE(window->Playing());
    EXPECT_TRUE(window->TimerRunning());
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(window->GetBoard().Cell(r, c), before.Cell(r, c));
}

}  // namespace
}  // namespace tilora::test
