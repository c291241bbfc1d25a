// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Prompter.h"

namespace tilora::messages {

// The message boxes of the main window's game commands, word for word.

inline Message ConfirmNewGame()
{
    return {QStringLiteral("Are you sure you want to start a new game?"), QStringLiteral("New Game: Confirm"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

inline Message ConfirmExit()
{
    return {QStringLiteral("Are you sure you want to quit the game?"), QStringLiteral("Exit Game: Confirm"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

inline Message ConfirmBlocks()
{
    return {QStringLiteral("By doing this, you will have to start a new game.\n\n     Are you sure you want to start a new game?"),
            QStringLiteral("Tilora : Confirm"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

inline Message UseBuiltInPicture()
{
    return {QStringLiteral("Do you want to use this picture instead of the loaded image?"), QStringLiteral("Tilora: Query"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

inline Message Victory()
{
    return {QStringLiteral("Well Done!!\n\nPuzzle Complete!"), QStringLiteral("Victory"), QMessageBox::Ok,
            QMessageBox::Warning};
}

// The dialogs' own validation of an integer entry.
inline Message EnterInteger()
{
    return {QStringLiteral("Please enter an integer."), QStringLiteral("Tilora"), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message EnterIntegerBetween(int low, int high)
{
    return {QStringLiteral("Please enter an integer between %1 and %2.").arg(low).arg(high), QStringLiteral("Tilora"),
            QMessageBox::Ok, QMessageBox::Warning};
}

}  // namespace tilora::messages
