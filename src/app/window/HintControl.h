// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "board/Board.h"

class QWidget;

namespace tilora {

class BoardView;
class Game;
class Hinter;

// The window's hint: Game > Hint asks the hinter about the board on show, and its answer
// moves a block when the board is still that one and a block may move. The hinter follows
// the game's news (a new game, each move, a new size). The first hint without a tables
// file waits seconds for their build: the window shows the wait with a busy cursor (and
// goes on being played), and a screen reader hears it once.
class HintControl final : public QObject {
    Q_OBJECT
public:
    HintControl(Game& game, BoardView& view, QWidget& window);

    Hinter& Hints() const { return *m_hints; }
    // Game > Hint; with no game, or in a pause, a screen reader hears why nothing moves.
    void Ask();

private:
    void OnMoveFound(const Board& board, CellPos cell);
    void OnPreparing(bool on);

    Game& m_game;
    BoardView& m_view;
    QWidget& m_window;
    Hinter* m_hints = nullptr;
};

}  // namespace tilora
