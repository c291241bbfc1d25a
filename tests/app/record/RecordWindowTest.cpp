// SPDX-License-Identifier: GPL-3.0-or-later
// The window tells the record how each game goes, and shows what it keeps.
#include <QAction>
#include <QLabel>
#include <QTableWidget>

#include <fstream>

#include "PuzzleFixture.h"
#include "app/dialogs/StatisticsDlg.h"
#include "app/record/PlayerRecord.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace tilora::test {
namespace {

class RecordWindowTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        recordFile = dir / "data" / "games";
        Open();
    }
    // Wins the running game with one move; the victory's dialogs are answered.
    void WinWithOneMove()
    {
        prompter.Answer(QMessageBox::Ok);
        prompter.OnDialog(PressEscape());  // High Score!
        prompter.OnDialog(PressOk());      // Best Scores
        SetOneMoveFromSolved();
        DoubleClick({300, 300});
    }
    // A slide of a block beside the blank.
    void MoveAnyBlock()
    {
        const CellPos blank = *window->GetBoard().Blank();
        window->MoveBlockAt(80 * blank.column + 40, 80 * (blank.row > 0 ? blank.row - 1 : blank.row + 1) + 40);
    }
};

// A won game is kept after the victory's dialogs, which stay as they were; a game quit by
// New is kept as abandoned, with undo and redo counted as moves, and so is a game running
// when the window goes; all are in the file. A game kept for the next start is none of them.
TEST_F(RecordWindowTest, WonAndAbandonedGamesAreKept)
{
    window->OnNew();
    WinWithOneMove();
    EXPECT_EQ(prompter.Log(), QStringList({"message: Victory", "dialog: Tilora : High Score!", "dialog: Tilora:  Best Scores"}));
    window->OnNew();
    MoveAnyBlock();
    window->OnUndo();
    window->OnRedo();
    prompter.Answer(QMessageBox::Yes);
    window->OnNew();
    Open();
    const auto& games = window->Record().Games();
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(std::tuple(games[0].won, games[0].moves, games[0].size, games[0].finished),
              std::tuple(true, 1, 4, std::int64_t{now}));
    EXPECT_EQ(std::tuple(games[1].won, games[1].moves), std::tuple(false, 3));
    EXPECT_EQ(std::tuple(games[2].won, games[2].moves), std::tuple(false, 0));

    // A game kept for the next start when the program is told to end is not over.
    window->OnNew();
    window->KeepGameForNextStart(dir / "kept.tlr");
    Open();
    EXPECT_EQ(window->Record().Games().size(), 3u);
}

// Show Moves puts the live count in the title, never moving a control, and is remembered.
TEST_F(RecordWindowTest, ShowMovesCountsInTheTitleAndIsRemembered)
{
    QAction* showMoves = window->findChild<QAction*>(QStringLiteral("actionShowMoves"));
    ASSERT_TRUE(showMoves->isEnabled());
    EXPECT_FALSE(showMoves->isChecked());
    window->OnNew();
    MoveAnyBlock();
    EXPECT_EQ(window->windowTitle(), "Tilora");
    showMoves->trigger();
    MoveAnyBlock();
    EXPECT_EQ(window->windowTitle(), "Tilora - Moves: 2");
    Open();
    EXPECT_TRUE(window->findChild<QAction*>(QStringLiteral("actionShowMoves"))->isChecked());
}

// A record that cannot be written: the game goes on, the player is told why once, after
// the victory's dialogs, and the Statistics dialog still has the game just won, whose
// figures are forgotten only after the question is answered yes.
TEST_F(RecordWindowTest, UnwritableRecordLetsTheGameGoOn)
{
    std::ofstream(dir / "blocker") << "a file where the record's folder should be";
    recordFile = dir / "blocker" / "games";
    Open();
    window->OnNew();
    WinWithOneMove();
    prompter.Answer(QMessageBox::Ok);
    QCoreApplication::processEvents();
    ASSERT_EQ(prompter.Log().size(), 4);
    EXPECT_EQ(prompter.Log().last(), "message: Tilora: Game Record");
    window->OnNew();
    EXPECT_TRUE(window->Playing());

    QString lastGame;
    prompter.OnDialog([&](QDialog& dialog) {
        lastGame = dialog.findChild<QLabel*>(QStringLiteral("lastGame"))->text();
        ClickButton(dialog, "resetButton");
        ClickButton(dialog, "resetButton");
        return QDialog::Rejected;
    });
    prompter.Answer(QMessageBox::No);
    prompter.Answer(QMessageBox::Yes);
    window->findChild<QAction*>(QStringLiteral("actionStatistics"))->trigger();
    EXPECT_TRUE(lastGame.startsWith("Last game: 1 moves, shortest")) << lastGame.toStdString();
    // The reset asks; No keeps the games, Yes would clear them but the file cannot be
    // written, which the record says.
    EXPECT_EQ(window->Record().Games().size(), 1u);
}

// Right after a helped win, Statistics counts the game as played and won, says that it was
// helped, and the last game's line says so too.
TEST(StatisticsDialogTest, AHelpedWinIsCountedAndSaidToBeHelped)
{
    const TempDir dir;
    PlayerRecord record(dir / "games", [] { return PlayerRecord::Databases(); }, [] { return std::int64_t{1'796'700'000}; });
    Board start;
    start.SetGridSize(5);
    start.FillSolved();
    record.Begin(start, 10);
    record.Moved();
    record.Won(7, true);
    ScriptedPrompter prompter;
    const CStatisticsDlg dialog(record, prompter);
    const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("statisticsTable"));
    ASSERT_EQ(table->columnCount(), 1);
    const auto figure = [table](const QString& row) {
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->verticalHeaderItem(r)->text() == row)
                return table->item(r, 0)->text();
        return QStringLiteral("no row ") + row;
    };
    EXPECT_EQ(figure("Games played"), "1");
    EXPECT_EQ(figure("Games won"), "1");
    EXPECT_EQ(figure("Helped games (won)"), "1 (1)");
    EXPECT_EQ(figure("Best time"), "-");
    const QString lastGame = dialog.findChild<QLabel*>(QStringLiteral("lastGame"))->text();
    EXPECT_TRUE(lastGame.startsWith("Last game (helped by a hint): 1 moves")) << lastGame.toStdString();
}

}  // namespace
}  // namespace tilora::test
