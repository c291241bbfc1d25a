// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "savegame/SavedGame.h"

namespace tilora {

// Writes the game's file in one step (a temporary file renamed over the target), so that a
// failed save never empties or damages a file that was there. False when the file could
// not be written completely.
bool WriteSavedGame(const std::filesystem::path& file, const Board& board, int seconds);

enum class ReadStatus {
    Loaded,
    CannotOpen,  // missing, unreadable, or not a regular file
    Invalid,     // wrong tag or grid size, or too short to hold every field
};

struct ReadResult {
    ReadStatus status = ReadStatus::CannotOpen;
    SavedGame game;  // meaningful only when Loaded
};

// Reads and decodes a saved-game file. At most the largest valid file's bytes are read,
// whatever the file's size: bytes after the last field never matter.
ReadResult ReadSavedGame(const std::filesystem::path& file);

}  // namespace tilora
