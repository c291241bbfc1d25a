// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

#include "app/prompts/Prompter.h"
#include "savegame/SavedGame.h"

namespace tilora {

class Game;

// Copy Deal's text: the board the game on show began on, or, before any game of the size
// in force, the board on show.
QString DealTextToCopy(const Game& game);

// What Paste Deal makes of a text: a new game at 0 seconds, or the message that says why
// the text is no deal to play.
struct PastedDeal {
    std::optional<SavedGame> game;
    Message refusal;
};
PastedDeal ReadPastedDeal(const QString& text);

}  // namespace tilora
