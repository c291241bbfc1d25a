// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

#include "display/SlideFrame.h"

namespace tilora {

// What is said after the blocks of one step (a whole line, or a line taken back) slid,
// each from `from` into `to`, in the order they moved: "Blocks 3, 7 and 11 moved up".
// A step of one block is said as a single move is.
QString StepAnnouncement(const Board& board, const std::vector<SlideFrame::Block>& blocks);
// The news of the step: what moved, then where the blank is, or that the picture is
// complete ("Blocks 3, 7 and 11 moved up. Blank, row 4, column 2").
QString StepNews(const Board& board, const std::vector<SlideFrame::Block>& blocks);

}  // namespace tilora
