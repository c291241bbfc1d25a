// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/PuzzleDlg.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>

#include "app/boardview/CommandNews.h"
#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/BlocksDlg.h"
#include "app/dialogs/InstructionsDlg.h"
#include "app/dialogs/LevelDlg.h"
#include "app/hint/HintTables.h"
#include "app/hint/Hinter.h"
#include "app/prompts/Messages.h"
#include "app/prompts/Prompter.h"
#include "app/record/PlayerRecord.h"
#include "app/startup/AfterFirstPaint.h"
#include "app/startup/AppIcon.h"
#include "app/window/DealClipboard.h"
#include "app/window/RecordProblemMessage.h"
#include "app/window/ViewOptions.h"
#include "app/window/WindowAccessible.h"
#include "app/window/WindowActivation.h"
#include "common/CrtNumbers.h"
#include "scores/ScoreKeys.h"

namespace tilora {

CPuzzleDlg::CPuzzleDlg(PuzzleEnvironment environment, QWidget* parent)
    : QDialog(parent),
      m_prompts(environment.prompter, [this] { m_client->setFocus(Qt::OtherFocusReason); }),
      m_env{m_prompts, std::move(environment.scores), environment.random, std::move(environment.now),
            std::move(environment.record), environment.slides}
{
    InstallWindowAccessibility();
    FollowMissedActivation(*this);
    BuildWindow();
    ConnectMenu();
    ConnectGame();
    // The icon waits for the first paint: given to the window system before the window
    // maps, every size of it would be read first.
    AfterFirstPaint(*m_client, [this] { setWindowIcon(AppIcon()); });

    // The fields start as declared: no game, not paused, the first built-in picture,
    // a 4 x 4 board and a count of 0.
    ShowCount();
    m_game.SetStartLevel(
        AtoI(m_env.scores.GetString(keys::kLevelSection, keys::kLevelKey, keys::kLevelDefaultText)));
    m_zoom->ReadStart();
    m_viewOptions->ReadStart();
    m_viewOptions->FollowMotion(*m_menu.bar, m_env.slides);
}

CPuzzleDlg::~CPuzzleDlg()
{
    // The end of the session (SIGTERM, SIGHUP) ends a running game as Exit would.
    m_game.Quit();
    // Hidden while the game lives: the keys' leaving and a running slide's end read it.
    hide();
}

void CPuzzleDlg::ConnectMenu()
{
    const std::pair<QAction*, void (CPuzzleDlg::*)()> commands[] = {
        {m_menu.newGame, &CPuzzleDlg::OnNew},           {m_menu.pauseRestart, &CPuzzleDlg::OnPauseRestart},
        {m_menu.exit, &CPuzzleDlg::OnExit},             {m_menu.level, &CPuzzleDlg::OnDifficultyLevel},
        {m_menu.blocks, &CPuzzleDlg::OnNoOfBlocks},     {m_menu.openPicture, &CPuzzleDlg::OnOpenPicture},
        {m_menu.saveGame, &CPuzzleDlg::OnSaveGame},     {m_menu.openGame, &CPuzzleDlg::OnOpenGame},
        {m_menu.bestScores, &CPuzzleDlg::OnBestScores}, {m_menu.undo, &CPuzzleDlg::OnUndo},
        {m_menu.redo, &CPuzzleDlg::OnRedo},             {m_menu.hint, &CPuzzleDlg::OnHint},
        {m_menu.statistics, &CPuzzleDlg::OnStatistics}, {m_menu.about, &CPuzzleDlg::OnAbout},
        {m_menu.howToPlay, &CPuzzleDlg::OnHowToPlay},   {m_menu.pasteDeal, &CPuzzleDlg::OnPasteDeal},
        {m_menu.replayLastGame, &CPuzzleDlg::OnReplayLastGame}};
    for (const auto& [action, command] : commands)
        connect(action, &QAction::triggered, this, command);
    connect(m_menu.copyDeal, &QAction::triggered, this, [this] { CopyDeal(m_game); });
    connect(m_menu.zoomIn, &QAction::triggered, m_zoom, &WindowZoom::ZoomIn);
    connect(m_menu.zoomOut, &QAction::triggered, m_zoom, &WindowZoom::ZoomOut);
    connect(m_menu.actualSize, &QAction::triggered, m_zoom, &WindowZoom::ActualSize);
    connect(m_systemMenu, &SystemMenu::command, this, &CPuzzleDlg::OnSysCommand);
    for (int i = 0; i < static_cast<int>(m_menu.pictures.size()); ++i)
        connect(m_menu.pictures[i], &QAction::triggered, this, [this, i] { OnChoosePicture(i + 1); });
}

void CPuzzleDlg::ConnectGame()
{
    m_hints = new HintControl(m_game, *m_client, *this);
    // The hint's tables serve the shortest lengths only when they are there already: the
    // record never has them built.
    m_record = new PlayerRecord(
        m_env.record, [] { return HintTables::Shared().AtHand(); }, [this] { return std::int64_t{m_env.now()}; }, this);
    TellRecordProblems(*m_record, m_env.prompter, this);

    // No block moves behind a prompt of the window or any other modal dialog.
    m_game.SetDialogOpen([this] {
        const QWidget* modal = QApplication::activeModalWidget();
        return m_prompts.Open() || (modal && modal != this);
    });
    connect(m_client, &BoardView::pointChosen, this, [this](QPoint point) { MoveBlockAt(point.x(), point.y()); });
    connect(m_client, &BoardView::cellChosen, this,
            [this](CellPos cell) { m_game.MoveBlock(cell, Game::MoveKind::Player); });
    connect(&m_game, &Game::secondsChanged, this, &CPuzzleDlg::ShowCount);

    // A game begins: the record notes its start (the hint hears it by itself).
    connect(&m_game, &Game::began, this, [this] {
        m_record->Begin(m_game.GetBoard(), m_game.DealtLevel());
        m_viewOptions->ShowMoves();
    });
    // A move: the record keeps it, the view redraws the two cells and tells a screen reader.
    connect(&m_game, &Game::moved, this, [this](CellPos from, CellPos to, Game::MoveKind kind) {
        m_record->Moved(from, to, m_game.Seconds(), kind == Game::MoveKind::Hint);
        m_client->RedrawMove(from, to);
        m_viewOptions->ShowMoves();
    });
    connect(&m_game, &Game::sizeChanged, m_client, &BoardView::SizeChanged);
    connect(&m_game, &Game::ended, this,
            [this](Game::Outcome outcome, int seconds, int, bool helped) { OnEnded(outcome, seconds, helped); });
}

void CPuzzleDlg::OnEnded(Game::Outcome outcome, int seconds, bool helped)
{
    // The one place where the record hears how a game ended.
    switch (outcome) {
    case Game::Outcome::Won:
        m_record->Won(seconds, helped);
        return Victory();
    case Game::Outcome::Abandoned:
        return m_record->Abandon(seconds, helped);
    case Game::Outcome::Kept:
        // The game goes on at a later start: it is neither won nor abandoned.
        return m_record->Interrupted();
    }
}

void CPuzzleDlg::MoveBlockAt(int x, int y)
{
    if (const auto cell = m_game.GetBoard().CellForMove(x, y))
        m_game.MoveLine(*cell, Game::MoveKind::Player);
}

// A command with nothing to do changes nothing on screen; a screen reader hears why.
void CPuzzleDlg::OnUndo()
{
    if (!TellRefusal(*m_client, Command::Undo))
        m_game.Undo();
}

void CPuzzleDlg::OnRedo()
{
    if (!TellRefusal(*m_client, Command::Redo))
        m_game.Redo();
}

void CPuzzleDlg::ShowCount()
{
    m_secondsField->setText(QString::number(m_game.Seconds()));
}

void CPuzzleDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_zoom->WindowShown();
}

void CPuzzleDlg::OnNew()
{
    if (!m_game.Playing() || m_env.prompter.Ask(this, messages::ConfirmNewGame()) == QMessageBox::Yes)
        Deal();
    Invalidate();
}

void CPuzzleDlg::Deal()
{
    m_game.Deal(m_env.random, static_cast<std::uint32_t>(m_env.now()));
    m_record->NoteDealt(m_game.StartBoard());
    m_client->Announce(tr("New game"));
    m_client->FocusBlank();
}

void CPuzzleDlg::OnPasteDeal()
{
    // A deal from elsewhere starts as a new game, marked as pasted in the record.
    if (const auto deal = PasteDeal(m_game, m_env.prompter, this)) {
        RestoreGame(*deal, false);
        m_record->MarkPasted(m_game.StartBoard());
        m_client->Announce(tr("New game"));
    }
}

void CPuzzleDlg::OnPauseRestart()
{
    if (!m_game.Playing())
        return;
    m_game.PauseRestart();
    Invalidate();
    m_client->Announce(m_game.Paused() ? tr("Game paused") : tr("Game restarted"));
}

void CPuzzleDlg::OnExit()
{
    if (m_game.Playing() && m_env.prompter.Ask(this, messages::ConfirmExit()) != QMessageBox::Yes)
        return;
    m_game.Quit();
    accept();
}

void CPuzzleDlg::OnDifficultyLevel()
{
    CLevelDlg dialog(m_env.scores, m_env.prompter, this);
    m_env.prompter.Exec(dialog);
    m_game.SetLevel(dialog.Level());
}

void CPuzzleDlg::OnNoOfBlocks()
{
    if (m_game.Playing() && m_env.prompter.Ask(this, messages::ConfirmBlocks()) != QMessageBox::Yes)
        return;
    m_game.Quit();
    Hints().Forget();
    CBlocksDlg dialog(this);
    m_env.prompter.Exec(dialog);
    // Neither a repaint nor the count: the next New deals and shows the new size.
    m_game.SetGridSize(CBlocksDlg::GridSizeFor(dialog.Choice()));
}

void CPuzzleDlg::OnChoosePicture(int picture)
{
    m_nPicture = picture;
    for (int i = 0; i < static_cast<int>(m_menu.pictures.size()); ++i)
        m_menu.pictures[i]->setChecked(i + 1 == picture);
    if (m_bCustomPicture && m_env.prompter.Ask(this, messages::UseBuiltInPicture()) == QMessageBox::Yes)
        m_bCustomPicture = false;
    ShowPicture();
    Invalidate();
}

void CPuzzleDlg::UseLoadedPicture(const QImage& photo)
{
    m_bCustomPicture = true;
    ShowPicture();
    m_pictures.DropLoaded();
    if (!photo.isNull())
        m_pictures.SetLoadedSource(photo);
}

void CPuzzleDlg::Victory()
{
    // The game has ended already (the timer stopped, the moves no longer undone, no game
    // to keep): the message comes first, then the best times. The solving block stands
    // in its place before the message opens.
    m_client->EndSlide();
    m_env.prompter.Ask(this, messages::Victory());
    RecordBestScore();
    OnBestScores();
}

void CPuzzleDlg::reject()
{
    if (m_game.Playing() && m_env.prompter.Ask(this, messages::ConfirmExit()) != QMessageBox::Yes)
        return;
    m_game.Quit();
    QDialog::reject();
}

void CPuzzleDlg::OnAbout()
{
    CAboutDlg dialog(this);
    m_env.prompter.Exec(dialog);
}

void CPuzzleDlg::OnHowToPlay()
{
    CInstructionsDlg dialog(this);
    m_env.prompter.Exec(dialog);
}

}  // namespace tilora
