// SPDX-License-Identifier: GPL-3.0-or-later
// Copy Deal and Paste Deal: a deal shared as text through the system clipboard.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "PuzzleFixture.h"
#include "app/prompts/DealMessages.h"
#include "app/prompts/Messages.h"
#include "app/record/GameTrace.h"
#include "app/record/GamesCsv.h"
#include "app/record/PlayerRecord.h"
#include "app/record/RecordFile.h"

namespace tilora::test {
namespace {

class DealClipboardTest : public PuzzleFixture {
protected:
    void Trigger(const char* name)
    {
        auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }
    // Slides the block above the blank, or below it on the top row.
    void SlideNextToBlank()
    {
        const Board& board = window->GetBoard();
        const CellPos blank = *board.Blank();
        const int row = blank.row > 0 ? blank.row - 1 : blank.row + 1;
        const int side = board.BlockSize();
        window->MoveBlockAt(blank.column * side + side / 2, row * side + side / 2);
    }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
    static void SetClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
};

// A deal copied in one session is the board of a new game pasted in the next.
TEST_F(DealClipboardTest, CopyThenPasteGivesTheSameBoardInAFreshStart)
{
    // The button chosen in Number of Blocks, and the size it gives.
    const struct { int choice; int size; } cases[] = {{0, 4}, {1, 5}, {2, 8}, {3, 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        Open();
        prompter.OnDialog([choice = c.choice](QDialog& dialog) {
            dialog.findChild<QAbstractButton*>(QStringLiteral("blocks%1").arg(choice))->click();
            return ClickButton(dialog, "okButton");
        });
        window->OnNoOfBlocks();
        window->OnNew();
        const Board dealt = window->GetBoard();
        // A few moves later the deal is still the board the game began on.
        for (int i = 0; i < 3; ++i)
            SlideNextToBlank();
        ASSERT_FALSE(window->GetBoard().SameCells(dealt));
        Trigger("actionCopyDeal");
        EXPECT_TRUE(Clipboard().contains(QLatin1Char('/'))) << Clipboard().toStdString();

        Open();
        prompter.Clear();
        Trigger("actionPasteDeal");
        EXPECT_TRUE(prompter.Log().isEmpty());
        EXPECT_TRUE(window->Playing());
        EXPECT_EQ(window->Seconds(), 0);
        EXPECT_EQ(window->GetBoard().GridSize(), c.size);
        EXPECT_TRUE(window->GetBoard().SameCells(dealt));
        EXPECT_TRUE(window->GetGame().StartBoard().SameCells(dealt));
    }
}

// Each text that is no deal is refused with the message that says why, and the game on
// show goes on as it was: no question, no new board, the clock as it ran.
TEST_F(DealClipboardTest, ARefusedTextSaysWhyAndChangesNothing)
{
    const struct {
        const char* text;
        Message message;
    } cases[] = {
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 15", messages::DealWrongCount()},
        {"1 2 3 4/5 6 7 8/9 10 11 12/13 14 14 0", messages::DealWrongNumbers()},
        {"2 1 3 4/5 6 7 8/9 10 11 12/13 14 15 0", messages::DealUnsolvable()},
        {"3x3:1,2,3,4,5,6,7,8,0", messages::DealWrongSize()},
        {"Dear diary, today I solved it.", messages::DealNotABoard()},
    };
    window->OnNew();
    const Board before = window->GetBoard();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        prompter.Clear();
        SetClipboard(QString::fromUtf8(c.text));
        prompter.Answer(QMessageBox::Ok);
        Trigger("actionPasteDeal");
        ASSERT_EQ(prompter.Messages().size(), 1U);
        EXPECT_EQ(prompter.Messages()[0].text, c.message.text);
        EXPECT_EQ(prompter.Messages()[0].caption, c.message.caption);
        EXPECT_EQ(prompter.Messages()[0].icon, QMessageBox::Warning);
        EXPECT_TRUE(window->Playing());
        EXPECT_TRUE(window->TimerRunning());
        EXPECT_TRUE(window->GetBoard().SameCells(before));
        EXPECT_TRUE(window->GetGame().StartBoard().SameCells(before));
    }
    // The five refusals are five different messages.
    QStringList texts;
    for (const auto& c : cases)
        texts << c.message.text;
    texts.removeDuplicates();
    EXPECT_EQ(texts.size(), 5);
}

// A game in progress is replaced only after New's question: No keeps it, Yes deals the text.
TEST_F(DealClipboardTest, PastingOverAGameAsksNewsQuestion)
{
    window->OnNew();
    const Board running = window->GetBoard();
    SetClipboard(QStringLiteral("4x4:1,2,3,4,5,6,7,8,9,10,11,12,13,14,0,15"));

    prompter.Answer(QMessageBox::No);
    Trigger("actionPasteDeal");
    EXPECT_EQ(prompter.Log(), QStringList{QStringLiteral("message: ") + messages::ConfirmNewGame().caption});
    EXPECT_TRUE(window->GetBoard().SameCells(running));

    prompter.Answer(QMessageBox::Yes);
    Trigger("actionPasteDeal");
    EXPECT_EQ(window->GetBoard().Cell(3, 2), 16);
    EXPECT_EQ(window->GetBoard().Cell(3, 3), 15);
    EXPECT_TRUE(window->Playing());
}

// Before any game, Copy Deal gives the board on show: the solved board of the size in force.
TEST_F(DealClipboardTest, BeforeAnyGameTheBoardOnShowIsCopied)
{
    Trigger("actionCopyDeal");
    EXPECT_EQ(Clipboard(), QStringLiteral("1 2 3 4/5 6 7 8/9 10 11 12/13 14 15 0"));
}

// A pasted deal and the best times: one from elsewhere is marked in the record and enters
// none; one this program dealt on this machine is the player's own, even after a restart.
class PastedDealRecordTest : public DealClipboardTest {
protected:
    void SetUp() override
    {
        recordFile = dir / "data" / "games";
        Open();
    }
    // One slide from solved.
    static QString NearlySolved() { return QStringLiteral("1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15"); }
    void WinPastedGame()
    {
        window->MoveBlockAt(300, 300);
        ASSERT_FALSE(window->Playing());
    }
};

// Won from a paste, a deal from elsewhere is marked and enters no best; one this program
// dealt on this machine enters the best times as any other.
TEST_F(PastedDealRecordTest, AWonPasteEntersTheBestTimesOnlyWhenDealtHere)
{
    const struct { const char* what; bool dealtHere; QStringList log; } cases[] = {
        {"from elsewhere", false, {"message: Victory", "dialog: Tilora:  Best Scores"}},
        {"dealt here", true, {"message: Victory", "dialog: Tilora : High Score!", "dialog: Tilora:  Best Scores"}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.what);
        if (c.dealtHere) {
            Board board;  // the board NearlySolved() gives
            board.FillSolved();
            board.Slide({3, 2}, {3, 3});
            window->Record().NoteDealt(board);
        }
        Open();
        prompter.Clear();
        SetClipboard(NearlySolved());
        Trigger("actionPasteDeal");
        prompter.Answer(QMessageBox::Ok);  // Victory
        if (c.dealtHere)
            prompter.OnDialog(PressEscape());  // High Score!
        prompter.OnDialog(PressOk());          // Best Scores
        WinPastedGame();
        EXPECT_EQ(prompter.Log(), c.log);
        Open();
        ASSERT_EQ(window->Record().Games().size(), i + 1);
        EXPECT_EQ(window->Record().Games().back().pasted, !c.dealtHere);
        EXPECT_TRUE(window->Record().Games().back().won);
    }
}

// New notes its deal: pasted back in the next session, the game is no pasted one.
TEST_F(PastedDealRecordTest, ADealDealtHereIsThePlayersOwnAfterARestart)
{
    window->OnNew();
    Trigger("actionCopyDeal");
    Open();
    Trigger("actionPasteDeal");
    prompter.Answer(QMessageBox::Yes);
    window->OnNew();  // the pasted game ends abandoned
    Open();
    // The dealt game, the pasted one, and the one New dealt after it.
    ASSERT_EQ(window->Record().Games().size(), 3u);
    EXPECT_FALSE(window->Record().Games()[1].pasted);
}

// Every game is kept whole: after two games the export shows both with their start and
// moves, and the moves played from the start end on the solved board.
TEST_F(PastedDealRecordTest, TwoGamesAreKeptWholeAndReplayToTheSolvedBoard)
{
    const QString deals[] = {NearlySolved(), QStringLiteral("1 2 3 4/5 6 7 8/9 10 0 12/13 14 11 15")};
    for (const QString& deal : deals) {
        SetClipboard(deal);
        Trigger("actionPasteDeal");
        prompter.Answer(QMessageBox::Ok);  // Victory
        prompter.OnDialog(PressOk());      // Best Scores
        if (deal != NearlySolved())
            window->MoveBlockAt(200, 280);  // 11 up
        window->MoveBlockAt(300, 300);      // 15 left
        ASSERT_FALSE(window->Playing()) << deal.toStdString();
    }
    Open();
    std::vector<KeptGame> games = window->Record().Games();
    record_file::ReadPlayed(recordFile, games);
    ASSERT_EQ(games.size(), 2u);
    const std::string csv = GamesCsv(games);
    EXPECT_NE(csv.find(",won,1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15,L\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",won,1 2 3 4/5 6 7 8/9 10 0 12/13 14 11 15,UL\n"), std::string::npos) << csv;
    for (const KeptGame& game : games) {
        auto board = game_trace::ParseBoard(game.size, game.board);
        ASSERT_TRUE(board);
        const auto moves = game_trace::ParseMoves(*board, game.played);
        ASSERT_TRUE(moves);
        EXPECT_EQ(static_cast<int>(moves->size()), game.moves);
        for (const auto& move : *moves)
            board->Slide(move.from, move.to);
        EXPECT_TRUE(board->IsSolved()) << game.played;
    }
}

}  // namespace
}  // namespace tilora::test
