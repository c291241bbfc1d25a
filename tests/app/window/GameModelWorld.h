// SPDX-License-Identifier: GPL-3.0-or-later
// The world of the model test: a main window with its files, a Prompter that answers as
// each step says, and the model of the rules it is checked against (see GameModelTest).
#pragma once

#include <QAccessible>

#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "GameModel.h"
#include "app/prompts/Prompter.h"
#include "app/window/PuzzleDlg.h"
#include "board/CrtRandom.h"
#include "support/TempDir.h"

namespace tilora::test {


enum class Input {
    New, Arrow, DoubleClick, Drag, CellAction, CursorSpace, Cursor, Undo, Redo, Hint, Pause, Level, Blocks,
    OpenGame, SaveGame, ChangePicture, OpenPicture, Signal, Statistics, Replay, Count
};
inline constexpr const char* kInputNames[] = {"New", "Arrow", "DoubleClick", "Drag", "CellAction", "CursorSpace",
                                       "Cursor", "Undo", "Redo", "Hint", "Pause", "Level", "Blocks", "OpenGame",
                                       "SaveGame", "ChangePicture", "OpenPicture", "Signal", "Statistics", "Replay"};

struct Step {
    Input input;
    std::uint32_t seed;
};

inline std::vector<int> Cells(const Board& board)
{
    std::vector<int> cells;
    for (int i = 0; i < board.GridSize() * board.GridSize(); ++i)
        cells.push_back(board.Cell(i / board.GridSize(), i % board.GridSize()));
    return cells;
}

inline bool IsPermutation(const Board& board)
{
    std::vector<int> cells = Cells(board);
    std::sort(cells.begin(), cells.end());
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (cells[i] != static_cast<int>(i) + 1)
            return false;
    return true;
}

// Answers every interaction as the running step says, and tries a move of every kind
// while it is open: none may happen behind a dialog.
class ModelPrompter final : public Prompter {
public:
    std::function<QMessageBox::StandardButton(const Message&)> answer;
    std::function<int(QDialog&)> dialog;
    QString file;
    std::function<void()> whileOpen;
    std::function<void(const Message&)> asked;
    std::function<void(QDialog&)> shown;

    QMessageBox::StandardButton Ask(QWidget*, const Message& message) override
    {
        Probe();
        if (asked)
            asked(message);
        if (answer)
            return answer(message);
        return message.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    }
    int Exec(QDialog& d) override
    {
        Probe();
        if (shown)
            shown(d);
        if (dialog)
            return dialog(d);
        return QDialog::Rejected;
    }
    QString ChooseFile(QWidget*, const FileRequest&) override
    {
        Probe();
        return file;
    }
    void Probe()
    {
        if (whileOpen)
            whileOpen();
    }
};

class World {
public:
    explicit World(std::uint32_t seed);
    ~World() { Close(); }

    // Runs the steps; the first broken rule, or empty.
    std::string Run(const std::vector<Step>& steps);

private:
    int Random(int bound) { return static_cast<int>(m_rng() % static_cast<std::uint32_t>(bound)); }
    bool Coin() { return Random(2) == 0; }
    void Fail(const std::string& what);
    BoardView& View() const { return *window->ClientArea(); }
    const Board& Shown() const { return window->GetBoard(); }
    std::filesystem::path Kept() const { return dir / "interrupted.tlr"; }

    void Open();
    void Close();
    void WritePicture();

    // Every kind of move, tried while a prompt is open: the board must stay as it is.
    void BehindTheDialog();

    void Deal();

    // A cell the move inputs aim at: mostly a block beside the blank.
    CellPos Target();
    QPoint Centre(CellPos cell) const;

    // A move by `make`, aimed at `cell`: the model says whether it must happen.
    void Move(CellPos cell, bool byHint, const std::function<void()>& make, bool wholeLine = false);
    void WonNow() { m_won = true; }

    void Do(Input input);

    static int ClickOk(QDialog& d);

    // The victory's dialogs came and went: no best is asked for a helped game.
    void Victory();

    // A file the game can read, a damaged one, one with negative seconds, or none.
    void OpenGame();
    // Replay Last Game: the replay starts where the last game began, its keys keep board
    // and slider with its moves, and its end is the board the game ended on.
    void Replay();

    // The session ends with a game kept; the next start offers it.
    void Signal();

    void Check();

    // The reading cursor and the accessible table have the board's size; the cells say
    // what is on show.
    void CheckReader(const Board& board, bool boardOnShow, const PaintState& state);

public:
    TempDir dir;
    ModelPrompter prompter;
    CrtRandom random;
    std::time_t now = 1'700'000'000;
    std::unique_ptr<CPuzzleDlg> window;
    GameModel model;

private:
    std::mt19937 m_rng;
    std::string m_failure;
    bool m_inProbe = false;
    int m_checks = 0;
    bool m_won = false;
    bool m_answerVictory = false;
};

}  // namespace tilora::test
