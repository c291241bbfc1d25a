// SPDX-License-Identifier: GPL-3.0-or-later
// The slide's clock: eased out, over on time, and ended at once by the next slide.
#include "app/boardview/SlideAnimation.h"

#include <gtest/gtest.h>

namespace tilora {
namespace {

using namespace std::chrono_literals;

TEST(SlideAnimationTest, TheEaseGoesFromStartToEndAndNeverBack)
{
    EXPECT_DOUBLE_EQ(EaseOut(-1.0), 0.0);
    EXPECT_DOUBLE_EQ(EaseOut(0.0), 0.0);
    EXPECT_DOUBLE_EQ(EaseOut(0.5), 0.875);
    EXPECT_DOUBLE_EQ(EaseOut(1.0), 1.0);
    EXPECT_DOUBLE_EQ(EaseOut(3.0), 1.0);
    double before = 0.0;
    for (int i = 1; i <= 100; ++i) {
        const double now = EaseOut(i / 100.0);
        EXPECT_GE(now, before);
        // Eased out: always ahead of a steady pace.
        EXPECT_GE(now, i / 100.0);
        before = now;
    }
}

class SlideAnimationClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        slides.SetClock([this] { return now; });
        QObject::connect(&slides, &SlideAnimation::frameDue, [this] { ++frames; });
        QObject::connect(&slides, &SlideAnimation::ended,
                         [this](const std::vector<SlideFrame::Block>& blocks) { endings.push_back(blocks.size()); });
    }
    std::chrono::nanoseconds now = 5s;
    SlideAnimation slides;
    int frames = 0;
    std::vector<std::size_t> endings;
};

TEST_F(SlideAnimationClockTest, ASlideDrawsFramesUntilItsTimeIsUp)
{
    slides.Start({{0, 1}, {0, 0}});
    EXPECT_DOUBLE_EQ(slides.Frame().progress, 0.0);
    now += 60ms;
    slides.Tick();
    EXPECT_EQ(frames, 1);
    EXPECT_DOUBLE_EQ(slides.Frame().progress, EaseOut(0.5));
    now += 59ms;
    slides.Tick();
    EXPECT_TRUE(slides.Running());
    now += 1ms;
    slides.Tick();
    EXPECT_FALSE(slides.Running());
    EXPECT_EQ(frames, 2);
    EXPECT_EQ(endings, std::vector<std::size_t>{1});
    EXPECT_DOUBLE_EQ(slides.Frame().progress, 1.0);
}

TEST_F(SlideAnimationClockTest, ANewSlideEndsTheRunningOneFirstAndRunsItsFullTime)
{
    slides.Start({{0, 1}, {0, 0}});
    now += 30ms;
    slides.Start({{1, 0}, {0, 0}});
    EXPECT_EQ(endings, std::vector<std::size_t>{1}) << "the first slide ended when the second began";
    now += 100ms;
    slides.Tick();
    EXPECT_TRUE(slides.Running()) << "the second slide's time counts from its own start";
    EXPECT_EQ(slides.Frame().blocks.size(), 1u);
}

TEST_F(SlideAnimationClockTest, TheBlocksOfALineShareOneSlide)
{
    slides.Start({{0, 1}, {0, 0}});
    slides.Extend({{0, 2}, {0, 1}});
    now += 20ms;
    slides.Extend({{0, 3}, {0, 2}});
    EXPECT_TRUE(endings.empty());
    EXPECT_EQ(slides.Frame().blocks.size(), 3u);
    now += 100ms;
    slides.Tick();
    EXPECT_EQ(endings, std::vector<std::size_t>{3});
}

TEST_F(SlideAnimationClockTest, EndingWithNoSlideTellsNothing)
{
    slides.End();
    slides.Tick();
    EXPECT_TRUE(endings.empty());
    EXPECT_EQ(frames, 0);
}

}  // namespace
}  // namespace tilora
