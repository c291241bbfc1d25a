// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tilora {

class Board;
struct SlideFrame;

// What the painter reads of the main window's state; it changes none of it.
struct PaintState {
    bool playing = false;
    bool showFinished = false;
    bool paused = false;
    bool customPicture = false;
    int picture = 1;                // the built-in picture chosen in the menu
    const Board* board = nullptr;   // never null when a board screen is drawn
    bool numbers = false;           // each block shows its number in a corner
    const SlideFrame* slide = nullptr;  // blocks drawn on their way into their cells
};

// The screens a paint can draw, chosen from the state in this order: the title screen
// while no board is on show, the pause screen, then the board from the loaded picture or
// from the chosen built-in one.
enum class Screen { Title, Pause, LoadedBoard, BuiltInBoard };

constexpr Screen ScreenFor(const PaintState& state)
{
    if (!state.playing && !state.showFinished)
        return Screen::Title;
    if (state.paused)
        return Screen::Pause;
    return state.customPicture ? Screen::LoadedBoard : Screen::BuiltInBoard;
}

}  // namespace tilora
