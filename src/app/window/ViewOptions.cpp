// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/ViewOptions.h"

#include <QAction>
#include <QCoreApplication>
#include <QWidget>

#include "app/boardview/BoardView.h"
#include "app/game/Game.h"
#include "app/startup/AfterFirstPaint.h"
#include "app/window/SlideMotion.h"
#include "common/CrtNumbers.h"
#include "scores/ProfileStore.h"
#include "scores/ScoreKeys.h"

namespace tilora {
namespace {

// The title is the main window's, translated under its context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tilora::CPuzzleDlg)
};

}  // namespace

ViewOptions::ViewOptions(QAction& numbers, QAction& showMoves, ProfileStore& scores, BoardView& view, QWidget& window)
    : QObject(&window), m_numbers(numbers), m_showMoves(showMoves), m_scores(scores), m_view(view), m_window(window)
{
    connect(&m_numbers, &QAction::triggered, this, &ViewOptions::OnNumbersOnBlocks);
    connect(&m_showMoves, &QAction::triggered, this, &ViewOptions::OnShowMoves);
}

void ViewOptions::ReadStart()
{
    const bool numbers = m_scores.GetInt(keys::kViewSection, keys::kNumbersKey, 0) != 0;
    m_numbers.setChecked(numbers);
    m_view.SetNumbers(numbers);
    m_showMoves.setChecked(m_scores.GetInt(keys::kViewSection, keys::kShowMovesKey, 0) != 0);
    ShowMoves();
}

void ViewOptions::FollowMotion(QMenuBar& bar, bool allowed)
{
    m_motion = new SlideMotion(bar, m_scores, m_view, allowed, this);
    if (allowed)
        AfterFirstPaint(m_view, [this] { m_motion->FollowDesktop(); });
}

void ViewOptions::OnNumbersOnBlocks(bool on)
{
    m_view.SetNumbers(on);
    m_scores.WriteString(keys::kViewSection, keys::kNumbersKey, ItoA(on ? 1 : 0));
}

void ViewOptions::OnShowMoves(bool on)
{
    m_scores.WriteString(keys::kViewSection, keys::kShowMovesKey, ItoA(on ? 1 : 0));
    ShowMoves();
}

void ViewOptions::ShowMoves()
{
    const Game& game = m_view.GetGame();
    m_window.setWindowTitle(m_showMoves.isChecked() && (game.Playing() || game.Moves() > 0)
                                ? Text::tr("Tilora - Moves: %1").arg(game.Moves())
                                : QStringLiteral("Tilora"));
}

}  // namespace tilora
