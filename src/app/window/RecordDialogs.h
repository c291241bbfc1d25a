// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tilora {

class BoardView;
struct KeptGame;
class PlayerRecord;
class Prompter;

// Statistics, whose Replay... plays a game of its chart again as ReplayGame does.
void ShowStatistics(PlayerRecord& record, const BoardView& view, Prompter& prompter, QWidget* owner);
// Plays `game` of the record again in the Replay window, drawn as `view` draws the game;
// a game whose moves were not kept is refused through `prompter`.
void ReplayGame(KeptGame game, const PlayerRecord& record, const BoardView& view, Prompter& prompter, QWidget* owner);
// Game > Replay Last Game: the last game the record holds, finished or given up.
void ReplayLastGame(PlayerRecord& record, const BoardView& view, Prompter& prompter, QWidget* owner);

}  // namespace tilora
