// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/boardview/CommandNews.h"

#include <QCoreApplication>

#include "app/boardview/BoardView.h"
#include "app/game/Game.h"

namespace tilora {
namespace {

// The texts are translated under the context "BoardView", with the board's other news.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(BoardView)
};

}  // namespace

std::optional<QString> RefusalText(Command command, const CommandState& state)
{
    // Save Game keeps a game however it stands, a paused one too; the moves wait for the
    // game to go on.
    if (command == Command::Save)
        return state.playing ? std::nullopt : std::optional(Text::tr("Nothing saved: no game is running"));
    if (!state.playing) {
        switch (command) {
        case Command::Undo: return Text::tr("Nothing to undo: no game is running");
        case Command::Redo: return Text::tr("Nothing to redo: no game is running");
        default: return Text::tr("No hint: no game is running");
        }
    }
    if (state.paused)
        return Text::tr("Game paused");
    if (command == Command::Undo && !state.canUndo)
        return Text::tr("Nothing to undo");
    if (command == Command::Redo && !state.canRedo)
        return Text::tr("Nothing to redo");
    return std::nullopt;
}

bool TellRefusal(BoardView& view, Command command)
{
    const Game& game = view.GetGame();
    const auto why = RefusalText(command, {game.Playing(), game.Paused(), !game.History().LastStep().empty(),
                                           !game.History().NextStep().empty()});
    if (why)
        view.Announce(*why);
    return why.has_value();
}

QString SavedText()
{
    return Text::tr("Game saved");
}

QString OpenedText()
{
    return Text::tr("Game opened");
}

}  // namespace tilora
