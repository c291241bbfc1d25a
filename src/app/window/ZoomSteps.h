// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include <array>

namespace tilora {

// The zoom of the main window, in whole percent: the whole client area is drawn that
// much larger. The commands step through these; resizing the window may pick any zoom
// in between.
inline constexpr std::array<int, 7> kZoomSteps{100, 125, 150, 200, 250, 300, 400};
inline constexpr int kMinZoom = 100;
inline constexpr int kMaxZoom = 400;

// The client area's size at `percent`, in the window's own pixels.
QSize ClientSizeAt(int percent);

// The first step above `percent` (Zoom In), the last step below it (Zoom Out); the
// largest and smallest steps stay where they are.
int ZoomIn(int percent);
int ZoomOut(int percent);

// `percent` brought into [kMinZoom, kMaxZoom]; a stored value may be anything.
int ClampZoom(int percent);

// The largest zoom whose client area fits in `room`; kMinZoom when none does.
int FittingZoom(QSize room);

}  // namespace tilora
