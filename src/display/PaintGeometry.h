// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

namespace tilora::geometry {

// Client-area positions of everything the painter draws. A board of n x n cells uses
// blocks of s = 320 / n pixels laid out with a pitch of s + 1, so that the right and
// bottom line of each cell's frame stays visible as a one-pixel grid line.

constexpr int BlockSize(int n) { return 320 / n; }
constexpr int Pitch(int n) { return BlockSize(n) + 1; }

// The frame of cell (row, column): its block image covers the top-left s x s pixels.
constexpr QRect CellFrame(int n, int row, int column)
{
    return {column * Pitch(n), row * Pitch(n), Pitch(n), Pitch(n)};
}

// The thumbnail's frame (340, 181)-(421, 262), exclusive at the right and bottom; the
// 80 x 80 image at (341, 182) paints over its right and bottom lines.
constexpr QRect kThumbnailFrame{340, 181, 81, 81};
constexpr QPoint kThumbnailAt{341, 182};
constexpr int kThumbnailSide = 80;

// The marker over the thumbnail's bottom-right block, the home of the blank.
constexpr QRect BlankMarker(int n)
{
    return {421 - 80 / n, 262 - 80 / n, 80 / n, 80 / n};
}

// The title screen: the picture, and the top-left corners of its two text lines.
constexpr QPoint kTitlePictureAt{80, 40};
constexpr QPoint kTitleLine1At{90, 220};
constexpr QPoint kTitleLine2At{50, 260};

}  // namespace tilora::geometry
