// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/prompts/Prompter.h"

namespace tilora::messages {

// The texts of Save Game and Open Game, word for word. Every box shows the stop icon.

// The filter of both file dialogs, in the classic "Desc|pattern|...|" form.
inline QString SavedGameFilter()
{
    //: Translate the descriptions only; keep every "|" and pattern.
    return Text::tr("Tilora Files(*.TLR)|*.tlr|All Files (*.*)|*.*|");
}

inline QString SaveGameTitle()
{
    return Text::tr("Tilora : Save Game Progress");
}

inline QString OpenGameTitle()
{
    return Text::tr("Tilora : Load Game Progress");
}

inline QString SavedGameSuffix()
{
    return QStringLiteral("tlr");
}

inline Message ConfirmQuitPresentGame()
{
    return {Text::tr("Are you sure you want to quit the present game?"), Text::tr("Tilora : Confirm"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Critical};
}

inline Message CannotOpenSavedGame()
{
    return {Text::tr("Error while Opening File.\n       Click on OK to Abort."), Text::tr("Tilora : Error"),
            QMessageBox::Ok, QMessageBox::Critical};
}

inline Message InvalidSavedGame()
{
    return {Text::tr("Invaid TLR file.\nUnable to Open"), Text::tr("Tilora : Error"), QMessageBox::Ok,
            QMessageBox::Critical};
}

inline Message SavingError()
{
    return {Text::tr("An Error has occured while saving.\nPlease click on OK to continue."),
            Text::tr("Saving Error"), QMessageBox::Ok, QMessageBox::Critical};
}

// At the start, after the program was ended during a game (a logout, Ctrl+C): the
// game was kept and can go on.
inline Message ResumeKeptGame()
{
    return {Text::tr("Tilora was ended during a game. Do you want to go on with that game?\n(Click NO to discard it)"),
            Text::tr("Tilora : Query"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

}  // namespace tilora::messages
