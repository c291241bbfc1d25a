// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace tilora {

// The game's icon, in the sizes the resources hold, so that each use (window, task bar,
// About box) gets the image drawn for its size rather than a scaled one. Each image is
// read when it is asked for and not kept: a window gives the X server every size once,
// and the game should not hold them all for the rest of its life.
QIcon AppIcon();

}  // namespace tilora
