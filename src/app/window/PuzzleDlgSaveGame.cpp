// SPDX-License-Identifier: GPL-3.0-or-later
// Save Game and Open Game: the main window's handlers for the saved-game file; and the
// game kept when the program is ended during it, offered at the next start.
#include "app/window/PuzzleDlg.h"

#include <QFile>

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
    if (!m_game.Playing())
        return;
    // The count does not advance while the player picks a name.
    m_game.StopTimer();
    const QString file = m_env.prompter.ChooseFile(this, SavedGameRequest(FileRequest::Kind::Save, messages::SaveGameTitle()));
    // The board and count are written as they are when the dialog closes.
    if (!file.isEmpty()) {
        if (WriteSavedGame(ToPath(file), m_game.GetBoard(), m_game.Seconds()))
            m_hints->Saved(m_game.GetBoard(), m_game.Seconds(), m_game.Helped());
        else
            m_env.prompter.Ask(this, messages::SavingError());
    }
    m_game.Resume();
}

void CPuzzleDlg::OnOpenGame()
{
    if (m_game.Playing()) {
        if (m_env.prompter.Ask(this, messages::ConfirmQuitPresentGame()) != QMessageBox::Yes)
            return;
        // The game is quit, but the timer is left as it is: a running count goes on rising
        // through the dialog and after a cancelled or refused open.
        m_game.Quit();
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
    // A game saved helped in this session is helped again.
    Board board;
    RestoreBoard(read.game, board);
    m_hints->Opened(board, read.game.seconds);
    RestoreGame(read.game, m_hints->Helped());
}

void CPuzzleDlg::RestoreGame(const SavedGame& game, bool helped)
{
    m_game.Restore(game, helped);
    Invalidate();
    m_client->FocusBlank();
}

void CPuzzleDlg::KeepGameForNextStart(const std::filesystem::path& file)
{
    // Only a game open and unsolved is kept; its helped mark goes with it.
    const bool helped = m_game.Helped();
    if (m_game.Keep())
        KeepGame(file, m_game.GetBoard(), m_game.Seconds(), helped);
}

void CPuzzleDlg::OfferKeptGame(const std::filesystem::path& file)
{
    std::error_code error;
    if (file.empty() || !std::filesystem::exists(file, error) || m_game.Playing())
        return;
    const ReadResult kept = ReadSavedGame(file);
    if (kept.status != ReadStatus::Loaded) {
        ForgetKeptGame(file);
        return;
    }
    const bool helped = KeptGameHelped(file);
    // Offered until answered: a question ended by another signal, unanswered, leaves
    // the game kept for the start after.
    const QMessageBox::StandardButton answer = m_env.prompter.Ask(this, messages::ResumeKeptGame());
    if (answer != QMessageBox::Yes && answer != QMessageBox::No)
        return;
    ForgetKeptGame(file);
    if (answer == QMessageBox::Yes)
        RestoreGame(kept.game, helped);
}

}  // namespace tilora
