// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "savegame/SavedGameFile.h"

namespace tilora {

// The game in progress when the program was told to end (the session's logout, Ctrl+C in
// a terminal), kept in the saved-game format until the next start offers it.

// $XDG_STATE_HOME/tilora/interrupted.tlr, or ~/.local/state/tilora/interrupted.tlr when
// the variable is unset or not an absolute path; empty when neither can be found.
std::filesystem::path KeptGamePath();

// Writes the game to `file`, making its folder (private to the user) when missing; the
// file is replaced in one step, as a saved game is. False when it could not be written.
// A game a hint helped carries a mark after its seconds field, where every reader of
// saved games stops reading: the kept file stays a saved game that opens anywhere.
bool KeepGame(const std::filesystem::path& file, const Board& board, int seconds, bool helped);
// The kept game in `file` carries the helped mark.
bool KeptGameHelped(const std::filesystem::path& file);

// The kept game as the next start finds it. It is read as every file from the player's
// folders is: opened without waiting, a regular file only, and its size checked before a
// byte is read, so that a FIFO, a device or a huge file there can neither hold up nor
// abort the start.
struct KeptGameRead {
    enum class Status {
        None,     // no kept game
        Loaded,
        Refused,  // not a kept game of this program's: to be forgotten
    };
    Status status = Status::None;
    SavedGame game;  // meaningful only when Loaded
};
KeptGameRead ReadKeptGame(const std::filesystem::path& file);

// Removes the kept game, once the player has answered for it or it cannot be read.
void ForgetKeptGame(const std::filesystem::path& file);

}  // namespace tilora
