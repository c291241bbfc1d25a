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
    QAction* bestScores = nullptr;
    QAction* level = nullptr;
    QAction* blocks = nullptr;
    QAction* exit = nullptr;
    QAction* openPicture = nullptr;
    std::array<QAction*, 4> pictures{};  // Bars, Flintstones, Winnie the Pooh, Doughnuts
    QAction* about = nullptr;
    QAction* howToPlay = nullptr;
    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;
    QAction* actualSize = nullptr;
    QAction* pauseRestart = nullptr;
};

// Builds the menu bar as a child of `window`: Game, an empty entry, Picture, Help, View,
// and Pause/Restart as a command at the bar's right end. "Bars" starts checked.
PuzzleMenu BuildPuzzleMenu(QWidget* window);

}  // namespace tilora
