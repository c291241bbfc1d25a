// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QAction;
class QMenuBar;
class QWidget;

namespace tilora {

// The main window's menu bar and the actions of its commands. Each action carries its
// command id as data and an object name by which tests and scripts find it.
struct PuzzleMenu {
    QMenuBar* bar = nullptr;
    QAction* newGame = nullptr;
    QAction* openGame = nullptr;
    QAction* saveGame = nullptr;
    QAction* copyDeal = nullptr;
    QAction* pasteDeal = nullptr;
    QAction* bestScores = nullptr;
    QAction* statistics = nullptr;
    QAction* replayLastGame = nullptr;
    QAction* level = nullptr;
    QAction* blocks = nullptr;
    QAction* exit = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    QAction* hint = nullptr;
    QAction* openPicture = nullptr;
    std::array<QAction*, 4> pictures{};  // Bars, Flintstones, Winnie the Pooh, Doughnuts
    QAction* about = nullptr;
    QAction* howToPlay = nullptr;
    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;
    QAction* actualSize = nullptr;
    QAction* numbers = nullptr;
    QAction* showMoves = nullptr;
    QAction* pauseRestart = nullptr;
};

// Builds the menu bar as a child of `window`: Game, an empty entry, Picture, Help, View,
// and Pause/Restart as a command at the bar's right end. "Bars" starts checked. The commands
// carry the keyboard shortcuts a desktop game has, shown beside their entries.
PuzzleMenu BuildPuzzleMenu(QWidget* window);

}  // namespace tilora
