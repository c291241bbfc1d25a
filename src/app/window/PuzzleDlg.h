// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QDialog>
#include <QImage>

#include <ctime>
#include <filesystem>
#include <functional>

#include "app/boardview/BoardView.h"
#include "app/prompts/TrackedPrompter.h"
#include "app/window/PuzzleMenu.h"
#include "board/Board.h"
#include "board/MoveHistory.h"
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

// The main window: the game's control. It holds the whole state of the game in plain
// fields, and each menu command and window message has its own handler that reads as the
// game's rules do; the work of each step lives in the module that owns it, and each
// feature around the game (the board's view, the zoom, the system menu, a dropped file,
// the hint) in a class of its own that the window hands it to.
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
    // When the program is told to end (logout, Ctrl+C): the game in progress, if any, is
    // written to `file` without a question, to be offered at the next start.
    void KeepGameForNextStart(const std::filesystem::path& file);
    // At the start: a game kept in `file` is offered, and the file removed once answered.
    void OfferKeptGame(const std::filesystem::path& file);
    void OnBestScores();
    // View > Numbers on Blocks, remembered for the next start.
    void OnNumbersOnBlocks(bool on);
    void OnUndo();
    void OnRedo();
    void OnHint();
    // Game > Statistics... and View > Show Moves, remembered for the next start.
    void OnStatistics();
    void OnShowMoves(bool on);

    // The timer message.
    void OnTimer();

    // One move for a double click at client point (x, y), and for a drag from (x, y)
    // that ended on the blank.
    void MoveBlockAt(int x, int y);
    // Esc, the close box and the system menu's Close: during a game they ask Exit's question.
    void reject() override;

    // Operations shared by the commands.
    void Deal();
    void Victory();
    // The best-score step of the victory sequence: a new best asks for the name and stores
    // time, name and level of the grid size in the score file.
    void RecordBestScore();
    void StartTimer();
    void StopTimer();
    void ShowCount();
    // Asks for the whole client area to be painted anew from the state.
    void Invalidate();
    // Makes the loaded-picture record, just filled by a read, the picture in use; or,
    // when `photo` is not null, that photo.
    void UseLoadedPicture(const QImage& photo = {});

    // The state, for the painter and for tests.
    bool Playing() const { return m_bPlaying; }
    bool Paused() const { return m_bPaused; }
    bool CustomPicture() const { return m_bCustomPicture; }
    bool ShowFinished() const { return m_bShowFinished; }
    int Seconds() const { return m_nSeconds; }
    int Level() const { return m_nLevel; }
    int DealtLevel() const { return m_nDealtLevel; }
    int Picture() const { return m_nPicture; }
    bool TimerRunning() const { return m_timer.isActive(); }
    // A hint moved a block in this game: its time is not entered as a best.
    bool Helped() const;
    const Board& GetBoard() const { return m_board; }
    Board& GetBoard() { return m_board; }
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
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildWindow();
    void BuildPanel();
    void ConnectMenu();
    void ConnectMoves();
    void ReadStartLevel();
    void ReadStartNumbers();
    void ConnectRecord();
    // The window's title, with the moves of the game when Show Moves is on.
    void ShowMoves();
    void OnRecordProblem();
    PaintState CurrentPaintState() const;
    void OnBitmapFailed();
    void ReadChosenPicture(const QString& path, int seconds);
    void EndOpenPicture();
    // A saved or kept game becomes the game in progress.
    void RestoreGame(const SavedGame& game);

    // How a slide came about, for the history and the hint.
    enum class MoveKind { Player, Undo, Redo, Hint };
    // The one rule for every kind of move: a game runs, it is not paused, and no dialog
    // is open.
    bool MayMove() const;
    // The block on `cell` may slide now: the rule above, and the blank next to it.
    bool CanSlide(CellPos cell) const;
    // The one entry for a move of any kind: the slide, the quick redraw, the history and
    // the hint told, the solved test and the victory. False when no block moved.
    bool MoveBlock(CellPos cell, MoveKind kind);
    // The hint's move for `board`, made when the board is still that one and a block may
    // move; the hint hears whether it was.
    void OnHintMove(const Board& board, CellPos cell);
    // A new game or a game read from a file: no history, no plan, no help.
    void ForgetMoves();

    // The environment's Prompter, tracked: a hint moves no block while a prompt is open,
    // and the board has the keys back after every dialog.
    TrackedPrompter m_prompts;
    PuzzleEnvironment m_env;

    bool m_bPlaying = false;
    bool m_bPaused = false;
    bool m_bCustomPicture = false;
    bool m_bShowFinished = false;
    int m_nSeconds = 0;
    int m_nLevel = 0;
    int m_nDealtLevel = 0;  // the start-up level until the first deal
    int m_nPicture = 1;
    Board m_board;
    QBasicTimer m_timer;
    // The bitmap file the player opened, drawn while m_bCustomPicture is set.
    PictureRecord m_picture;
    // The pictures decoded and scaled for drawing, so that paints only copy pixels.
    PictureCache m_pictures;

    // The moves of the game in progress, for undo and redo.
    MoveHistory m_history;
    Hinter* m_hints = nullptr;
    // Every finished game, kept; the moves and the shortest way of the game in progress.
    PlayerRecord* m_record = nullptr;

    PuzzleMenu m_menu;
    BoardView* m_client = nullptr;
    QLineEdit* m_secondsField = nullptr;
    WindowZoom* m_zoom = nullptr;
    tilora::SystemMenu* m_systemMenu = nullptr;
};

}  // namespace tilora
