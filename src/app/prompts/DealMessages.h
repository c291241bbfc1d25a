// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/prompts/Prompter.h"

namespace tilora::messages {

// Paste Deal's refusals: the text on the clipboard is no board to play, and why. The game
// on show goes on as it was.

inline QString PasteDealCaption()
{
    return Text::tr("Tilora: Paste Deal");
}

inline Message DealNotABoard()
{
    return {Text::tr("The text on the clipboard is not a deal. A deal reads as rows of numbers, 0 for the blank, "
                     "such as \"1 2 3 4/5 6 7 8/9 10 11 12/13 14 0 15\", or as \"4x4:1,2,3,...,0\"."),
            PasteDealCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message DealWrongCount()
{
    return {Text::tr("The deal on the clipboard has the wrong count of numbers: each row must hold as many "
                     "numbers as there are rows, 16, 25, 64 or 100 in all."),
            PasteDealCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message DealWrongNumbers()
{
    return {Text::tr("The deal on the clipboard has a number twice or lacks one: each number from 0 (the blank) "
                     "to the count of blocks must appear once."),
            PasteDealCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message DealUnsolvable()
{
    return {Text::tr("The deal on the clipboard cannot be solved: no sequence of slides leads from it to the "
                     "complete picture."),
            PasteDealCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

inline Message DealWrongSize()
{
    return {Text::tr("The deal on the clipboard is of another size: Tilora plays boards of 4, 5, 8 or 10 blocks "
                     "a side."),
            PasteDealCaption(), QMessageBox::Ok, QMessageBox::Warning};
}

}  // namespace tilora::messages
