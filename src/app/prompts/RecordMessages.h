// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/prompts/Prompter.h"

namespace tilora::messages {

// What the player is told about the record of games. The game goes on in every case.

inline QString RecordCaption()
{
    return Text::tr("Tilora: Game Record");
}

inline Message RecordSetAside(const QString& aside)
{
    return {Text::tr("The game record was damaged. It has been kept as \"%1\" and a new record has been begun.")
                .arg(aside),
            RecordCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message RecordCannotSetAside(const QString& file)
{
    return {Text::tr("The game record \"%1\" is damaged and could not be set aside. The games of this session "
                     "are kept only until Tilora closes.")
                .arg(file),
            RecordCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message RecordNewer(const QString& file)
{
    return {Text::tr("The game record \"%1\" was written by a newer version of Tilora. Its games are counted, "
                     "but the file is left as it is: the games of this session are kept only until Tilora closes.")
                .arg(file),
            RecordCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message RecordUnreadable(const QString& file, const QString& reason)
{
    return {Text::tr("The game record \"%1\" could not be read (%2). The games of this session are kept only "
                     "until Tilora closes.")
                .arg(file, reason),
            RecordCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message RecordCannotWrite(const QString& file, const QString& reason)
{
    return {Text::tr("The game could not be added to the game record \"%1\" (%2). The games of this session are "
                     "kept only until Tilora closes.")
                .arg(file, reason),
            RecordCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message RecordLinesKept(const QString& file)
{
    return {Text::tr("The game record \"%1\" holds lines that Tilora cannot read. They are kept in the file as they "
                     "are and left out of the statistics.")
                .arg(file),
            RecordCaption(), QMessageBox::Ok, QMessageBox::Information};
}

inline Message ConfirmResetStatistics()
{
    return {Text::tr("Are you sure you want to delete every kept game and all statistics?"),
            Text::tr("Statistics: Confirm"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

// Replay Last Game and Statistics' Replay: no game to play again.
inline QString ReplayCaption()
{
    return Text::tr("Tilora: Replay");
}

inline Message NoGameToReplay()
{
    return {Text::tr("There is no game to replay yet: a game is kept for replay once it ends."), ReplayCaption(),
            QMessageBox::Ok, QMessageBox::Information};
}

inline Message GameNotReplayable()
{
    return {Text::tr("This game cannot be replayed: its moves were not kept."), ReplayCaption(), QMessageBox::Ok,
            QMessageBox::Information};
}

}  // namespace tilora::messages
