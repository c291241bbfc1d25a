// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a screen reader reads and plays it, where the keys go, and the numbers on
// the blocks.
#include <QAccessible>
#include <QLabel>
#include <QMenuBar>

#include "PuzzleFixture.h"
#include "app/window/WindowZoom.h"
#include "display/DeviceScale.h"
#include "display/PaintGeometry.h"
#include "scores/ScoreKeys.h"

namespace tilora::test {
namespace {

std::vector<int> Cells(const Board& board)
{
    std::vector<int> cells;
    for (int i = 0; i < board.GridSize() * board.GridSize(); ++i)
        cells.push_back(board.Cell(i / board.GridSize(), i % board.GridSize()));
    return cells;
}

class BoardViewTest : public PuzzleFixture {
protected:
    void SetUp() override
    {
        PuzzleFixture::SetUp();
        window->OnNew();
        SetRows({{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 16, 11}, {13, 14, 15, 12}});  // blank at (2, 2)
    }
    // The board's latest news to a screen reader.
    QString Told() const
    {
        return Find(QAccessible::queryAccessibleInterface(window.get()), QAccessible::Notification)
            ->text(QAccessible::Name);
    }
    // The cell a screen reader has the focus on, with its name and description.
    std::string Focused() const
    {
        QAccessibleInterface* cell =
            Find(QAccessible::queryAccessibleInterface(window.get()), QAccessible::Table)->focusChild();
        const QString more = cell->text(QAccessible::Description);
        return (cell->text(QAccessible::Name) + (more.isEmpty() ? QString() : QStringLiteral(". ") + more)).toStdString();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->ClientArea(), key, modifiers);
    }
    QAccessibleInterface* Find(QAccessibleInterface* in, QAccessible::Role role, const QString& name = {}) const
    {
        for (int i = 0; i < in->childCount(); ++i) {
            QAccessibleInterface* child = in->child(i);
            if (child->role() == role && (name.isEmpty() || child->text(QAccessible::Name) == name))
                return child;
            if (QAccessibleInterface* found = Find(child, role, name))
                return found;
        }
        return nullptr;
    }
    QAccessibleTableInterface* Table() const
    {
        return Find(QAccessible::queryAccessibleInterface(window.get()), QAccessible::Table)->tableInterface();
    }
    QString Name(int row, int column) const { return Table()->cellAt(row, column)->text(QAccessible::Name); }
    QImage Client() const { return window->ClientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(BoardViewTest, TheTableNamesEveryCellAfterItsBlockRowAndColumn)
{
    ASSERT_EQ(Table()->rowCount(), 4);
    ASSERT_EQ(Table()->columnCount(), 4);
    for (int i = 0; i < 16; ++i) {
        QAccessibleTableCellInterface* cell = Table()->cellAt(i / 4, i % 4)->tableCellInterface();
        EXPECT_EQ(cell->rowIndex() * 4 + cell->columnIndex(), i);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(window->ClientArea())->child(0)->indexOfChild(
                      Table()->cellAt(i / 4, i % 4)), i);
    }
    EXPECT_EQ(Name(0, 0), QStringLiteral("Block 1, row 1, column 1"));
    EXPECT_EQ(Name(2, 3), QStringLiteral("Block 11, row 3, column 4"));
    EXPECT_EQ(Name(3, 3), QStringLiteral("Block 12, row 4, column 4"));
    EXPECT_EQ(Name(2, 2), QStringLiteral("Blank, row 3, column 3"));
    // The table's focus is the blank's cell, where the arrows act.
    const auto focused = [this] { return Find(QAccessible::queryAccessibleInterface(window.get()), QAccessible::Table)->focusChild(); };
    window->ClientArea()->setFocus();
    EXPECT_EQ(focused(), Table()->cellAt(2, 2));
    SetRows({{1, 2, 3, 16}, {5, 6, 7, 4}, {9, 10, 11, 8}, {13, 14, 15, 12}});
    EXPECT_EQ(focused(), Table()->cellAt(0, 3));
    window->OnPauseRestart();
    EXPECT_EQ(Name(2, 3), QStringLiteral("Game paused")) << "a pause shows no positions";
}

TEST_F(BoardViewTest, ASlidingBlocksActionMovesItAsADoubleClickDoes)
{
    const Board start = window->GetBoard();
    for (int i = 0; i < 16; ++i) {
        const CellPos cell{i / 4, i % 4};
        window->GetBoard() = start;
        QAccessibleActionInterface* action = Table()->cellAt(cell.row, cell.column)->actionInterface();
        const bool movable = start.BlankNeighbour(cell).has_value();
        ASSERT_EQ(action->actionNames(), movable ? QStringList{QAccessibleActionInterface::pressAction()} : QStringList{});
        if (!movable)
            continue;
        action->doAction(QAccessibleActionInterface::pressAction());
        const Board acted = window->GetBoard();
        window->GetBoard() = start;
        DoubleClick(QPoint(cell.column * 80 + 40, cell.row * 80 + 40));
        EXPECT_EQ(Cells(acted), Cells(window->GetBoard())) << i;
    }
    window->GetBoard() = start;
    window->OnPauseRestart();
    Table()->cellAt(2, 3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Cells(start), Cells(window->GetBoard())) << "paused";
}

TEST_F(BoardViewTest, EveryMoveIsToldAsNewsMoveFirstThenTheBlankOrTheWin)
{
    window->ClientArea()->setFocus();
    Table()->cellAt(2, 3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Told(), "Block 11 moved left. Blank, row 3, column 4");
    EXPECT_EQ(Focused(), "Blank, row 3, column 4") << "the cell names itself only";
    SetOneMoveFromSolved();
    std::string atVictory;
    prompter.OnAsk([&](const Message&) { atVictory = Focused() + " | " + Told().toStdString(); });
    prompter.Answer(QMessageBox::Ok);  // the victory
    prompter.OnDialog(PressEscape());  // High Score!
    prompter.OnDialog(PressOk());      // Best Scores
    window->MoveBlockAt(300, 300);
    EXPECT_EQ(atVictory, "Blank, row 4, column 4 | Block 15 moved left. The picture is complete")
        << "told before the message opens";
}

TEST_F(BoardViewTest, TheReadingCursorReadsCellsAndSlidesOnlyWhatMaySlide)
{
    window->ClientArea()->setFocus();
    const Board start = window->GetBoard();
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* focused;
        const char* told;
    };
    // The blank is at row 3, column 3.
    const Step steps[] = {
        {Qt::Key_Left, Qt::ShiftModifier, "Block 10, row 3, column 2", ""},
        {Qt::Key_Up, Qt::ShiftModifier, "Block 6, row 2, column 2", ""},
        {Qt::Key_Space, {}, "Block 6, row 2, column 2", "Block 6 cannot slide: it is not beside the blank"},
        {Qt::Key_R, {}, "Block 6, row 2, column 2", "Row 2: 5, 6, 7, 8"},
        {Qt::Key_Home, {}, "Blank, row 3, column 3", "Row 2: 5, 6, 7, 8"},
        {Qt::Key_Enter, {}, "Blank, row 3, column 3", "The blank does not slide"},
        {Qt::Key_B, {}, "Blank, row 3, column 3", "Around the blank: 7 above, 10 to the left, 11 to the right, 15 below"},
        {Qt::Key_Left, Qt::ShiftModifier, "Block 10, row 3, column 2", ""},
        {Qt::Key_Left, Qt::ShiftModifier, "Block 9, row 3, column 1", ""},
        {Qt::Key_Left, Qt::ShiftModifier, "Block 9, row 3, column 1", "Block 9, row 3, column 1"},
        {Qt::Key_Right, Qt::ShiftModifier, "Block 10, row 3, column 2", ""},
        {Qt::Key_Return, {}, "Blank, row 3, column 2", "Block 10 moved right. Blank, row 3, column 2"},
        {Qt::Key_T, {}, "Blank, row 3, column 2", "Seconds elapsed: 0. Moves: 1"},
    };
    for (const Step& step : steps) {
        const std::string before = Told().toStdString();
        Key(step.key, step.modifiers);
        EXPECT_EQ(Focused(), step.focused) << step.key;
        EXPECT_EQ(Told().toStdString(), *step.told ? step.told : before) << step.key;
    }
    EXPECT_EQ(window->GetBoard().Cell(2, 2), 10) << "only Return slid a block";
    EXPECT_EQ(window->GetBoard().Cell(2, 1), start.BlankTile());
    window->OnPauseRestart();
    EXPECT_EQ(Told().toStdString(), "Game paused");
    Key(Qt::Key_R);
    EXPECT_EQ(Told().toStdString(), "Game paused") << "a pause shows no row";
}

TEST_F(BoardViewTest, TheReadingCursorIsAFrameUntilTheNextSlideAtEveryZoom)
{
    window->ClientArea()->setFocus();
    for (const int zoom : {100, 200}) {
        window->Zooming().ZoomTo(zoom, false);
        // The window's zoom may stop short of `zoom` on a small screen.
        const DeviceScale scale = window->ClientArea()->PaintScale();
        const int line = scale.LineWidth();
        const QRect cell = scale.Rect(geometry::CellFrame(4, 1, 2));
        const QImage plain = Client();
        Key(Qt::Key_Up, Qt::ShiftModifier);  // on block 7, row 2, column 3
        const QImage framed = Client();
        EXPECT_EQ(framed.pixel(cell.topLeft()), qRgb(0, 0, 0)) << zoom;
        EXPECT_EQ(framed.pixel(cell.left() + 2 * line, cell.center().y()), qRgb(255, 255, 255)) << zoom;
        EXPECT_EQ(framed.pixel(cell.center()), plain.pixel(cell.center())) << "inside, " << zoom;
        Key(Qt::Key_Down);  // block 7 slides down: the frame goes
        Key(Qt::Key_Up);    // and back
        EXPECT_EQ(Client(), plain) << zoom;
    }
}

TEST_F(BoardViewTest, TheWindowReadsAsTheApplicationsWindowWithItsControlsNamed)
{
    QAccessibleInterface* main = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(main->role(), QAccessible::Window);
    QAccessibleInterface* pause = Find(main, QAccessible::Button, QStringLiteral("Pause/Restart"));
    ASSERT_NE(pause, nullptr);
    EXPECT_EQ(pause->parent()->indexOfChild(pause) >= 0 || main->indexOfChild(pause) >= 0, true);
    pause->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(window->Paused());
    // The count reads as a label on request, and has no text of its own whose every
    // change would go out to a screen reader.
    QAccessibleInterface* seconds = Find(main, QAccessible::StaticText, QStringLiteral("Seconds Elapsed 0"));
    ASSERT_NE(seconds, nullptr);
    EXPECT_EQ(seconds->text(QAccessible::Value), QStringLiteral("0"));
    EXPECT_EQ(seconds->textInterface(), nullptr);
    EXPECT_EQ(Find(main, QAccessible::Button, QStringLiteral("DUMMY button")), nullptr);
}

TEST_F(BoardViewTest, TheBoardHasTheKeysAtStartAfterADialogAndAfterAClick)
{
    EXPECT_EQ(window->focusWidget(), window->ClientArea()) << "at start";
    window->Menu().bar->setFocus();
    prompter.OnDialog(PressOk());
    window->OnAbout();
    EXPECT_EQ(window->focusWidget(), window->ClientArea()) << "after a dialog";
    window->Menu().bar->setFocus();
    QTest::mousePress(window->ClientArea()->findChild<QLabel*>(QStringLiteral("introText")), Qt::LeftButton);
    EXPECT_EQ(window->focusWidget(), window->ClientArea()) << "after a click on the side panel";
}

TEST_F(BoardViewTest, NumbersOnBlocksBoxTheNumberInTheCornerAndAreRemembered)
{
    for (const int zoom : {100, 200}) {
        window->Zooming().ZoomTo(zoom, false);
        const QImage off = Client();
        window->Menu().numbers->trigger();
        const QImage on = Client();
        const int line = zoom / 100;
        // Block 1's corner: the box's frame, then its white inside; the block's middle is
        // the picture's.
        EXPECT_EQ(on.pixel(line - 1, line - 1), qRgb(0, 0, 0)) << zoom;
        EXPECT_EQ(on.pixel(line, line), qRgb(255, 255, 255)) << zoom;
        EXPECT_NE(on.pixel(line, line), off.pixel(line, line)) << zoom;
        EXPECT_EQ(on.pixel(40 * line, 60 * line), off.pixel(40 * line, 60 * line)) << zoom;
        EXPECT_EQ(Scores().GetInt(keys::kViewSection, keys::kNumbersKey, -1), 1);
        window->Menu().numbers->trigger();
        EXPECT_EQ(Client(), off) << "off is as before, at " << zoom;
    }
    window->Menu().numbers->trigger();
    Open();
    EXPECT_TRUE(window->Menu().numbers->isChecked()) << "remembered";
}

}  // namespace
}  // namespace tilora::test
