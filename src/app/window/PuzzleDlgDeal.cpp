// SPDX-License-Identifier: GPL-3.0-or-later
// Copy Deal and Paste Deal: the main window's handlers for a deal shared as text through
// the system clipboard.
#include "app/window/PuzzleDlg.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/prompts/Messages.h"
#include "app/prompts/Prompter.h"
#include "app/record/PlayerRecord.h"
#include "app/window/DealClipboard.h"

namespace tilora {

void CPuzzleDlg::OnCopyDeal()
{
    QGuiApplication::clipboard()->setText(DealTextToCopy(m_game));
}

void CPuzzleDlg::OnPasteDeal()
{
    // The text is read whole before anything is asked or changed: a refused text leaves
    // the game on show as it was.
    const PastedDeal deal = ReadPastedDeal(QGuiApplication::clipboard()->text());
    if (!deal.game) {
        m_env.prompter.Ask(this, deal.refusal);
        return;
    }
    if (m_game.Playing() && m_env.prompter.Ask(this, messages::ConfirmNewGame()) != QMessageBox::Yes)
        return;
    RestoreGame(*deal.game, false);
    m_record->MarkPasted(m_game.StartBoard());
    m_client->Announce(tr("New game"));
}

}  // namespace tilora
