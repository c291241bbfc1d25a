// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

#include "app/prompts/Prompter.h"
#include "savegame/SavedGame.h"

class QWidget;

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

// Copy Deal: the deal's text on the system clipboard.
void CopyDeal(const Game& game);
// Paste Deal up to its start: the clipboard's text is read whole before anything is asked
// or changed, so that a refused text, told through `prompter`, leaves the game on show as
// it was; a deal is taken once New's question, when a game runs, is answered Yes.
std::optional<SavedGame> PasteDeal(const Game& game, Prompter& prompter, QWidget* owner);

}  // namespace tilora
