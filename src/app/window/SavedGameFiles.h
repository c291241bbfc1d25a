// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <filesystem>
#include <optional>

#include "savegame/SavedGame.h"

class QWidget;

namespace tilora {

class Prompter;

// The file dialogs of Save Game and Open Game: the chosen path, or empty when cancelled.
std::filesystem::path ChooseSaveGameFile(Prompter& prompter, QWidget* owner);
std::filesystem::path ChooseOpenGameFile(Prompter& prompter, QWidget* owner);
// Open Game's read of `file`, decoded whole: the game, or nothing once the player has
// been told why the file was refused.
std::optional<SavedGame> ReadGameFile(const std::filesystem::path& file, Prompter& prompter, QWidget* owner);

// A game kept in `file` at the last end of the program, offered to the player. The file is
// removed once answered or when it cannot be read; a question left unanswered (another
// signal ended it) keeps it for the start after.
struct KeptGameAnswer {
    SavedGame game;
    bool helped = false;
};
std::optional<KeptGameAnswer> OfferKeptGameFile(const std::filesystem::path& file, Prompter& prompter, QWidget* owner);

}  // namespace tilora
