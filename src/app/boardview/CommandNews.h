// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tilora {

class BoardView;

// The window's commands that may find nothing to do. A screen reader hears why, as the
// screen shows nothing for them.
enum class Command { Save, Undo, Redo, Hint };

// What decides whether a command has something to act on.
struct CommandState {
    bool playing = false;
    bool paused = false;
    // A move to take back, and one taken back to make again.
    bool canUndo = false;
    bool canRedo = false;
};

// Why `command` does nothing in `state`, or nothing when it acts.
std::optional<QString> RefusalText(Command command, const CommandState& state);

// Tells a screen reader why `command` does nothing to the game on show in `view`, through
// the board's news; true when it does nothing, so that the caller stops there.
bool TellRefusal(BoardView& view, Command command);

// What is said after a save that succeeded, and after a saved game was opened.
QString SavedText();
QString OpenedText();

}  // namespace tilora
