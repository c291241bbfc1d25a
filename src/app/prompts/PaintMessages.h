// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/prompts/Prompter.h"

namespace tilora::messages {

// The message of the board painting, word for word.

inline Message FailedToOpenBitmap()
{
    return {Text::tr("Failed to Open Bitmap. \nUsing In-Built Picture Instead."), Text::tr("ERROR"),
            QMessageBox::Ok, QMessageBox::Critical};
}

}  // namespace tilora::messages
