// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QImage>

#include "app/boardview/BoardView.h"
#include "app/game/Game.h"
#include "app/prompts/TrackedPrompter.h"
#include "app/window/PuzzleEnvironment.h"
#include "app/window/HintControl.h"
#include "app/window/PuzzleMenu.h"
#include "app/window/RecordDialogs.h"
#include "app/window/SystemMenu.h"
#include "app/window/WindowZoom.h"
#include "display/PictureCache.h"
#include "picture/PictureRecord.h"

class QLineEdit;
class QMenu;

namespace tilora {

class Hinter;
class PlayerRecord;
struct SavedGame;
class ViewOptions;

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
    // Open Picture after its dialog, for a file dropped on the window or named on the
    // command line: the same questions, messages and timer.
    void OpenPictureFile(const QString& path);
    void OnAbout();
    void OnHowToPlay();
    void OnSysCommand(unsigned id) { RunSysCommand(id, *this, [this] { OnAbout(); }); }
    void OnSaveGame();
    void OnOpenGame();
    void OnBestScores();
    void OnUndo();
    void OnRedo();
    void OnHint() { m_hints->Ask(); }
    void OnStatistics() { ShowStatistics(*m_record, *m_client, m_env.prompter, this); }
    void OnReplayLastGame() { ReplayLastGame(*m_record, *m_client, m_env.prompter, this); }
    // Paste Deal: a deal from the system clipboard starts as a new game.
    void OnPasteDeal();
    void OnTimer() { m_game.Tick(); }
    // When the program is told to end (logout, Ctrl+C): the game in progress, if open and
    // not solved, is written to `file` with its helped mark, to be offered at the next start.
    void KeepGameForNextStart(const std::filesystem::path& file);
    // At the start: a game kept in `file` is offered, and the file removed once answered.
    void OfferKeptGame(const std::filesystem::path& file);
    // The mouse's move: a double click at client point (x, y), or a drag from there that
    // ended on the blank, slides the block there and every block between it and the blank.
    void MoveBlockAt(int x, int y);
    // Esc, the close box and the system menu's Close: during a game they ask Exit's question.
    void reject() override;

    void Deal();
    // After the solving move: the victory's message, then the best times.
    void Victory();
    // A new best asks for the name and stores time, name and level of the grid size.
    void RecordBestScore();
    void Invalidate()
    {
        m_client->EndSlide();
        m_client->update();
    }
    // The loaded-picture record, just filled by a read, or `photo` when not null, becomes
    // the picture in use.
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
    bool Helped() const { return m_game.Helped(); }
    const Board& GetBoard() const { return m_game.GetBoard(); }
    Board& GetBoard() { return m_game.GetBoard(); }
    const PictureRecord& LoadedPicture() const { return m_picture; }
    PictureRecord& LoadedPicture() { return m_picture; }
    BoardView* ClientArea() const { return m_client; }
    WindowZoom& Zooming() const { return *m_zoom; }
    int Zoom() const { return m_zoom->Zoom(); }
    Hinter& Hints() const { return m_hints->Hints(); }
    PlayerRecord& Record() const { return *m_record; }
    const PuzzleMenu& Menu() const { return m_menu; }
    QMenu* SystemMenu() const { return m_systemMenu->Menu(); }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    void ConnectMenu();
    // The one place where the game's news reaches those who follow it.
    void ConnectGame();
    void OnEnded(Game::Outcome outcome, int seconds, bool helped);
    void ShowCount();
    void ShowPicture() { m_client->SetPicture(m_bCustomPicture, m_nPicture); }
    void OnBitmapFailed();
    void ReadChosenPicture(const QString& path, int seconds);
    void EndOpenPicture();
    void RestoreGame(const SavedGame& game, bool helped);

    // The environment's Prompter, tracked: no block moves while a prompt is open, and the
    // board has the keys back after every dialog.
    TrackedPrompter m_prompts;
    PuzzleEnvironment m_env;
    Game m_game;
    bool m_bCustomPicture = false;
    int m_nPicture = 1;
    // The bitmap file the player opened, drawn while m_bCustomPicture is set, and the
    // pictures decoded and scaled for drawing, so that paints only copy pixels.
    PictureRecord m_picture;
    PictureCache m_pictures;
    HintControl* m_hints = nullptr;
    PlayerRecord* m_record = nullptr;
    PuzzleMenu m_menu;
    BoardView* m_client = nullptr;
    QLineEdit* m_secondsField = nullptr;
    WindowZoom* m_zoom = nullptr;
    tilora::SystemMenu* m_systemMenu = nullptr;
    ViewOptions* m_viewOptions = nullptr;
};

}  // namespace tilora
