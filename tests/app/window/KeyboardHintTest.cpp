// SPDX-License-Identifier: GPL-3.0-or-later
// Play from the keyboard, undo and redo, the hint and the commands' shortcuts.
#include <QAction>
#include <QSignalSpy>

#include <functional>

#include "PuzzleFixture.h"
#include "app/hint/Hinter.h"
#include "savegame/SavedGameFile.h"
#include "scores/ScoreKeys.h"
#include "solver/BoardSolver.h"
#include "solver/PatternDatabase.h"

namespace tilora::test {
namespace {

// A shortest solution, from tables built once for all tests.
Hinter::Solution Solved(const Board& board)
{
    static const solver::PatternDatabases tables;
    return solver::SolveBoard(board, tables);
}

// The window's search, held at a gate until the test opens it or the stop is requested;
// then it throws `failure` or solves.
struct Gate {
    std::atomic<bool> open{false};
    std::atomic<int> searches{0}, stops{0};
    std::exception_ptr failure;

    Hinter::Solution Search(const Board& board, const std::stop_token& stop)
    {
        for (++searches; !open && !stop.stop_requested();)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (stop.stop_requested())
            return ++stops, std::nullopt;
        if (failure)
            std::rethrow_exception(failure);
        return Solved(board);
    }
};

class KeyboardHintTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        PuzzleFixture::SetUp();
        Activate();
        window->OnNew();
        // The blank in the middle: every arrow has a block to move.
        SetRows({{1, 2, 3, 4}, {5, 16, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 6}});
    }

    // Shortcuts reach only the active window.
    void Activate()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // A game two moves from solved, whose search waits at a gate.
    void Gated()
    {
        gate = std::make_shared<Gate>();
        SetTwoFromSolved();
        window->Hints().SetSearch([gate = gate](const Board& b, std::stop_token stop) { return gate->Search(b, stop); });
    }
    // Opens the gate and waits for the search's result.
    void Arrive()
    {
        gate->open = true;
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->Hints().Searching(); }, 60000));
        // The moves found come to the window through its event queue, one after another.
        QTest::qWait(20);
    }
    void SetTwoFromSolved() { SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 16, 11}, {13, 14, 15, 12}}); }

    std::shared_ptr<Gate> gate;
    int At(int row, int column) const { return window->GetBoard().Cell(row, column); }
    Board Snapshot() const { return window->GetBoard(); }
    // Keys go where the player's would: to the widget with the focus, the board.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->focusWidget(), key, modifiers);
    }
};

bool Same(const Board& a, const Board& b)
{
    return a.SameCells(b);
}

// An arrow slides the block on its far side of the blank into the blank, in its direction.
TEST_F(KeyboardHintTest, ArrowSlidesTheBlockOnItsFarSideIntoTheBlank)
{
    struct Case {
        Qt::Key key;
        CellPos block;  // where the moving block starts
    };
    for (const Case c : {Case{Qt::Key_Left, {1, 2}}, Case{Qt::Key_Right, {1, 0}}, Case{Qt::Key_Up, {2, 1}},
                         Case{Qt::Key_Down, {0, 1}}}) {
        SetRows({{1, 2, 3, 4}, {5, 16, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 6}});
        const int tile = At(c.block.row, c.block.column);
        Press(c.key);
        EXPECT_EQ(At(1, 1), tile) << c.key;
        EXPECT_EQ(At(c.block.row, c.block.column), 16) << c.key;
    }
}

// No block beyond the blank, no game or a paused game: an arrow moves nothing.
TEST_F(KeyboardHintTest, ArrowWithNothingToMoveDoesNothing)
{
    SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
    SetRows({{16, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 1}});
    Board before = Snapshot();
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    EXPECT_TRUE(Same(Snapshot(), before)) << "the blank in the top-left corner";

    SetRows({{1, 2, 3, 4}, {5, 16, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 6}});
    before = Snapshot();
    for (const auto modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        Press(Qt::Key_Left, modifier);
        EXPECT_TRUE(Same(Snapshot(), before)) << "an arrow with modifier " << modifier;
    }
    window->OnPauseRestart();
    Press(Qt::Key_Left);
    EXPECT_TRUE(Same(Snapshot(), before)) << "paused";
}

// Undo takes moves back in reverse order, redo makes them again, by both its keys; a new
// move drops what was undone.
TEST_F(KeyboardHintTest, UndoAndRedoWalkTheGamesMoves)
{
    const Board start = Snapshot();
    Press(Qt::Key_Left);
    const Board afterOne = Snapshot();
    Press(Qt::Key_Up);
    const Board afterTwo = Snapshot();

    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Same(Snapshot(), afterOne));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Same(Snapshot(), start));
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Same(Snapshot(), start)) << "nothing left to undo";

    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Same(Snapshot(), afterOne));
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(Same(Snapshot(), afterTwo));
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Same(Snapshot(), afterTwo)) << "nothing left to redo";

    Press(Qt::Key_Z, Qt::ControlModifier);
    Press(Qt::Key_Down);  // a new move instead of the undone one
    const Board branched = Snapshot();
    Press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(Same(Snapshot(), branched)) << "the undone move was dropped";

    // Paused: neither undo nor redo acts, and the clock's state is untouched.
    window->OnPauseRestart();
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Same(Snapshot(), branched));
    EXPECT_FALSE(window->TimerRunning());
}

// New, Open Game, No. of Blocks and a victory each end the history.
TEST_F(KeyboardHintTest, HistoryEndsWithTheGame)
{
    const auto saved = dir / "game.tlr";
    ASSERT_TRUE(WriteSavedGame(saved, window->GetBoard(), 0));
    struct Case {
        const char* what;
        std::function<void()> end;
    };
    const std::vector<Case> cases{
        {"New",
         [&] {
             prompter.Answer(QMessageBox::Yes);
             window->OnNew();
         }},
        {"Open Game",
         [&] {
             prompter.Answer(QMessageBox::Yes);
             prompter.ChooseFileAnswer(QString::fromStdString(saved.string()));
             window->OnOpenGame();
         }},
        {"No. of Blocks",
         [&] {
             prompter.Answer(QMessageBox::Yes);
             prompter.OnDialog(PressOk());
             window->OnNoOfBlocks();
             window->OnNew();
         }},
    };
    for (const Case& c : cases) {
        Press(Qt::Key_Left);
        const Board moved = Snapshot();
        c.end();
        // The board the old move left, so that only a cleared history keeps undo still.
        window->GetBoard() = moved;
        Press(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(Same(Snapshot(), moved)) << c.what;
    }

    // The move that solves the board ends the game: nothing is taken back afterwards.
    SetOneMoveFromSolved();
    prompter.Answer(QMessageBox::Ok);
    prompter.OnDialog(PressEscape());  // High Score!
    prompter.OnDialog(PressOk());      // Best Scores
    Press(Qt::Key_Left);
    ASSERT_TRUE(window->GetBoard().IsSolved());
    Press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(window->GetBoard().IsSolved()) << "after the victory";
}

// Hint after hint solves a 4 x 4 board in the fewest moves, and the helped victory shows
// the message and the table but asks no name and enters no best, also after the helped
// game was saved and opened again.
TEST_F(KeyboardHintTest, HintsSolveTheShortestWayAndEnterNoBest)
{
    window->OnTimer();
    SetTwoFromSolved();
    Press(Qt::Key_H);
    QTRY_VERIFY_WITH_TIMEOUT(At(2, 2) != 16, 60'000);  // the search runs off the interface thread
    const QString file = QString::fromStdString((dir / "helped.tlr").string());
    prompter.ChooseFileAnswer(file);
    window->OnSaveGame();
    prompter.Answer(QMessageBox::Yes);
    prompter.ChooseFileAnswer(file);
    window->OnOpenGame();
    EXPECT_TRUE(window->Helped());
    prompter.Clear();
    prompter.Answer(QMessageBox::Ok);  // Victory
    prompter.OnDialog(PressOk());      // Best Scores, and no High Score! before it
    Press(Qt::Key_H);
    QTRY_VERIFY_WITH_TIMEOUT(!window->Playing(), 60'000);
    EXPECT_TRUE(window->GetBoard().IsSolved());
    EXPECT_EQ(prompter.Log(), (QStringList{"message: Victory", "dialog: Tilora:  Best Scores"}));
    // One second would beat the default best of an unhelped game.
    EXPECT_EQ(Scores().GetString(keys::kHighSection, keys::KeysForGrid(4).score, "none"), "none");
}

// A result that comes while a prompt or another modal window is open moves nothing; the
// next press after it moves at once.
TEST_F(KeyboardHintTest, NoHintMovesBehindADialog)
{
    for (const bool prompt : {true, false}) {
        Gated();
        const Board before = Snapshot();
        Press(Qt::Key_H);
        prompter.OnAsk([&](const Message&) { Arrive(); });
        const auto modal = [&] {
            QDialog box(window.get());
            box.setModal(true);
            box.show();
            Arrive();
        };
        prompt ? (prompter.Answer(QMessageBox::No), window->OnNew()) : modal();
        EXPECT_TRUE(Same(Snapshot(), before)) << prompt;
        Activate();
        Press(Qt::Key_H);
        QCoreApplication::processEvents();
        EXPECT_FALSE(Same(Snapshot(), before)) << prompt;
    }
}

// A deal costs nothing: the hint's tables are neither mapped nor built before a hint asks.
// The tables are the process's: what earlier tests asked of them is left out.
TEST_F(KeyboardHintTest, ADealLeavesTheTablesAlone)
{
    const unsigned before = window->Hints().TableCalls();
    prompter.Answer(QMessageBox::Yes);
    window->OnNew();
    ASSERT_EQ(window->GetBoard().GridSize(), 4);
    EXPECT_EQ(window->Hints().TableCalls(), before);
}

// Closing the window during a search as long as a 10 x 10 board's ends within 100 ms.
TEST_F(KeyboardHintTest, ClosingDuringASearchEndsAtOnce)
{
    Gated();
    Press(Qt::Key_H);
    const auto start = std::chrono::steady_clock::now();
    window.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

// The commands answer their shortcuts, which the menus show beside them. Each command runs
// with nothing asked back: the ones that ask get their answers first.
TEST_F(KeyboardHintTest, ShortcutsTriggerTheirCommands)
{
    struct Case {
        const char* action;
        QKeySequence keys;
        std::function<void()> answer;
    };
    const auto none = [] {};
    const auto no = [this] { prompter.Answer(QMessageBox::No); };
    const std::vector<Case> cases{
        {"actionNew", QKeySequence(Qt::CTRL | Qt::Key_N), no},
        {"actionOpenGame", QKeySequence(Qt::CTRL | Qt::Key_O), no},
        {"actionSaveGame", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { prompter.ChooseFileAnswer({}); }},
        {"actionExit", QKeySequence(Qt::CTRL | Qt::Key_Q), no},
        {"actionHowToPlay", QKeySequence(Qt::Key_F1), [this] { prompter.OnDialog(PressOk()); }},
        {"actionPauseRestart", QKeySequence(Qt::Key_Pause), none},
        {"actionPauseRestart", QKeySequence(Qt::Key_P), none},
        {"actionUndo", QKeySequence(Qt::CTRL | Qt::Key_Z), none},
        {"actionRedo", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), none},
        {"actionRedo", QKeySequence(Qt::CTRL | Qt::Key_Y), none},
        {"actionHint", QKeySequence(Qt::Key_H), none},
        {"actionCopyDeal", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), none},
        // The deal copied just before is pasted over the game in progress: New's question.
        {"actionPasteDeal", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), no},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        auto* action = window->findChild<QAction*>(QString::fromLatin1(c.action));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->shortcuts().contains(c.keys));
        c.answer();
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(window.get(), c.keys);
        EXPECT_EQ(triggered.count(), 1);
        EXPECT_TRUE(window->isVisible());
    }
}

}  // namespace
}  // namespace tilora::test
