// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/boardview/SlideAnimation.h"

#include <algorithm>

namespace tilora {

double EaseOut(double t)
{
    const double left = 1.0 - std::clamp(t, 0.0, 1.0);
    return 1.0 - left * left * left;
}

SlideAnimation::SlideAnimation(QObject* parent)
    : QObject(parent), m_clock([] { return std::chrono::steady_clock::now().time_since_epoch(); })
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(16);
    connect(&m_timer, &QTimer::timeout, this, &SlideAnimation::Tick);
}

void SlideAnimation::SetFrameInterval(std::chrono::milliseconds interval)
{
    m_timer.setInterval(std::max<int>(1, static_cast<int>(interval.count())));
}

void SlideAnimation::Start(SlideFrame::Block block)
{
    End();
    m_start = m_clock();
    m_frame.blocks = {block};
    m_frame.progress = 0.0;
    m_timer.start();
}

void SlideAnimation::Extend(SlideFrame::Block block)
{
    if (!Running())
        return Start(block);
    m_frame.blocks.push_back(block);
}

void SlideAnimation::End()
{
    if (!Running())
        return;
    m_timer.stop();
    const std::vector<SlideFrame::Block> blocks = std::move(m_frame.blocks);
    m_frame.blocks.clear();
    m_frame.progress = 1.0;
    emit ended(blocks);
}

std::chrono::nanoseconds SlideAnimation::Elapsed() const
{
    return m_clock() - m_start;
}

const SlideFrame& SlideAnimation::Frame()
{
    if (Running())
        m_frame.progress = EaseOut(std::chrono::duration<double>(Elapsed()) / std::chrono::duration<double>(kDuration));
    return m_frame;
}

void SlideAnimation::Tick()
{
    if (!Running())
        return;
    if (Elapsed() >= kDuration)
        End();
    else
        emit frameDue();
}

}  // namespace tilora
