// SPDX-License-Identifier: GPL-3.0-or-later
// Save Game and Open Game: the main window's handlers for the saved-game file; and the
// game kept when the program is ended during it, offered at the next start.
#include "app/window/PuzzleDlg.h"

#include "app/boardview/BoardView.h"
#include "app/boardview/CommandNews.h"
#include "app/hint/Hinter.h"
#include "app/prompts/Prompter.h"
#include "app/prompts/SaveGameMessages.h"
#include "app/window/SavedGameFiles.h"
#include "savegame/KeptGame.h"
#include "savegame/SavedGameFile.h"

namespace tilora {

void CPuzzleDlg::OnSaveGame()
{
    if (TellRefusal(*m_client, Command::Save))
        return;
    // The count does not advance while the player picks a name.
    m_game.StopTimer();
    const std::filesystem::path file = ChooseSaveGameFile(m_env.prompter, this);
    // The board and count are written as they are when the dialog closes.
    if (!file.empty()) {
        if (WriteSavedGame(file, m_game.GetBoard(), m_game.Seconds())) {
            Hints().Saved(m_game.GetBoard(), m_game.Seconds(), m_game.Helped());
            m_client->Announce(SavedText());
        } else
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
    const std::filesystem::path file = ChooseOpenGameFile(m_env.prompter, this);
    if (file.empty())
        return;
    // The whole file is decoded before anything of the window changes, so that a refused
    // file leaves the grid, the cells and the count as they were.
    const auto game = ReadGameFile(file, m_env.prompter, this);
    if (!game)
        return;
    // A game saved helped in this session is helped again.
    Board board;
    RestoreBoard(*game, board);
    Hints().Opened(board, game->seconds);
    RestoreGame(*game, Hints().Helped());
}

void CPuzzleDlg::RestoreGame(const SavedGame& game, bool helped)
{
    m_game.Restore(game, helped);
    Invalidate();
    m_client->FocusBlank();
    m_client->Announce(OpenedText());
}

void CPuzzleDlg::KeepGameForNextStart(const std::filesystem::path& file)
{
    const bool helped = m_game.Helped();
    if (m_game.Keep())
        KeepGame(file, m_game.GetBoard(), m_game.Seconds(), helped);
}

void CPuzzleDlg::OfferKeptGame(const std::filesystem::path& file)
{
    if (m_game.Playing())
        return;
    if (const auto kept = OfferKeptGameFile(file, m_env.prompter, this))
        RestoreGame(kept->game, kept->helped);
}

}  // namespace tilora
