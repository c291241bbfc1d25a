// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

#include <algorithm>
#include <cmath>

namespace tilora {

// Maps the game's own pixel geometry (the 437 x 330 client area every position is given
// in) to the pixels of a device that shows it `factor` times larger: the window's zoom
// times the screen's device pixel ratio.
//
// Game pixel x starts at device pixel ceil(factor * x). Rounding up is the one choice
// under which a device point maps back by rounding down, so that the pixel a click lands
// on and the pixel drawn there always agree. Rectangles map edge by edge, so neighbours
// stay neighbours: no gaps and no overlaps whatever the factor. Lines of the frames are
// LineWidth() whole device pixels thick, the same everywhere.
class DeviceScale {
public:
    constexpr DeviceScale() = default;
    explicit constexpr DeviceScale(double factor) : m_factor(factor) {}

    constexpr double Factor() const { return m_factor; }

    // The device pixel where game pixel `x` starts (for either axis).
    int At(int x) const { return static_cast<int>(std::ceil(m_factor * x - kSlack)); }

    // The device rectangle covering the game rectangle `rect`, edge by edge.
    QRect Rect(const QRect& rect) const
    {
        const int left = At(rect.left());
        const int top = At(rect.top());
        return {left, top, At(rect.left() + rect.width()) - left, At(rect.top() + rect.height()) - top};
    }

    // The game pixel drawn on the device pixel that point `device` lies in: both steps
    // round down, never to the nearest, so a point short of an edge stays before it.
    QPoint ToGame(QPointF device) const { return {ToGame(device.x()), ToGame(device.y())}; }

    // The thickness of every grid line and frame: round(factor), at least one pixel.
    int LineWidth() const { return std::max(1, static_cast<int>(std::lround(m_factor))); }

    // Whether game pixels are device pixels, the size every picture is drawn for.
    constexpr bool IsActualSize() const { return m_factor == 1.0; }

    friend constexpr bool operator==(const DeviceScale&, const DeviceScale&) = default;

private:
    int ToGame(double device) const
    {
        return static_cast<int>(std::floor(std::floor(device) / m_factor + kSlack));
    }

    // Products such as 1.1 * 10 miss their whole number by a rounding error.
    static constexpr double kSlack = 1e-9;
    double m_factor = 1.0;
};

}  // namespace tilora
