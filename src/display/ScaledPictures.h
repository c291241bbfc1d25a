// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>

#include "display/DeviceScale.h"
#include "display/PreparedPicture.h"

namespace tilora {

// The cutting of every picture into blocks and thumbnail, at the game's own size and at
// the size the pictures take on a zoomed or high-density screen, from a source larger
// than the game's 320 pixels where one exists, so that nothing is a blown-up copy.

// The side of the square each block of an n x n board fills on the device: a cell's
// frame less one line. Cells may differ by one pixel; this is the largest, and a smaller
// cell shows the block's top-left part.
int DeviceBlockSide(int n, const DeviceScale& scale);

// The device size of the 80 x 80 thumbnail.
QSize DeviceThumbnailSize(const DeviceScale& scale);

// Cuts a decoded bitmap of any size for an n x n board, as the game cuts its bitmaps:
// block (r, c) takes the W/n x H/n source pixels at (c * W/n, r * H/n), stretched to
// s x s with the AND combining stretch; the thumbnail is the whole picture stretched the
// same way. The last W mod n columns and H mod n rows appear in the thumbnail only.
PreparedPicture CutPicture(const QImage& decoded, int n);

// Cuts a loaded bitmap for an n x n board at `scale`: block (r, c) is the W/n x H/n
// source square at (c * W/n, r * H/n) scaled smoothly to the device block side, and the
// thumbnail is the whole source AND-stretched to the device thumbnail size. At actual
// size it is CutPicture, the game's own cut.
PreparedPicture CutPictureAt(const QImage& source, int n, const DeviceScale& scale);

// Cuts a photo for an n x n board at `scale`. Only its largest centred square is shown,
// so that nothing is squashed; that square of side L is cut into blocks of L/n source
// pixels. Where a block or the thumbnail is smaller than its source it is its source's
// average (an AND would darken a photo's every shade), so the look keeps the photo's
// brightness and colours at every zoom. A block larger than its source is enlarged as a
// bitmap's: at actual size by repeating whole source pixels, at other scales smoothly.
PreparedPicture CutPhotoAt(const QImage& photo, int n, const DeviceScale& scale);

// The photo's pixels in sRGB, the colours the board is drawn in: converted from the
// colour space the file declares (an ICC profile, or PNG's gamma and chromaticities),
// its centred square only, which is all CutPhotoAt shows; a photo that declares none is
// taken as sRGB already and returned as it is.
QImage PhotoInSrgb(const QImage& photo);

// Cuts a built-in picture's master (a square that is the 320-pixel picture drawn
// W / 320 times larger) for an n x n board at `scale`: block (r, c) is the master's
// image of the 320-pixel picture's square (c * s, r * s, s, s), s = 320 / n.
PreparedPicture CutMasterAt(const QImage& master, int n, const DeviceScale& scale);

// A whole picture shown in the game rectangle `at` (the title and pause pictures): scaled
// smoothly from `master` to that rectangle's device size, with its thumbnail
// AND-stretched from it.
PreparedPicture ScaleWholeAt(const QImage& master, const QRect& at, const DeviceScale& scale);

}  // namespace tilora
