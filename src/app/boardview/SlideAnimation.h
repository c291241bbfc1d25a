// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <vector>

#include "display/SlideFrame.h"

namespace tilora {

// The slide of the last move's blocks from their old cells into their new ones: about
// 120 ms, eased out. The board has changed already when a slide starts; the slide only
// says where to draw the moving blocks until it ends. A new slide ends the running one
// at once, so that no move ever waits for a picture. The clock is injectable: a test
// sets the time and reads the frame, never waiting.
class SlideAnimation final : public QObject {
    Q_OBJECT
public:
    using Clock = std::function<std::chrono::nanoseconds()>;
    static constexpr std::chrono::milliseconds kDuration{120};

    explicit SlideAnimation(QObject* parent = nullptr);

    void SetClock(Clock clock) { m_clock = std::move(clock); }
    // The time between frames: the display's refresh.
    void SetFrameInterval(std::chrono::milliseconds interval);

    // A slide of one block begins; a running slide ends first.
    void Start(SlideFrame::Block block);
    // One more block joins the slide that runs (the next block of a whole line), on the
    // same clock.
    void Extend(SlideFrame::Block block);
    // The slide jumps to its end: `ended` tells which cells to show as they are.
    void End();

    bool Running() const { return !m_frame.blocks.empty(); }
    // The blocks and how far they have come, eased, by the clock now.
    const SlideFrame& Frame();
    // One tick of the display: a frame to draw, or the end when the time is up.
    void Tick();

signals:
    void frameDue();
    void ended(const std::vector<tilora::SlideFrame::Block>& blocks);

private:
    std::chrono::nanoseconds Elapsed() const;

    Clock m_clock;
    std::chrono::nanoseconds m_start{};
    SlideFrame m_frame;
    QTimer m_timer;
};

// The ease-out of a slide: fast at first, settling into place; 0 at 0, 1 at 1 and beyond.
double EaseOut(double t);

}  // namespace tilora
