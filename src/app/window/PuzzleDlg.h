// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QImage>

#include <ctime>
#include <filesystem>
#include <functional>

#include "app/boardview/BoardView.h"
#include "app/game/Game.h"
#include "app/prompts/TrackedPrompter.h"
#include "app/window/PuzzleMenu.h"
#include "display/PaintState.h"
#include "display/PictureCache.h"
#include "picture/PictureRecord.h"
#include "scores/ProfileStore.h"

class QLineEdit;
class QMenu;

namespace tilora {

class Hinter;
class PlayerRecord;
class Prompter;
class RandomSource;
struct SavedGame;
class SystemMenu;
class WindowZoom;

// What the main window takes from outside, so that tests can substitute each part.
struct PuzzleEnvironment {
    Prompter& prompter;
    ProfileStore scores;
    RandomSource& random;
    std::function<std::time_t()> now;  // seeds each deal; dates each kept game
    // The file of kept games; none keeps them for the session only.
    std::filesystem::path record = {};
};

// The main window: the game's control. The game's state is the Game's; the window keeps
// the menus, the questions and the dialogs in their order, and connects the Game once to
// those who follow it (the board's view, the record, the hint, the title). Each menu
// command and window message has its own handler that reads as the game's rules do.
class CPuzzleDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CPuzzleDlg(PuzzleEnvironment environment, QWidget* parent = nullptr);
    ~CPuzzleDlg() override;

    // Menu commands.
    void OnNew();
    void OnPauseRestart();
    void OnExit();
    void OnDifficultyLevel();
    void OnNoOfBlocks();
    void OnChoosePicture(int picture);
    void OnOpenPicture();
    // What Open Picture does after its dialog, for a file dropped on the window or named
    // on the command line: the same questions, messages and timer.
    void OpenPictureFile(const QString& path);
    void OnAbout();
    void OnHowToPlay();
    // A command of the window's system menu, by its system-command id.
    void OnSysCommand(unsigned id);
    void OnSaveGame();
    void OnOpenGame();
    // Copy Deal and Paste Deal: the deal as text on the system clipboard.
    void OnCopyDeal();
    void OnPasteDeal();
    // When the program is told to end (logout, Ctrl+C): the game in progress, if any and
    // not solved, is written to `file` with its helped mark, without a question, to be
    // offered at the next start.
    void KeepGameForNextStart(const std::filesystem::path& file);
    // At the start: a game kept in `file` is offered, and the file removed once answered.
    void OfferKeptGame(const std::filesystem::path& file);
    void OnBestScores();
    // View > Numbers on Blocks, remembered for the next start.
    void OnNumbersOnBlocks(bool on);
    void OnUndo() { m_game.Undo(); }
    void OnRedo() { m_game.Redo(); }
    void OnHint();
    // Game > Statistics... and View > Show Moves, remembered for the next start.
    void OnStatistics();
    void OnShowMoves(bool on);

    // The timer message.
    void OnTimer() { m_game.Tick(); }

    // One move for a double click at client point (x, y), and for a drag from (x, y)
    // that ended on the blank.
    void MoveBlockAt(int x, int y);
    // Esc, the close box and the system menu's Close: during a game they ask Exit's question.
    void reject() override;

    // Operations shared by the commands.
    void Deal();
    // The victory sequence after the solving move: its message, then the best times.
    void Victory();
    // The best-score step of the victory sequence: a new best asks for the name and stores
    // time, name and level of the grid size in the score file.
    void RecordBestScore();
    void ShowCount();
    // Asks for the whole client area to be painted anew from the state.
    void Invalidate();
    // Makes the loaded-picture record, just filled by a read, the picture in use; or,
    // when `photo` is not null, that photo.
    void UseLoadedPicture(const QImage& photo = {});

    // The state, for tests.
    const Game& GetGame() const { return m_game; }
    bool Playing() const { return m_game.Playing(); }
    bool Paused() const { return m_game.Paused(); }
    bool CustomPicture() const { return m_bCustomPicture; }
    bool ShowFinished() const { return m_game.ShowFinished(); }
    int Seconds() const { return m_game.Seconds(); }
    int Level() const { return m_game.Level(); }
    int DealtLevel() const { return m_game.DealtLevel(); }
    int Picture() const { return m_nPicture; }
    bool TimerRunning() const { return m_game.TimerRunning(); }
    // A hint moved a block in this game: its time is not entered as a best.
    bool Helped() const { return m_game.Helped(); }
    const Board& GetBoard() const { return m_game.GetBoard(); }
    Board& GetBoard() { return m_game.GetBoard(); }
    const PictureRecord& LoadedPicture() const { return m_picture; }
    PictureRecord& LoadedPicture() { return m_picture; }
    // The parts the window hands its features to.
    BoardView* ClientArea() const { return m_client; }
    WindowZoom& Zooming() const { return *m_zoom; }
    int Zoom() const;
    Hinter& Hints() const { return *m_hints; }
    PlayerRecord& Record() const { return *m_record; }
    const PuzzleMenu& Menu() const { return m_menu; }
    QMenu* SystemMenu() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    void BuildPanel();
    void ConnectMenu();
    // The one place where the game's news reaches those who follow it.
    void ConnectGame();
    void ReadStartNumbers();
    void OnEnded(Game::Outcome outcome, int seconds, bool helped);
    // The window's title, with the moves of the game when Show Moves is on.
    void ShowMoves();
    void OnRecordProblem();
    void ShowPicture();
    void OnBitmapFailed();
    void ReadChosenPicture(const QString& path, int seconds);
    void EndOpenPicture();
    // A saved or kept game becomes the game in progress.
    void RestoreGame(const SavedGame& game, bool helped);
    // The hint's move for `board`, made when the board is still that one and a block may
    // move; the hint hears whether it was.
    void OnHintMove(const Board& board, CellPos cell);

    // The environment's Prompter, tracked: no block moves while a prompt is open, and the
    // board has the keys back after every dialog.
    TrackedPrompter m_prompts;
    PuzzleEnvironment m_env;

    Game m_game;
    bool m_bCustomPicture = false;
    int m_nPicture = 1;
    // The bitmap file the player opened, drawn while m_bCustomPicture is set.
    PictureRecord m_picture;
    // The pictures decoded and scaled for drawing, so that paints only copy pixels.
    PictureCache m_pictures;

    Hinter* m_hints = nullptr;
    // Every finished game, kept; and the shortest way of the game in progress.
    PlayerRecord* m_record = nullptr;

    PuzzleMenu m_menu;
    BoardView* m_client = nullptr;
    QLineEdit* m_secondsField = nullptr;
    WindowZoom* m_zoom = nullptr;
    tilora::SystemMenu* m_systemMenu = nullptr;
};

}  // namespace tilora
