// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told as news: each move first and short, why a command did
// nothing, a save that succeeded, and where the player is when the keys come back.
#include <QAccessible>
#include <QFocusEvent>

#include <optional>

#include "PuzzleFixture.h"
#include "app/boardview/BoardTexts.h"
#include "app/boardview/BoardView.h"
#include "app/boardview/CommandNews.h"

namespace tilora::test {
namespace {

TEST(CommandNewsTest, ACommandWithNothingToDoSaysWhyAndOneThatActsSaysNothing)
{
    struct Case {
        Command command;
        CommandState state;
        std::optional<const char*> said;
    };
    const CommandState none{false, false, false, false};
    const CommandState paused{true, true, true, true};
    const CommandState fresh{true, false, false, false};
    const CommandState both{true, false, true, true};
    const Case cases[] = {
        {Command::Save, none, "Nothing saved: no game is running"},
        {Command::Save, paused, std::nullopt},  // a paused game is saved as it stands
        {Command::Save, fresh, std::nullopt},
        {Command::Undo, none, "Nothing to undo: no game is running"},
        {Command::Redo, none, "Nothing to redo: no game is running"},
        {Command::Hint, none, "No hint: no game is running"},
        {Command::Undo, paused, "Game paused"},
        {Command::Redo, paused, "Game paused"},
        {Command::Hint, paused, "Game paused"},
        {Command::Undo, fresh, "Nothing to undo"},
        {Command::Redo, fresh, "Nothing to redo"},
        {Command::Hint, fresh, std::nullopt},
        {Command::Undo, both, std::nullopt},
        {Command::Redo, both, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "command " << static_cast<int>(c.command) << ", playing " << c.state.playing
                                        << ", paused " << c.state.paused);
        const auto said = RefusalText(c.command, c.state);
        EXPECT_EQ(said.has_value(), c.said.has_value());
        if (said && c.said) {
            EXPECT_EQ(said->toStdString(), *c.said);
        }
    }
}

Board Solved(int n)
{
    Board board;
    board.SetGridSize(n);
    board.FillSolved();
    return board;
}

TEST(MoveNewsTest, TheMoveComesFirstThenTheBlankOrTheWin)
{
    struct Slide {
        CellPos from;
        CellPos to;
    };
    struct Case {
        std::vector<Slide> slides;  // made on a solved 4 x 4 board, blank at row 4, column 4
        const char* said;           // the news of the last slide
    };
    const Case cases[] = {
        {{{{3, 2}, {3, 3}}}, "Block 15 moved right. Blank, row 4, column 3"},
        {{{{2, 3}, {3, 3}}}, "Block 12 moved down. Blank, row 3, column 4"},
        {{{{2, 3}, {3, 3}}, {{3, 3}, {2, 3}}}, "Block 12 moved up. The picture is complete"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said);
        Board board = Solved(4);
        for (const Slide& slide : c.slides)
            board.Slide(slide.from, slide.to);
        EXPECT_EQ(MoveNews(board, c.slides.back().from, c.slides.back().to).toStdString(), c.said);
    }
}

TEST(MoveNewsTest, EverySlideOnEveryGridStartsWithTheBlockAndTakesAtMostNineWords)
{
    // Ten words a slide at most, the screen reader's own included: the news leaves one.
    for (int n = 3; n <= Board::kMaxGridSize; ++n) {
        const Board solved = Solved(n);
        for (int row = 0; row < n; ++row)
            for (int column = 0; column < n; ++column) {
                const CellPos blank{row, column};
                for (const CellPos from : {CellPos{row - 1, column}, CellPos{row + 1, column}, CellPos{row, column - 1},
                                           CellPos{row, column + 1}}) {
                    if (!solved.Contains(from))
                        continue;
                    // Any board with the blank on `blank`: the solved one with the blank
                    // and the corner's block swapped is enough for the words.
                    Board board = solved;
                    board.SetCell(n - 1, n - 1, board.Cell(row, column));
                    board.SetCell(row, column, board.BlankTile());
                    const int block = board.Cell(from.row, from.column);
                    board.Slide(from, blank);
                    const QString news = MoveNews(board, from, blank);
                    EXPECT_TRUE(news.startsWith(QStringLiteral("Block %1 moved ").arg(block))) << news.toStdString();
                    EXPECT_LE(news.split(u' ', Qt::SkipEmptyParts).size(), 9) << news.toStdString();
                }
            }
    }
}

class BoardNewsTest : public PuzzleFixture {
protected:
    QString Told() const { return window->ClientArea()->Announcement(); }
};

TEST_F(BoardNewsTest, EachCommandWithNothingToDoTellsWhyAndNothingElseChanges)
{
    struct Case {
        const char* what;
        std::function<void(CPuzzleDlg&)> before;
        std::function<void(CPuzzleDlg&)> command;
        const char* said;
    };
    const auto nothing = [](CPuzzleDlg&) {};
    const auto newGame = [](CPuzzleDlg& w) { w.OnNew(); };
    const auto pause = [](CPuzzleDlg& w) {
        w.OnNew();
        w.OnPauseRestart();
    };
    const Case cases[] = {
        {"save with no game", nothing, [](CPuzzleDlg& w) { w.OnSaveGame(); }, "Nothing saved: no game is running"},
        {"undo with no game", nothing, [](CPuzzleDlg& w) { w.OnUndo(); }, "Nothing to undo: no game is running"},
        {"redo with no game", nothing, [](CPuzzleDlg& w) { w.OnRedo(); }, "Nothing to redo: no game is running"},
        {"hint with no game", nothing, [](CPuzzleDlg& w) { w.OnHint(); }, "No hint: no game is running"},
        {"undo of a new game", newGame, [](CPuzzleDlg& w) { w.OnUndo(); }, "Nothing to undo"},
        {"redo of a new game", newGame, [](CPuzzleDlg& w) { w.OnRedo(); }, "Nothing to redo"},
        {"hint in a pause", pause, [](CPuzzleDlg& w) { w.OnHint(); }, "Game paused"},
        {"undo in a pause", pause, [](CPuzzleDlg& w) { w.OnUndo(); }, "Game paused"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.before(*window);
        const QImage before = window->grab().toImage();
        c.command(*window);
        EXPECT_EQ(Told().toStdString(), c.said);
        EXPECT_EQ(window->grab().toImage(), before) << "the screen stays as it was";
    }
    EXPECT_TRUE(prompter.Log().isEmpty()) << "no message box";
}

TEST_F(BoardNewsTest, ASaveThatSucceededAndAnOpenedGameAreToldAndASaveThatFailedIsNot)
{
    window->OnNew();
    prompter.ChooseFileAnswer(QString::fromStdString((dir / "game.tlr").string()));
    window->OnSaveGame();
    EXPECT_EQ(Told().toStdString(), "Game saved");

    prompter.Answer(QMessageBox::Yes);  // quit the game for the saved one
    prompter.ChooseFileAnswer(QString::fromStdString((dir / "game.tlr").string()));
    window->OnOpenGame();
    EXPECT_EQ(Told().toStdString(), "Game opened");

    prompter.Answer(QMessageBox::Yes);  // quit the game for a new one
    window->OnNew();
    prompter.ChooseFileAnswer(QString::fromStdString((dir / "missing" / "game.tlr").string()));
    prompter.Answer(QMessageBox::Ok);  // the saving error
    window->OnSaveGame();
    EXPECT_EQ(Told().toStdString(), "New game");
}

TEST_F(BoardNewsTest, WhenTheKeysComeBackFromADialogOrAMenuTheBlanksCellIsToldAsNews)
{
    window->OnNew();
    SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 16, 11}, {13, 14, 15, 12}});  // blank at (2, 2)
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->ClientArea()->setFocus();
    struct Case {
        Qt::FocusReason reason;
        const char* meanwhile;  // news told after the keys came back, before the place is
        const char* said;
    };
    const Case cases[] = {
        {Qt::ActiveWindowFocusReason, nullptr, "Blank, row 3, column 3"},
        {Qt::PopupFocusReason, nullptr, "Blank, row 3, column 3"},
        {Qt::MenuBarFocusReason, nullptr, "Blank, row 3, column 3"},
        {Qt::TabFocusReason, nullptr, "-"},
        {Qt::MouseFocusReason, nullptr, "-"},
        // News in between comes first, with the place after it unless it says it already.
        {Qt::ActiveWindowFocusReason, "Game saved", "Game saved. Blank, row 3, column 3"},
        {Qt::ActiveWindowFocusReason, "Block 7 moved down. Blank, row 3, column 3",
         "Block 7 moved down. Blank, row 3, column 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "reason " << c.reason << ", meanwhile " << (c.meanwhile ? c.meanwhile : "-"));
        window->ClientArea()->Announce(QStringLiteral("-"));
        QFocusEvent in(QEvent::FocusIn, c.reason);
        QApplication::sendEvent(window->ClientArea(), &in);
        if (c.meanwhile)
            window->ClientArea()->Announce(QString::fromLatin1(c.meanwhile));
        QTest::qWait(BoardView::kReturnDelay + 100);
        EXPECT_EQ(Told().toStdString(), c.said);
    }
    // A menu command that opens a dialog gave the board the keys for a moment only.
    QDialog dialog(window.get());
    dialog.setModal(true);
    dialog.show();
    window->ClientArea()->Announce(QStringLiteral("-"));
    QFocusEvent in(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(window->ClientArea(), &in);
    QTest::qWait(BoardView::kReturnDelay + 100);
    EXPECT_EQ(Told().toStdString(), "-") << "a dialog has the keys";
}

TEST_F(BoardNewsTest, AHintsMoveSaysItWasTheHintsAndOnlyThatMove)
{
    window->OnNew();
    SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 16, 11}, {13, 14, 15, 12}});  // blank at (2, 2)
    window->ClientArea()->LeadNextMove(QStringLiteral("Hint"));
    window->MoveBlockAt(3 * 80 + 40, 2 * 80 + 40);  // block 11 slides left
    EXPECT_EQ(Told().toStdString(), "Hint: Block 11 moved left. Blank, row 3, column 4");
    window->MoveBlockAt(2 * 80 + 40, 2 * 80 + 40);  // and back
    EXPECT_EQ(Told().toStdString(), "Block 11 moved right. Blank, row 3, column 3");
}

}  // namespace
}  // namespace tilora::test
