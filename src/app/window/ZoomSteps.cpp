// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/ZoomSteps.h"

#include <algorithm>

#include "display/DeviceScale.h"

namespace tilora {
namespace {

// The client area of the game's own geometry.
constexpr QSize kClientAtActualSize{437, 330};

}  // namespace

QSize ClientSizeAt(int percent)
{
    return DeviceScale(percent / 100.0).Rect(QRect(QPoint(0, 0), kClientAtActualSize)).size();
}

int ZoomIn(int percent)
{
    for (const int step : kZoomSteps)
        if (step > percent)
            return step;
    return kZoomSteps.back();
}

int ZoomOut(int percent)
{
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step)
        if (*step < percent)
            return *step;
    return kZoomSteps.front();
}

int ClampZoom(int percent)
{
    return std::clamp(percent, kMinZoom, kMaxZoom);
}

int FittingZoom(QSize room)
{
    // The client size grows with the zoom, so the first one that fits, from the top, is
    // the largest; checking each whole percent keeps this exact to the pixel.
    for (int percent = kMaxZoom; percent > kMinZoom; --percent) {
        const QSize size = ClientSizeAt(percent);
        if (size.width() <= room.width() && size.height() <= room.height())
            return percent;
    }
    return kMinZoom;
}

}  // namespace tilora
