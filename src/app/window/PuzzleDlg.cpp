// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/PuzzleDlg.h"

#include <QAction>
#include <QLineEdit>
#include <QTimerEvent>

#include "app/boardview/BoardView.h"
#include "app/dialogs/AboutDlg.h"
#include "app/dialogs/BlocksDlg.h"
#include "app/dialogs/InstructionsDlg.h"
#include "app/dialogs/LevelDlg.h"
#include "app/hint/Hinter.h"
#include "app/prompts/Messages.h"
#include "app/prompts/Prompter.h"
#include "app/record/PlayerRecord.h"
#include "app/startup/AfterFirstPaint.h"
#include "app/startup/AppIcon.h"
#include "app/window/SystemMenu.h"
#include "app/window/WindowAccessible.h"
#include "app/window/WindowZoom.h"
#include "board/CrtRandom.h"
#include "board/Deal.h"
#include "common/CrtNumbers.h"
#include "scores/ScoreKeys.h"

namespace tilora {
namespace {

constexpr int kTimerPeriodMs = 1000;

}  // namespace

CPuzzleDlg::CPuzzleDlg(PuzzleEnvironment environment, QWidget* parent)
    : QDialog(parent),
      m_prompts(environment.prompter, [this] { m_client->setFocus(Qt::OtherFocusReason); }),
      m_env{m_prompts, std::move(environment.scores), environment.random, std::move(environment.now),
            std::move(environment.record)}
{
    InstallWindowAccessibility();
    BuildWindow();
    ConnectMenu();
    ConnectMoves();
    ConnectRecord();
    // The icon waits for the first paint: given to the window system before the window
    // maps, every size of it would be read first.
    AfterFirstPaint(*m_client, [this] { setWindowIcon(AppIcon()); });

    // The fields start as declared: no game, not paused, the first built-in picture,
    // a 4 x 4 board and a count of 0.
    ShowCount();
    ReadStartLevel();
    m_zoom->ReadStart();
    ReadStartNumbers();
}

CPuzzleDlg::~CPuzzleDlg()
{
    // The end of the session (SIGTERM, SIGHUP) ends a running game as Exit would.
    m_record->Abandon(m_nSeconds, Helped());
}

void CPuzzleDlg::ConnectMenu()
{
    connect(m_menu.newGame, &QAction::triggered, this, &CPuzzleDlg::OnNew);
    connect(m_menu.pauseRestart, &QAction::triggered, this, &CPuzzleDlg::OnPauseRestart);
    connect(m_menu.exit, &QAction::triggered, this, &CPuzzleDlg::OnExit);
    connect(m_menu.level, &QAction::triggered, this, &CPuzzleDlg::OnDifficultyLevel);
    connect(m_menu.blocks, &QAction::triggered, this, &CPuzzleDlg::OnNoOfBlocks);
    connect(m_menu.openPicture, &QAction::triggered, this, &CPuzzleDlg::OnOpenPicture);
    connect(m_menu.saveGame, &QAction::triggered, this, &CPuzzleDlg::OnSaveGame);
    connect(m_menu.openGame, &QAction::triggered, this, &CPuzzleDlg::OnOpenGame);
    connect(m_menu.bestScores, &QAction::triggered, this, &CPuzzleDlg::OnBestScores);
    connect(m_menu.zoomIn, &QAction::triggered, m_zoom, &WindowZoom::ZoomIn);
    connect(m_menu.zoomOut, &QAction::triggered, m_zoom, &WindowZoom::ZoomOut);
    connect(m_menu.actualSize, &QAction::triggered, m_zoom, &WindowZoom::ActualSize);
    connect(m_menu.numbers, &QAction::triggered, this, &CPuzzleDlg::OnNumbersOnBlocks);
    connect(m_menu.about, &QAction::triggered, this, &CPuzzleDlg::OnAbout);
    connect(m_menu.howToPlay, &QAction::triggered, this, &CPuzzleDlg::OnHowToPlay);
    connect(m_systemMenu, &SystemMenu::command, this, &CPuzzleDlg::OnSysCommand);
    for (int i = 0; i < static_cast<int>(m_menu.pictures.size()); ++i)
        connect(m_menu.pictures[i], &QAction::triggered, this, [this, i] { OnChoosePicture(i + 1); });
}

void CPuzzleDlg::ReadStartLevel()
{
    const std::string text = m_env.scores.GetString(keys::kLevelSection, keys::kLevelKey, keys::kLevelDefaultText);
    m_nLevel = AtoI(text);
    // A game restored from a file and solved before any deal records this level.
    m_nDealtLevel = m_nLevel;
}

void CPuzzleDlg::ReadStartNumbers()
{
    const bool numbers = m_env.scores.GetInt(keys::kViewSection, keys::kNumbersKey, 0) != 0;
    m_menu.numbers->setChecked(numbers);
    m_client->SetNumbers(numbers);
    m_menu.showMoves->setChecked(m_env.scores.GetInt(keys::kViewSection, keys::kShowMovesKey, 0) != 0);
    ShowMoves();
}

void CPuzzleDlg::OnNumbersOnBlocks(bool on)
{
    m_client->SetNumbers(on);
    m_env.scores.WriteString(keys::kViewSection, keys::kNumbersKey, ItoA(on ? 1 : 0));
}

int CPuzzleDlg::Zoom() const
{
    return m_zoom->Zoom();
}

QMenu* CPuzzleDlg::SystemMenu() const
{
    return m_systemMenu->Menu();
}

void CPuzzleDlg::StartTimer()
{
    m_timer.start(kTimerPeriodMs, this);
}

void CPuzzleDlg::StopTimer()
{
    m_timer.stop();
}

void CPuzzleDlg::ShowCount()
{
    m_secondsField->setText(QString::number(m_nSeconds));
}

void CPuzzleDlg::Invalidate()
{
    m_client->update();
}

void CPuzzleDlg::UseLoadedPicture(const QImage& photo)
{
    m_bCustomPicture = true;
    m_pictures.DropLoaded();
    if (!photo.isNull())
        m_pictures.SetLoadedSource(photo);
}

void CPuzzleDlg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        OnTimer();
    else
        QDialog::timerEvent(event);
}

void CPuzzleDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_zoom->WindowShown();
}

void CPuzzleDlg::OnTimer()
{
    ++m_nSeconds;
    ShowCount();
}

void CPuzzleDlg::OnNew()
{
    if (m_bPlaying) {
        if (m_env.prompter.Ask(this, messages::ConfirmNewGame()) == QMessageBox::Yes) {
            m_bPlaying = false;
            Deal();
        }
    } else {
        Deal();
    }
    Invalidate();
}

void CPuzzleDlg::Deal()
{
    m_record->Abandon(m_nSeconds, Helped());
    m_bPlaying = true;
    m_nSeconds = 0;
    ShowCount();
    m_nDealtLevel = m_nLevel;
    m_env.random.Seed(static_cast<std::uint32_t>(m_env.now()));
    ScrambleBoard(m_board, m_nLevel, m_env.random);
    m_record->Begin(m_board, m_nLevel);
    ForgetMoves();
    if (!m_bPaused)
        StartTimer();
    m_client->Announce(tr("New game"));
    m_client->FocusBlank();
}

void CPuzzleDlg::OnPauseRestart()
{
    if (!m_bPlaying)
        return;
    if (m_bPaused) {
        StartTimer();
        m_bPaused = false;
    } else {
        StopTimer();
        m_bPaused = true;
    }
    Invalidate();
    m_client->Announce(m_bPaused ? tr("Game paused") : tr("Game restarted"));
}

void CPuzzleDlg::OnExit()
{
    if (m_bPlaying && m_env.prompter.Ask(this, messages::ConfirmExit()) != QMessageBox::Yes)
        return;
    m_record->Abandon(m_nSeconds, Helped());
    accept();
}

void CPuzzleDlg::OnDifficultyLevel()
{
    CLevelDlg dialog(m_env.scores, m_env.prompter, this);
    m_env.prompter.Exec(dialog);
    m_nLevel = dialog.Level();
}

void CPuzzleDlg::OnNoOfBlocks()
{
    if (m_bPlaying) {
        if (m_env.prompter.Ask(this, messages::ConfirmBlocks()) != QMessageBox::Yes)
            return;
        m_record->Abandon(m_nSeconds, Helped());
        m_bPlaying = false;
    }
    ForgetMoves();
    CBlocksDlg dialog(this);
    m_env.prompter.Exec(dialog);
    m_board.SetGridSize(CBlocksDlg::GridSizeFor(dialog.Choice()));
    // Neither a repaint nor the count: the next New deals and shows the new size.
    m_nSeconds = 0;
    m_bPaused = false;
    StopTimer();
}

void CPuzzleDlg::OnChoosePicture(int picture)
{
    m_nPicture = picture;
    for (int i = 0; i < static_cast<int>(m_menu.pictures.size()); ++i)
        m_menu.pictures[i]->setChecked(i + 1 == picture);
    if (m_bCustomPicture && m_env.prompter.Ask(this, messages::UseBuiltInPicture()) == QMessageBox::Yes)
        m_bCustomPicture = false;
    Invalidate();
}

void CPuzzleDlg::Victory()
{
    StopTimer();
    // The game is over: its moves can no longer be taken back.
    m_history.Clear();
    m_record->Won(m_nSeconds, Helped());
    m_env.prompter.Ask(this, messages::Victory());
    m_bPlaying = false;
    m_bShowFinished = true;
    RecordBestScore();
    OnBestScores();
}

void CPuzzleDlg::reject()
{
    if (m_bPlaying && m_env.prompter.Ask(this, messages::ConfirmExit()) != QMessageBox::Yes)
        return;
    m_record->Abandon(m_nSeconds, Helped());
    QDialog::reject();
}

void CPuzzleDlg::OnSysCommand(unsigned id)
{
    switch (id & kSysCommandMask) {
    case kIdmAboutBox:
        OnAbout();
        break;
    case kScMinimize:
        showMinimized();
        break;
    case kScClose:
        // The close box: the dialog ends through the cancel path without a question.
        reject();
        break;
    default:
        break;
    }
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
