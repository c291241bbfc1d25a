// SPDX-License-Identifier: GPL-3.0-or-later
// Save Game and Open Game: the main window's handlers for the saved-game file; and the
// game kept when the program is ended during it, offered at the next start.
#include "app/window/PuzzleDlg.h"

#include <QFile>

#include "app/boardview/BoardView.h"
#include "app/boardview/CommandNews.h"
#include "app/hint/Hinter.h"
#include "app/prompts/FileFilter.h"
#include "app/prompts/Prompter.h"
#include "app/prompts/SaveGameMessages.h"
#include "app/record/PlayerRecord.h"
#include "savegame/KeptGame.h"
#include "savegame/SavedGameFile.h"

namespace tilora {
namespace {

FileRequest SavedGameRequest(FileRequest::Kind kind, const QString& title)
{
    return {kind, title, QtFileFilter(messages::SavedGameFilter()), messages::SavedGameSuffix()};
}

std::filesystem::path ToPath(const QString& file)
{
    return std::filesystem::path(QFile::encodeName(file).toStdString());
}

}  // namespace

void CPuzzleDlg::OnSaveGame()
{
    if (TellRefusal(*m_client, Command::Save, {m_bPlaying, m_bPaused}))
        return;
    // The count does not advance while the player picks a name.
    StopTimer();
    const QString file = m_env.prompter.ChooseFile(this, SavedGameRequest(FileRequest::Kind::Save, messages::SaveGameTitle()));
    // The board and count are written as they are when the dialog closes.
    if (!file.isEmpty()) {
        if (WriteSavedGame(ToPath(file), m_board, m_nSeconds)) {
            m_hints->Saved(m_board, m_nSeconds);
            m_client->Announce(SavedText());
        } else
            m_env.prompter.Ask(this, messages::SavingError());
    }
    if (!m_bPaused)
        StartTimer();
}

void CPuzzleDlg::OnOpenGame()
{
    if (m_bPlaying) {
        if (m_env.prompter.Ask(this, messages::ConfirmQuitPresentGame()) != QMessageBox::Yes)
            return;
        // The game is quit, but the timer is left as it is: a running count goes on rising
        // through the dialog and after a cancelled or refused open.
        m_record->Abandon(m_nSeconds, Helped());
        m_bPlaying = false;
    }
    const QString file = m_env.prompter.ChooseFile(this, SavedGameRequest(FileRequest::Kind::Open, messages::OpenGameTitle()));
    if (file.isEmpty())
        return;

    // The whole file is decoded before anything of the window changes, so that a refused
    // file leaves the grid, the cells and the count as they were.
    const ReadResult read = ReadSavedGame(ToPath(file));
    if (read.status == ReadStatus::CannotOpen) {
        m_env.prompter.Ask(this, messages::CannotOpenSavedGame());
        return;
    }
    if (read.status == ReadStatus::Invalid) {
        m_env.prompter.Ask(this, messages::InvalidSavedGame());
        return;
    }

    RestoreGame(read.game);
}

void CPuzzleDlg::RestoreGame(const SavedGame& game)
{
    // The grid size stays in force for later games: the next New deals this size.
    RestoreBoard(game, m_board);
    ForgetMoves();
    m_hints->Opened(m_board, game.seconds);
    m_nSeconds = game.seconds;
    m_record->Begin(m_board, m_nDealtLevel);
    ShowCount();
    // A player who quit a paused game loads the new one paused.
    if (!m_bPaused)
        StartTimer();
    m_bPlaying = true;
    Invalidate();
    m_client->FocusBlank();
    m_client->Announce(OpenedText());
}

void CPuzzleDlg::KeepGameForNextStart(const std::filesystem::path& file)
{
    if (!m_bPlaying)
        return;
    KeepGame(file, m_board, m_nSeconds);
    // The game goes on at a later start: it is neither won nor abandoned.
    m_record->Interrupted();
}

void CPuzzleDlg::OfferKeptGame(const std::filesystem::path& file)
{
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(file, error) || m_bPlaying)
        return;
    const ReadResult kept = ReadSavedGame(file);
    if (kept.status != ReadStatus::Loaded) {
        ForgetKeptGame(file);
        return;
    }
    // Offered until answered: a question ended by another signal, unanswered, leaves
    // the game kept for the start after.
    const QMessageBox::StandardButton answer = m_env.prompter.Ask(this, messages::ResumeKeptGame());
    if (answer != QMessageBox::Yes && answer != QMessageBox::No)
        return;
    ForgetKeptGame(file);
    if (answer == QMessageBox::Yes)
        RestoreGame(kept.game);
}

}  // namespace tilora
