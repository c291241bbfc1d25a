// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

#include "display/DeviceScale.h"
#include "display/PictureCache.h"

namespace tilora {

// Pictures made at the size they take on a zoomed or high-density screen, from a source
// larger than the game's 320 pixels where one exists, so that nothing is a blown-up copy.

// The side of the square each block of an n x n board fills on the device: a cell's
// frame less one line. Cells may differ by one pixel; this is the largest, and a smaller
// cell shows the block's top-left part.
int DeviceBlockSide(int n, const DeviceScale& scale);

// The device size of the 80 x 80 thumbnail.
QSize DeviceThumbnailSize(const DeviceScale& scale);

// Cuts a loaded picture for an n x n board at `scale`: block (r, c) is the W/n x H/n
// source square at (c * W/n, r * H/n) scaled smoothly to the device block side, and the
// thumbnail is the whole source AND-stretched to the device thumbnail size. At actual
// size it is CutPicture, the game's own cut.
PreparedPicture CutPictureAt(const QImage& source, int n, const DeviceScale& scale);

// Cuts a built-in picture's master (a square that is the 320-pixel picture drawn
// W / 320 times larger) for an n x n board at `scale`: block (r, c) is the master's
// image of the 320-pixel picture's square (c * s, r * s, s, s), s = 320 / n.
PreparedPicture CutMasterAt(const QImage& master, int n, const DeviceScale& scale);

// A whole picture shown in the game rectangle `at` (the title and pause pictures): scaled
// smoothly from `master` to that rectangle's device size, with its thumbnail
// AND-stretched from it.
PreparedPicture ScaleWholeAt(const QImage& master, const QRect& at, const DeviceScale& scale);

}  // namespace tilora
