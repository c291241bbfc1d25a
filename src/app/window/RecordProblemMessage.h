// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "app/prompts/Prompter.h"

namespace tilora {

struct RecordProblem;

// The message that tells the player what went wrong with the record file; none when
// nothing did.
std::optional<Message> RecordProblemMessage(const RecordProblem& problem);

}  // namespace tilora
