// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace tilora {

// Copies the `from` rectangle of `source` into a new image of size `to`, combining pixels
// the way a stretching copy does on a black-on-white ground: when the copy shrinks, every
// source pixel that falls on one target pixel is combined with a bitwise AND of its
// colour value, so that dark detail survives in a small copy; when it enlarges, pixels
// are repeated. Axes are handled independently, so one may shrink while the other grows.
//
// `from` is clipped to the source image. The result is Format_RGB32; an empty `from`
// gives a white image.
QImage AndStretch(const QImage& source, QRect from, QSize to);

}  // namespace tilora
