// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Prompter.h"

namespace tilora::messages {

// The texts of Save Game and Open Game, word for word. Every box shows the stop icon.

// The filter of both file dialogs, in the classic "Desc|pattern|...|" form.
inline QString SavedGameFilter()
{
    return QStringLiteral("Tilora Files(*.TLR)|*.tlr|All Files (*.*)|*.*|");
}

inline QString SaveGameTitle()
{
    return QStringLiteral("Tilora : Save Game Progress");
}

inline QString OpenGameTitle()
{
    return QStringLiteral("Tilora : Load Game Progress");
}

inline QString SavedGameSuffix()
{
    return QStringLiteral("tlr");
}

inline Message ConfirmQuitPresentGame()
{
    return {QStringLiteral("Are you sure you want to quit the present game?"), QStringLiteral("Tilora : Confirm"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Critical};
}

inline Message CannotOpenSavedGame()
{
    return {QStringLiteral("Error while Opening File.\n       Click on OK to Abort."), QStringLiteral("Tilora : Error"),
            QMessageBox::Ok, QMessageBox::Critical};
}

inline Message InvalidSavedGame()
{
    return {QStringLiteral("Invaid TLR file.\nUnable to Open"), QStringLiteral("Tilora : Error"), QMessageBox::Ok,
            QMessageBox::Critical};
}

inline Message SavingError()
{
    return {QStringLiteral("An Error has occured while saving.\nPlease click on OK to continue."),
            QStringLiteral("Saving Error"), QMessageBox::Ok, QMessageBox::Critical};
}

}  // namespace tilora::messages
