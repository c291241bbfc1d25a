// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "app/prompts/Prompter.h"

class QWidget;

namespace tilora {

class PlayerRecord;
struct RecordProblem;

// The message that tells the player what went wrong with the record file; none when
// nothing did.
std::optional<Message> RecordProblemMessage(const RecordProblem& problem);

// Tells the player through `prompter` of each problem the record finds and of the lines
// it keeps unread. Queued: what is found while a game ends is told after the game's own
// dialogs.
void TellRecordProblems(PlayerRecord& record, Prompter& prompter, QWidget* owner);

}  // namespace tilora
