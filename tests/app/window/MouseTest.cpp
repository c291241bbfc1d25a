// SPDX-License-Identifier: GPL-3.0-or-later
#include "PuzzleFixture.h"

namespace tilora::test {
namespace {

class MouseTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        PuzzleFixture::SetUp();
        window->OnNew();
    }
    int At(int row, int column) const { return window->GetBoard().Cell(row, column); }
    // Blank at row 2, column 3 of a 4 x 4 board; tile 12 below it.
    void SetBlankAbove12() { SetRows({{2, 1, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 16}, {13, 14, 15, 12}}); }
};

TEST_F(MouseTest, DoubleClickMovesExactlyOneBlock)
{
    SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 16, 11}, {13, 14, 15, 12}});
    DoubleClick({290, 200});  // tile 11, right of the blank
    EXPECT_EQ(At(2, 2), 11);
    EXPECT_EQ(At(2, 3), 16);
    // The last release lay over the new blank and handed it the press point, which is
    // the blank itself: nothing more moved.
    EXPECT_EQ(At(3, 3), 12);
}

TEST_F(MouseTest, DoubleClickAtTheBoardsFarCornerActsOnTheLastCell)
{
    SetBlankAbove12();
    DoubleClick({320, 320});
    EXPECT_EQ(At(2, 3), 12);
    EXPECT_EQ(At(3, 3), 16);
}

TEST_F(MouseTest, DoubleClickBeyondTheBoardDoesNothing)
{
    SetBlankAbove12();
    DoubleClick({321, 300});
    DoubleClick({300, 321});
    EXPECT_EQ(At(2, 3), 16);
}

TEST_F(MouseTest, InputDividesByTheBlockSizeNotThePitch)
{
    // Column 2 is drawn up to x = 242, but x = 240..242 act on column 3.
    SetRows({{2, 1, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 16, 15}});
    DoubleClick({241, 250});  // tile 15 in column 3 moves left
    EXPECT_EQ(At(3, 2), 15);
    EXPECT_EQ(At(3, 3), 16);
}

TEST_F(MouseTest, BlankAndDiagonalBlocksDoNotMove)
{
    SetBlankAbove12();
    DoubleClick({290, 200});  // the blank itself
    DoubleClick({200, 290});  // tile 15, diagonal to the blank
    EXPECT_EQ(At(2, 3), 16);
    EXPECT_EQ(At(3, 2), 15);
}

TEST_F(MouseTest, DragOntoTheBlankMovesTheBlock)
{
    SetRows({{2, 1, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 16, 15}});
    Drag({120, 250}, {200, 260});  // tile 14 onto the blank right of it
    EXPECT_EQ(At(3, 2), 14);
    EXPECT_EQ(At(3, 1), 16);
}

TEST_F(MouseTest, DropOnePixelBesideTheBlankMovesNothing)
{
    SetRows({{2, 1, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 16, 15}});
    Drag({120, 250}, {159, 250});  // released in the block's own cell, left of the blank
    Drag({120, 250}, {240, 250});  // released in the next cell, right of the blank
    EXPECT_EQ(At(3, 2), 16);
    EXPECT_EQ(At(3, 1), 14);
}

TEST_F(MouseTest, DropOutsideTheWindowNeverCountsAsTheBlank)
{
    // A blank in column 0: a release at x = -5 would truncate into that column.
    SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {16, 13, 14, 15}});
    Drag({100, 250}, {-5, 250});
    EXPECT_EQ(At(3, 0), 16);
}

TEST_F(MouseTest, ReleaseWithoutAPressMovesNothing)
{
    Open();  // a new window: no press has happened in it
    window->OnNew();
    SetBlankAbove12();
    QTest::mouseRelease(window->ClientArea(), Qt::LeftButton, {}, QPoint(290, 200));
    EXPECT_EQ(At(2, 3), 16);
}

TEST_F(MouseTest, PausedOrFinishedGamesIgnoreMoves)
{
    SetBlankAbove12();
    window->OnPauseRestart();
    DoubleClick({290, 290});
    EXPECT_EQ(At(2, 3), 16);
    window->OnPauseRestart();
    DoubleClick({290, 290});
    EXPECT_EQ(At(2, 3), 12);
}

TEST_F(MouseTest, SolvingMoveRunsTheVictoryOnce)
{
    window->OnTimer();
    SetOneMoveFromSolved();
    prompter.Answer(QMessageBox::Ok);
    prompter.OnDialog(PressEscape());  // High Score!: one second beats the default best
    prompter.OnDialog(PressOk());      // Best Scores
    DoubleClick({300, 300});
    ASSERT_EQ(prompter.Messages().size(), 1u);
    const Message& victory = prompter.Messages()[0];
    EXPECT_EQ(victory.text, "Well Done!!\n\nPuzzle Complete!");
    EXPECT_EQ(victory.caption, "Victory");
    EXPECT_EQ(victory.buttons, QMessageBox::Ok);
    EXPECT_EQ(victory.icon, QMessageBox::Warning);
    EXPECT_TRUE(window->GetBoard().IsSolved());
    EXPECT_FALSE(window->Playing());
    EXPECT_TRUE(window->ShowFinished());
    EXPECT_FALSE(window->TimerRunning());
    EXPECT_EQ(window->Seconds(), 1);

    DoubleClick({300, 220});  // no game any more: nothing moves, no second victory
    EXPECT_TRUE(window->GetBoard().IsSolved());
    EXPECT_EQ(prompter.Messages().size(), 1u);
}

TEST_F(MouseTest, RightButtonDoesNothing)
{
    SetBlankAbove12();
    QTest::mouseDClick(window->ClientArea(), Qt::RightButton, {}, QPoint(290, 290));
    EXPECT_EQ(At(2, 3), 16);
}

}  // namespace
}  // namespace tilora::test
