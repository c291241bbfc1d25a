// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's part of the player's results: the best-score step of the victory and
// the Best Scores command (the record hears how each game goes from the game itself).
#include "app/window/PuzzleDlg.h"

#include "app/prompts/Prompter.h"
#include "app/record/PlayerRecord.h"
#include "scores/BestScores.h"
#include "scores/BestScoresDlg.h"
#include "scores/HighScoreDlg.h"

namespace tilora {

void CPuzzleDlg::RecordBestScore()
{
    // A game a hint helped, or one on a deal pasted from elsewhere, shows its table as
    // usual but enters no best.
    if (Helped() || (m_record->LastWon() && m_record->LastWon()->pasted))
        return;
    // The name dialog runs only for a new best; however it closes, its name is taken:
    // empty after Esc or the close box.
    const auto askName = [this] {
        CHighScoreDlg dialog(this);
        m_env.prompter.Exec(dialog);
        return dialog.Name().toStdString();
    };
    tilora::RecordBestScore(m_env.scores, m_game.GetBoard().GridSize(), m_game.Seconds(), m_game.DealtLevel(), askName);
}

void CPuzzleDlg::OnBestScores()
{
    // The table looks at no game state and changes none; a running game's count goes on.
    CBestScoresDlg dialog(m_env.scores, this);
    m_env.prompter.Exec(dialog);
}

}  // namespace tilora
