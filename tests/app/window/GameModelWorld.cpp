// SPDX-License-Identifier: GPL-3.0-or-later
// The model test's world: its window, and the checks after every step.
#include "GameModelWorld.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <fstream>

#include "app/hint/Hinter.h"
#include "app/record/PlayerRecord.h"
#include "savegame/SavedGameFile.h"
#include "support/AccessibilityOn.h"
#include "support/BmpWriter.h"

namespace tilora::test {

World::World(std::uint32_t seed) : m_rng(seed)
{
    if (!ActivateAccessibility())
        Fail("the accessibility bridge is off");
    prompter.whileOpen = [this] { BehindTheDialog(); };
    // A signal while the victory's message is open keeps nothing: the game is over.
    prompter.asked = [this](const Message& message) {
        if (message.caption != QStringLiteral("Victory"))
            return;
        window->KeepGameForNextStart(Kept());
        if (std::filesystem::exists(Kept()))
            Fail("a solved game was kept for the next start");
        std::filesystem::remove(Kept());
    };
    prompter.shown = [this](QDialog& d) {
        if (d.objectName() == QStringLiteral("highScoreDialog") && model.helped)
            Fail("a helped game was asked for a best time");
    };
    WritePicture();
    Open();
}

std::string World::Run(const std::vector<Step>& steps)
{
    for (std::size_t i = 0; i < steps.size(); ++i) {
        m_rng.seed(steps[i].seed);
        Do(steps[i].input);
        QCoreApplication::processEvents();
        if (m_failure.empty())
            Check();
        if (!m_failure.empty())
            return "step " + std::to_string(i) + " (" + kInputNames[static_cast<int>(steps[i].input)] +
                   "): " + m_failure;
    }
    return {};
}

void World::Fail(const std::string& what)
{
    if (m_failure.empty())
        m_failure = what;
}

void World::Open()
{
    window = std::make_unique<CPuzzleDlg>(
        PuzzleEnvironment{prompter, ProfileStore(dir / "Tilora.hi"), random, [this] { return now; }, dir / "games"});
    window->Hints().SetSearch([](const Board& board, std::stop_token) {
        // A one-move plan: the first block beside the blank, up, left, right, down.
        const auto blank = board.Blank();
        for (const CellPos cell : {CellPos{blank->row - 1, blank->column}, CellPos{blank->row, blank->column - 1},
                                   CellPos{blank->row, blank->column + 1}, CellPos{blank->row + 1, blank->column}})
            if (board.Contains(cell))
                return Hinter::Solution{{cell}};
        return Hinter::Solution{};
    });
    window->show();
    QApplication::setActiveWindow(window.get());
    View().setFocus(Qt::OtherFocusReason);
    model.playing = model.paused = false;
    model.recordOpen = false;
    model.n = 4;
}

void World::Close()
{
    prompter.whileOpen = nullptr;
    window.reset();
}

void World::WritePicture()
{
    BmpFile f;
    f.width = 6;
    f.height = 4;
    f.bits = 8;
    f.palette = std::vector<Rgb>(256, Rgb{9, 9, 9});
    f.pixels = Bytes(8 * 4, 1);
    WriteFile(dir / "picture.bmp", f.Build());
}

void World::BehindTheDialog()
{
    if (m_inProbe)
        return;
    m_inProbe = true;
    // The dialog has the keys while it is open.
    View().clearFocus();
    const std::vector<int> before = Cells(Shown());
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(&View(), key);
    window->OnUndo();
    window->OnRedo();
    if (const auto blank = Shown().Blank())
        for (const CellPos cell : {CellPos{blank->row - 1, blank->column}, CellPos{blank->row, blank->column + 1}})
            if (Shown().Contains(cell))
                window->MoveBlockAt(cell.column * Shown().BlockSize() + 1, cell.row * Shown().BlockSize() + 1);
    if (Cells(Shown()) != before)
        Fail("a block moved behind a dialog");
    m_inProbe = false;
}

void World::Check()
{
    const PaintState state = View().State();
    if (state.playing != model.playing)
        return Fail(model.playing ? "no game runs" : "a game runs");
    if (model.playing && state.paused != model.paused)
        return Fail("the pause differs");
    const Board& board = *state.board;
    if (&board != &Shown())
        return Fail("the view shows another board");
    const bool boardOnShow = ScreenFor(state) != Screen::Title && ScreenFor(state) != Screen::Pause;
    if (model.playing && Cells(board) != model.cells)
        return Fail("the board differs from the model");
    if ((model.playing || boardOnShow) && !IsPermutation(board))
        return Fail("the board on show is not a permutation of its size " + std::to_string(board.GridSize()));
    if (window->Record().Games().size() != static_cast<std::size_t>(model.ended))
        return Fail("the record holds " + std::to_string(window->Record().Games().size()) + " games, not " +
                    std::to_string(model.ended));
    if (std::filesystem::exists(Kept()))
        return Fail("a game is kept while the session goes on");
    // The file as the next start reads it, now and then.
    if (++m_checks % 500 == 0) {
        PlayerRecord file(dir / "games", [] { return PlayerRecord::Databases(); }, [] { return std::int64_t{0}; });
        if (file.Games().size() != static_cast<std::size_t>(model.ended) || file.Problem().kind != RecordProblem::Kind::None)
            return Fail("the record file reads back " + std::to_string(file.Games().size()) + " games, not " +
                        std::to_string(model.ended));
    }
    CheckReader(board, boardOnShow, state);
}

void World::CheckReader(const Board& board, bool boardOnShow, const PaintState& state)
{
    const int n = board.GridSize();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&View())->child(0);
    if (table->tableInterface()->rowCount() != n || table->tableInterface()->columnCount() != n)
        return Fail("the accessible table has another size than the board");
    if (const auto cursor = View().Cursor(); cursor && !board.Contains(*cursor))
        return Fail("the reading cursor lies outside the board");
    if (!table->focusChild())
        return Fail("the table has no focused cell");
    for (int i = 0; i < 3; ++i) {
        const CellPos cell{Random(n), Random(n)};
        const QString name = table->tableInterface()->cellAt(cell.row, cell.column)->text(QAccessible::Name);
        const int tile = board.Cell(cell.row, cell.column);
        const QString expected =
            !boardOnShow ? (ScreenFor(state) == Screen::Pause ? QStringLiteral("Game paused") : QStringLiteral("No game"))
            : tile == n * n ? QStringLiteral("Blank, row %1, column %2").arg(cell.row + 1).arg(cell.column + 1)
                            : QStringLiteral("Block %1, row %2, column %3").arg(tile).arg(cell.row + 1).arg(cell.column + 1);
        if (name != expected)
            return Fail("the reader says \"" + name.toStdString() + "\" for \"" + expected.toStdString() + "\"");
    }
}

}  // namespace tilora::test
