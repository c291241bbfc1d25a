// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's part of the player's record: the record is told how each game goes
// (Deal, the moves, Victory and the commands that quit a game call it), and the window
// shows its statistics, its problems and, with Show Moves, the moves of the game.
#include "app/window/PuzzleDlg.h"

#include <QAction>
#include <QFile>

#include "app/dialogs/StatisticsDlg.h"
#include "app/hint/HintTables.h"
#include "app/prompts/Prompter.h"
#include "app/prompts/RecordMessages.h"
#include "app/record/PlayerRecord.h"
#include "common/CrtNumbers.h"
#include "scores/ScoreKeys.h"

namespace tilora {

void CPuzzleDlg::ConnectRecord()
{
    // The hint's tables serve the shortest lengths only when they are there already: the
    // record never has them built.
    m_record = new PlayerRecord(
        m_env.record, [] { return HintTables::Shared().AtHand(); }, [this] { return std::int64_t{m_env.now()}; }, this);
    // Queued: a problem found while a game ends is told after the game's own dialogs.
    connect(m_record, &PlayerRecord::problemFound, this, &CPuzzleDlg::OnRecordProblem, Qt::QueuedConnection);
    connect(m_record, &PlayerRecord::movesChanged, this, &CPuzzleDlg::ShowMoves);
    connect(m_menu.statistics, &QAction::triggered, this, &CPuzzleDlg::OnStatistics);
    connect(m_menu.showMoves, &QAction::triggered, this, &CPuzzleDlg::OnShowMoves);
}

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
    setWindowTitle(m_menu.showMoves->isChecked() && (m_bPlaying || m_record->Moves() > 0)
                       ? tr("Tilora - Moves: %1").arg(m_record->Moves())
                       : QStringLiteral("Tilora"));
}

void CPuzzleDlg::OnRecordProblem()
{
    const RecordProblem& problem = m_record->Problem();
    const QString file = QFile::decodeName(problem.file.c_str());
    const QString reason = QString::fromLocal8Bit(problem.reason.c_str());
    switch (problem.kind) {
    case RecordProblem::Kind::None:
        return;
    case RecordProblem::Kind::SetAside:
        m_env.prompter.Ask(this, messages::RecordSetAside(file));
        return;
    case RecordProblem::Kind::CannotSetAside:
        m_env.prompter.Ask(this, messages::RecordCannotSetAside(file));
        return;
    case RecordProblem::Kind::Newer:
        m_env.prompter.Ask(this, messages::RecordNewer(file));
        return;
    case RecordProblem::Kind::Unreadable:
        m_env.prompter.Ask(this, messages::RecordUnreadable(file, reason));
        return;
    case RecordProblem::Kind::CannotWrite:
        m_env.prompter.Ask(this, messages::RecordCannotWrite(file, reason));
        return;
    }
}

}  // namespace tilora
