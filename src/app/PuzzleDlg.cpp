// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PuzzleDlg.h"

#include <QAction>
#include <QLineEdit>
#include <QTimerEvent>

#include "app/BlocksDlg.h"
#include "app/BoardView.h"
#include "app/Hinter.h"
#include "app/LevelDlg.h"
#include "app/Messages.h"
#include "app/Prompter.h"
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
      m_env{m_prompts, std::move(environment.scores), environment.random, std::move(environment.now)}
{
    BuildWindow();
    ConnectMenu();
    ConnectHelp();
    ConnectMoves();
    SetIcon();
    // A picture file dropped from a file manager opens as with Open Picture.
    setAcceptDrops(true);

    // The fields start as declared: no game, not paused, the first built-in picture,
    // a 4 x 4 board and a count of 0.
    ShowCount();
    ReadStartLevel();
    ReadStartZoom();
}

CPuzzleDlg::~CPuzzleDlg() = default;

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
    connect(m_menu.zoomIn, &QAction::triggered, this, &CPuzzleDlg::OnZoomIn);
    connect(m_menu.zoomOut, &QAction::triggered, this, &CPuzzleDlg::OnZoomOut);
    connect(m_menu.actualSize, &QAction::triggered, this, &CPuzzleDlg::OnActualSize);
    connect(m_menu.numbers, &QAction::triggered, this, &CPuzzleDlg::OnNumbersOnBlocks);
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
    else if (event->timerId() == m_settle.timerId())
        OnResizeSettled();
    else
        QDialog::timerEvent(event);
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
    m_bPlaying = true;
    m_nSeconds = 0;
    ShowCount();
    m_nDealtLevel = m_nLevel;
    m_env.random.Seed(static_cast<std::uint32_t>(m_env.now()));
    ScrambleBoard(m_board, m_nLevel, m_env.random);
    ForgetMoves();
    if (!m_bPaused)
        StartTimer();
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
}

void CPuzzleDlg::OnExit()
{
    if (m_bPlaying && m_env.prompter.Ask(this, messages::ConfirmExit()) != QMessageBox::Yes)
        return;
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

void CPuzzleDlg::MoveBlockAt(int x, int y)
{
    if (!m_bPlaying || m_bPaused)
        return;
    const auto cell = m_board.CellForMove(x, y);
    if (!cell)
        return;
    SlideBlock(*cell, MoveKind::Player);
}

void CPuzzleDlg::Victory()
{
    StopTimer();
    // The game is over: its moves can no longer be taken back.
    m_history.Clear();
    m_env.prompter.Ask(this, messages::Victory());
    m_bPlaying = false;
    m_bShowFinished = true;
    RecordBestScore();
    OnBestScores();
}

}  // namespace tilora
