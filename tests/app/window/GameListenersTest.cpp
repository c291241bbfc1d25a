// SPDX-License-Identifier: GPL-3.0-or-later
// Those who follow the game hear every transition: the reading keys say what is on show,
// the record hears how each game ended, a size change leaves nothing of the old size, and
// only an open, unsolved game is kept for the next start, with its helped mark.
#include <QAccessible>

#include "PuzzleFixture.h"
#include "app/hint/Hinter.h"
#include "app/record/PlayerRecord.h"
#include "savegame/KeptGame.h"
#include "savegame/SavedGameFile.h"
#include "support/AccessibilityOn.h"

namespace tilora::test {
namespace {

class GameListenersTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        recordFile = dir / "games";
        PuzzleFixture::SetUp();
        window->show();
        QApplication::setActiveWindow(window.get());
        window->ClientArea()->setFocus();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->ClientArea(), key, modifiers);
    }
    QString Told() const { return window->ClientArea()->Announcement(); }
    QAccessibleTableInterface* Table() const
    {
        return QAccessible::queryAccessibleInterface(window->ClientArea())->child(0)->tableInterface();
    }
    // The victory's message, no best-time name, the best times.
    void AnswerVictory(bool newBest)
    {
        prompter.Answer(QMessageBox::Ok);
        if (newBest)
            prompter.OnDialog(PressEscape());
        prompter.OnDialog(PressOk());
    }
    void WinOneMoveFromSolved(bool newBest)
    {
        SetOneMoveFromSolved();
        AnswerVictory(newBest);
        window->MoveBlockAt(300, 300);
    }
    void SetBlocks(int choice)
    {
        prompter.OnDialog([choice](QDialog& dialog) {
            dialog.findChild<QAbstractButton*>(QStringLiteral("blocks%1").arg(choice))->click();
            return ClickButton(dialog, "okButton");
        });
        window->OnNoOfBlocks();
    }
    void UseOneMoveHint()
    {
        window->Hints().SetSearch([](const Board&, std::stop_token) { return Hinter::Solution{{{3, 3}}}; });
    }
};

// Each reading key, in a state the last round's tests never tried, says what is on show.
TEST_F(GameListenersTest, TheReadingKeysSayWhatIsOnShow)
{
    window->OnNew();
    SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 16, 11}, {13, 14, 15, 12}});
    Key(Qt::Key_Home);
    EXPECT_EQ(Told(), "Blank, row 3, column 3") << "Home on the blank says the blank";

    WinOneMoveFromSolved(true);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    Key(Qt::Key_Space);
    EXPECT_EQ(Told(), "The game is over") << "Space after the win";
}

// The record hears how each game ended, from every path that ends one.
TEST_F(GameListenersTest, TheRecordHearsHowEachGameEnded)
{
    const std::filesystem::path saved = dir / "saved.tlr";
    Board board;
    board.FillSolved();
    board.Slide({3, 2}, {3, 3});
    ASSERT_TRUE(WriteSavedGame(saved, board, 7));

    window->OnNew();
    prompter.Answer(QMessageBox::Yes);
    prompter.ChooseFileAnswer(QString::fromStdString(saved.string()));
    window->OnOpenGame();
    ASSERT_EQ(window->Record().Games().size(), 1u) << "a game left by Open Game";
    EXPECT_FALSE(window->Record().Games()[0].won);

    UseOneMoveHint();
    AnswerVictory(false);  // a helped game enters no best
    window->OnHint();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->Playing(); }, 5000));
    ASSERT_EQ(window->Record().Games().size(), 2u);
    EXPECT_TRUE(window->Record().Games()[1].won);
    EXPECT_TRUE(window->Record().Games()[1].helped) << "a win made by a hint";
}

// 8 x 8, the reading cursor five rows down, then 4 x 4: the cursor, the view and the
// accessible table take the new size together, with a screen reader's bridge on.
TEST_F(GameListenersTest, ANewSizeLeavesNothingOfTheOldOne)
{
    ASSERT_TRUE(ActivateAccessibility());
    SetBlocks(2);
    window->OnNew();
    for (int i = 0; i < 7; ++i)
        Key(Qt::Key_Up, Qt::ShiftModifier);
    for (int i = 0; i < 5; ++i)
        Key(Qt::Key_Down, Qt::ShiftModifier);
    ASSERT_EQ(window->ClientArea()->Cursor()->row, 5);
    prompter.Answer(QMessageBox::Yes);
    SetBlocks(0);
    window->ClientArea()->clearFocus();
    window->ClientArea()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->ClientArea()->Cursor());
    EXPECT_EQ(Table()->rowCount(), 4);
    EXPECT_EQ(Table()->cellAt(0, 0)->text(QAccessible::Name), "No game");

    // After a win the finished board goes too: what a reader says is what a repaint shows.
    window->OnNew();
    WinOneMoveFromSolved(true);
    ASSERT_TRUE(window->ShowFinished());
    SetBlocks(1);
    EXPECT_FALSE(window->ShowFinished());
    EXPECT_EQ(window->GetBoard().GridSize(), 5);
    EXPECT_EQ(Table()->cellAt(0, 4)->text(QAccessible::Name), "No game");
    EXPECT_EQ(window->GetBoard().Cell(0, 4), 5) << "the cells are laid out at the new size";
}

// A signal while "Well Done!!" is open keeps nothing; a helped game is kept helped and
// comes back helped, so that its time enters no best.
TEST_F(GameListenersTest, OnlyAnOpenUnsolvedGameIsKeptWithItsHelpedMark)
{
    const std::filesystem::path kept = dir / "interrupted.tlr";
    window->OnNew();
    prompter.OnAsk([&](const Message& message) {
        if (message.caption == "Victory")
            window->KeepGameForNextStart(kept);
    });
    WinOneMoveFromSolved(true);
    EXPECT_FALSE(std::filesystem::exists(kept)) << "a solved game kept";
    EXPECT_EQ(window->Record().Games().size(), 1u) << "the win is recorded all the same";
    prompter.OnAsk(nullptr);

    window->OnNew();
    SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 16, 15}});
    window->GetBoard().Slide({2, 2}, {3, 2});  // two moves from solved
    window->Hints().SetSearch([](const Board&, std::stop_token) { return Hinter::Solution{{{3, 2}, {3, 3}}}; });
    window->OnHint();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->Helped(); }, 5000));
    window->KeepGameForNextStart(kept);
    ASSERT_TRUE(std::filesystem::exists(kept));
    EXPECT_TRUE(ReadKeptGame(kept).helped);
    EXPECT_EQ(ReadSavedGame(kept).status, ReadStatus::Loaded) << "the kept game stays a saved game";

    Open();
    prompter.Answer(QMessageBox::Yes);
    window->OfferKeptGame(kept);
    ASSERT_TRUE(window->Playing());
    EXPECT_TRUE(window->Helped());
    AnswerVictory(false);  // no High Score! for a helped game
    window->MoveBlockAt(300, 300);
    EXPECT_FALSE(window->Playing());
}

}  // namespace
}  // namespace tilora::test
