// SPDX-License-Identifier: GPL-3.0-or-later
// The model test's inputs: each as the player gives it, and what the model says follows.
#include "GameModelWorld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include <fstream>

#include "app/hint/Hinter.h"
#include "app/record/PlayerRecord.h"
#include "app/replay/ReplayDlg.h"
#include "savegame/SavedGameFile.h"
#include "support/AccessibilityOn.h"
#include "support/BmpWriter.h"

namespace tilora::test {

void World::Deal()
{
    model.Begin(Cells(Shown()));
    if (Shown().GridSize() != model.n)
        Fail("dealt " + std::to_string(Shown().GridSize()) + " instead of " + std::to_string(model.n));
}

CellPos World::Target()
{
    const Board& board = Shown();
    const auto blank = board.Blank();
    if (blank && Random(5) != 0) {
        const CellPos around[] = {{blank->row - 1, blank->column}, {blank->row + 1, blank->column},
                                  {blank->row, blank->column - 1}, {blank->row, blank->column + 1}};
        const CellPos cell = around[Random(4)];
        if (board.Contains(cell))
            return cell;
    }
    return {Random(board.GridSize()), Random(board.GridSize())};
}

QPoint World::Centre(CellPos cell) const
{
    const int s = Shown().BlockSize();
    return {cell.column * s + s / 2, cell.row * s + s / 2};
}

void World::Move(CellPos cell, bool byHint, const std::function<void()>& make, bool wholeLine)
{
    // The mouse moves a whole line: every block between the cell and the blank.
    const bool expected = wholeLine ? !model.Line(cell).empty() : model.CanSlide(cell);
    const bool paused = model.paused;
    if (expected) {
        m_answerVictory = true;
        if (wholeLine ? model.PlayLine(cell) : model.Play(cell, byHint))
            WonNow();
    }
    make();
    if (!expected && paused && Cells(Shown()) != model.cells && model.playing)
        Fail("a block moved while paused");
}

void World::Do(Input input)
{
    m_won = false;
    prompter.answer = nullptr;
    prompter.dialog = nullptr;
    prompter.file.clear();
    switch (input) {
    case Input::New: {
        const bool yes = Coin();
        prompter.answer = [yes](const Message&) { return yes ? QMessageBox::Yes : QMessageBox::No; };
        const bool deals = !model.playing || yes;
        window->OnNew();
        if (deals)
            Deal();
        break;
    }
    case Input::Arrow: {
        const CellPos cell = Target();
        const auto blank = Shown().Blank();
        if (!blank || !model.Contains(cell) || !model.Beside(cell, *blank))
            break;
        const int dr = blank->row - cell.row, dc = blank->column - cell.column;
        const Qt::Key key = dr > 0 ? Qt::Key_Down : dr < 0 ? Qt::Key_Up : dc > 0 ? Qt::Key_Right : Qt::Key_Left;
        Move(cell, false, [&] { QTest::keyClick(&View(), key); });
        break;
    }
    case Input::DoubleClick: {
        const CellPos cell = Target();
        Move(cell, false, [&] {
            const QPoint point = Centre(cell);
            QTest::mousePress(&View(), Qt::LeftButton, {}, point);
            QTest::mouseRelease(&View(), Qt::LeftButton, {}, point);
            QMouseEvent dbl(QEvent::MouseButtonDblClick, point, View().mapToGlobal(point), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&View(), &dbl);
            QTest::mouseRelease(&View(), Qt::LeftButton, {}, point);
        }, true);
        break;
    }
    case Input::Drag: {
        const CellPos cell = Target();
        const auto blank = Shown().Blank();
        if (!blank)
            break;
        Move(cell, false, [&] {
            QTest::mousePress(&View(), Qt::LeftButton, {}, Centre(cell));
            QTest::mouseRelease(&View(), Qt::LeftButton, {}, Centre(*blank));
        }, true);
        break;
    }
    case Input::CellAction: {
        const CellPos cell = Target();
        Move(cell, false, [&] {
            QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&View())->child(0);
            if (QAccessibleInterface* at = table->tableInterface()->cellAt(cell.row, cell.column))
                at->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        });
        break;
    }
    case Input::Cursor:
    case Input::CursorSpace: {
        const CellPos cell = Target();
        for (int i = 0; i < 12; ++i) {
            const CellPos at = View().FocusCell();
            if (at == cell)
                break;
            const Qt::Key key = at.row < cell.row   ? Qt::Key_Down
                                : at.row > cell.row ? Qt::Key_Up
                                : at.column < cell.column ? Qt::Key_Right
                                                          : Qt::Key_Left;
            QTest::keyClick(&View(), key, Qt::ShiftModifier);
        }
        if (input == Input::CursorSpace && View().FocusCell() == cell)
            Move(cell, false, [&] { QTest::keyClick(&View(), Qt::Key_Space); });
        break;
    }
    case Input::Undo:
        if (model.Undo())
            WonNow();
        window->OnUndo();
        break;
    case Input::Redo:
        if (model.Redo())
            WonNow();
        window->OnRedo();
        break;
    case Input::Hint: {
        const auto blank = model.Blank();
        const bool moves = model.playing && !model.paused && blank;
        if (moves) {
            for (const CellPos cell : {CellPos{blank->row - 1, blank->column}, CellPos{blank->row, blank->column - 1},
                                       CellPos{blank->row, blank->column + 1}, CellPos{blank->row + 1, blank->column}})
                if (model.Contains(cell)) {
                    if (model.Play(cell, true))
                        WonNow();
                    break;
                }
        }
        window->OnHint();
        static_cast<void>(QTest::qWaitFor([this] { return !window->Hints().Searching(); }, 5000));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        break;
    }
    case Input::Pause:
        if (model.playing)
            model.paused = !model.paused;
        window->OnPauseRestart();
        break;
    case Input::Level: {
        const int level = 1 + Random(5);
        const bool ok = Coin();
        prompter.dialog = [level, ok](QDialog& d) {
            if (!ok)
                return d.reject(), int(QDialog::Rejected);
            d.findChild<QLineEdit*>(QStringLiteral("levelEdit"))->setText(QString::number(level));
            return ClickOk(d);
        };
        window->OnDifficultyLevel();
        break;
    }
    case Input::Blocks: {
        const bool yes = Coin();
        const int choice = Random(5);  // 4: Cancel
        prompter.answer = [yes](const Message&) { return yes ? QMessageBox::Yes : QMessageBox::No; };
        prompter.dialog = [choice](QDialog& d) {
            if (choice == 4)
                return d.reject(), int(QDialog::Rejected);
            d.findChild<QAbstractButton*>(QStringLiteral("blocks%1").arg(choice))->click();
            return ClickOk(d);
        };
        if (model.playing && !yes)
            break;
        window->OnNoOfBlocks();
        model.EndGame();
        model.playing = model.paused = false;
        model.n = std::array{4, 5, 8, 10, 4}[static_cast<std::size_t>(choice)];
        model.moves.clear();
        model.made = 0;
        break;
    }
    case Input::OpenGame:
        OpenGame();
        break;
    case Input::SaveGame:
        if (model.playing)
            prompter.file = Coin() ? QString::fromStdString((dir / "saved.tlr").string()) : QString();
        window->OnSaveGame();
        break;
    case Input::ChangePicture:
        window->OnChoosePicture(1 + Random(4));
        break;
    case Input::OpenPicture: {
        const bool yes = Coin();
        prompter.file = Coin() ? QString::fromStdString((dir / "picture.bmp").string()) : QString();
        prompter.answer = [yes](const Message&) { return yes ? QMessageBox::Yes : QMessageBox::No; };
        const bool deals = !prompter.file.isEmpty() && model.playing && yes;
        window->OnOpenPicture();
        if (deals)
            Deal();
        break;
    }
    case Input::Signal:
        Signal();
        break;
    case Input::Statistics: {
        const bool reset = Coin();
        prompter.dialog = [reset](QDialog& d) {
            if (reset)
                d.findChild<QAbstractButton*>(QStringLiteral("resetButton"))->click();
            d.reject();
            return int(QDialog::Rejected);
        };
        window->OnStatistics();
        if (reset)
            model.ended = 0;
        break;
    }
    case Input::Replay:
        Replay();
        break;
    case Input::Count:
        break;
    }
    if (m_won)
        Victory();
}

int World::ClickOk(QDialog& d)
{
    d.findChild<QAbstractButton*>(QStringLiteral("okButton"))->click();
    return d.result();
}

void World::Victory()
{
    if (window->Playing())
        Fail("the game runs on after the solving move");
}

void World::OpenGame()
{
    const bool yes = Coin();
    if (model.playing && !yes) {
        prompter.answer = [](const Message&) { return QMessageBox::No; };
        window->OnOpenGame();
        return;
    }
    const int kind = Random(4);
    const int n = std::array{4, 5, 8, 10}[static_cast<std::size_t>(Random(4))];
    Board board;
    board.SetGridSize(n);
    board.FillSolved();
    // One to three slides from solved, so that random play wins now and then.
    for (int i = 0, k = 1 + Random(3); i < k; ++i) {
        const CellPos blank = *board.Blank();
        const CellPos cell{std::clamp(blank.row - 1 + Random(3), 0, n - 1), blank.column};
        if (cell != blank)
            board.Slide(cell, blank);
    }
    const std::filesystem::path file = dir / "open.tlr";
    const bool negative = kind == 1;
    std::string bytes = EncodeSavedGame(board, negative ? -(1 + Random(500)) : Random(500));
    if (kind == 2)
        bytes.resize(bytes.size() - 7);
    std::ofstream(file, std::ios::binary) << bytes;
    prompter.file = kind == 3 ? QString() : QString::fromStdString(file.string());
    prompter.answer = [](const Message& m) {
        return m.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    };
    window->OnOpenGame();
    if (model.playing) {
        model.EndGame();
        model.playing = false;
    }
    if (kind == 0 || kind == 1) {
        model.n = n;
        model.Begin(Cells(board));
    }
}

void World::Replay()
{
    bool opened = false;
    prompter.answer = [](const Message&) { return QMessageBox::Ok; };
    prompter.dialog = [this, &opened, keys = Random(8)](QDialog& d) {
        opened = true;
        auto& dialog = dynamic_cast<CReplayDlg&>(d);
        tilora::Replay& replay = dialog.Moves();
        if (Cells(replay.Start()) != model.lastStart)
            Fail("the replay does not begin on the board the last game began on");
        auto* slider = dialog.findChild<QSlider*>(QStringLiteral("replaySlider"));
        constexpr Qt::Key kKeys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageUp};
        for (int i = 0; i < keys; ++i)
            QTest::keyClick(slider, kKeys[Random(6)]);
        Board board = replay.Start();
        for (int i = 0; i < replay.Position(); ++i)
            board.Slide(replay.Moves()[static_cast<std::size_t>(i)].from, replay.Moves()[static_cast<std::size_t>(i)].to);
        if (!replay.Shown().GetBoard().SameCells(board) || slider->value() != replay.Position())
            Fail("the replay's board or slider is not where its moves lead");
        replay.Seek(replay.Count());
        if (Cells(replay.Shown().GetBoard()) != model.lastEnd)
            Fail("the replay does not end on the board the last game ended on");
        d.reject();
        return int(QDialog::Rejected);
    };
    window->OnReplayLastGame();
    if (opened != (model.ended > 0))
        Fail(opened ? "a replay with no game in the record" : "no replay of the record's last game");
}

void World::Signal()
{
    window->KeepGameForNextStart(Kept());
    // Only a game open and unsolved is kept.
    const bool kept = model.playing && !model.Solved();
    const bool helped = model.helped;
    std::vector<int> cells = model.cells;
    const int n = model.n;
    // A kept game ends neither won nor abandoned; any other ends with the session.
    if (kept)
        model.recordOpen = false;
    else
        model.EndGame();
    Close();
    Open();
    if (std::filesystem::exists(Kept()) != kept)
        Fail(kept ? "the game was not kept" : "a game was kept with none running");
    if (!kept)
        return;
    const bool yes = Coin();
    prompter.answer = [yes](const Message&) { return yes ? QMessageBox::Yes : QMessageBox::No; };
    window->OfferKeptGame(Kept());
    if (std::filesystem::exists(Kept()))
        Fail("the kept game stays after its answer");
    model.n = yes ? n : 4;
    if (yes) {
        model.Begin(cells);
        model.helped = helped;
        if (window->Helped() != helped)
            Fail("the kept game lost its helped mark");
    }
}

}  // namespace tilora::test
