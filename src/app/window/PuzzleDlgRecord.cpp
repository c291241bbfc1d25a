// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's part of the player's record: the window shows its statistics, its
// problems and, with Show Moves, the moves of the game. The record hears how each game
// goes from the game itself (see ConnectGame).
#include "app/window/PuzzleDlg.h"

#include "app/dialogs/StatisticsDlg.h"
#include "app/prompts/Prompter.h"
#include "app/record/PlayerRecord.h"
#include "app/window/RecordProblemMessage.h"
#include "common/CrtNumbers.h"
#include "scores/ScoreKeys.h"

namespace tilora {

void CPuzzleDlg::OnStatistics()
{
    CStatisticsDlg dialog(*m_record, m_env.prompter, this);
    m_env.prompter.Exec(dialog);
}

void CPuzzleDlg::OnShowMoves(bool on)
{
    m_env.scores.WriteString(keys::kViewSection, keys::kShowMovesKey, ItoA(on ? 1 : 0));
    ShowMoves();
}

void CPuzzleDlg::ShowMoves()
{
    // The title, so that no control of the window moves.
    setWindowTitle(m_menu.showMoves->isChecked() && (m_game.Playing() || m_game.Moves() > 0)
                       ? tr("Tilora - Moves: %1").arg(m_game.Moves())
                       : QStringLiteral("Tilora"));
}

void CPuzzleDlg::OnRecordProblem()
{
    if (const auto message = RecordProblemMessage(m_record->Problem()))
        m_env.prompter.Ask(this, *message);
}

}  // namespace tilora
