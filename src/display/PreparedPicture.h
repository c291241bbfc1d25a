// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace tilora {

// A picture ready to be copied: the board image holds every block at its home position,
// `block` x `block` pixels each, so that tile t of an n x n board is the square at column
// (t-1) mod n and row (t-1) / n; block 0 means the game's own s = 320 / n. The thumbnail
// is the whole picture at the thumbnail's size. `scale` is the device scale the images
// were made for; drawn at another scale they are stretched, as a stand-in.
struct PreparedPicture {
    QImage board;
    QImage thumbnail;
    int block = 0;
    double scale = 1.0;
};

}  // namespace tilora
