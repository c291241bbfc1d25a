// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/prompts/Prompter.h"

namespace tilora::messages {

// The message boxes of the main window's game commands, word for word.

inline Message ConfirmNewGame()
{
    return {Text::tr("Are you sure you want to start a new game?"), Text::tr("New Game: Confirm"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

inline Message ConfirmExit()
{
    return {Text::tr("Are you sure you want to quit the game?"), Text::tr("Exit Game: Confirm"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

inline Message ConfirmBlocks()
{
    return {Text::tr("By doing this, you will have to start a new game.\n\n     Are you sure you want to start a new game?"),
            Text::tr("Tilora : Confirm"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

inline Message UseBuiltInPicture()
{
    return {Text::tr("Do you want to use this picture instead of the loaded image?"), Text::tr("Tilora: Query"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

inline Message Victory()
{
    return {Text::tr("Well Done!!\n\nPuzzle Complete!"), Text::tr("Victory"), QMessageBox::Ok,
            QMessageBox::Warning};
}

// The dialogs' own validation of an integer entry.
inline Message EnterInteger()
{
    return {Text::tr("Please enter an integer."), QStringLiteral("Tilora"), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message EnterIntegerBetween(int low, int high)
{
    return {Text::tr("Please enter an integer between %1 and %2.").arg(low).arg(high), QStringLiteral("Tilora"),
            QMessageBox::Ok, QMessageBox::Warning};
}

}  // namespace tilora::messages
