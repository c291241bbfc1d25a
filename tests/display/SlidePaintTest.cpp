// SPDX-License-Identifier: GPL-3.0-or-later
// The frames of a slide: the moving block is drawn where the slide has brought it, the
// cells it crosses show empty frames, and the slide's end is the board without a slide.
#include <gtest/gtest.h>

#include "PaintImages.h"
#include "display/PaintGeometry.h"
#include "display/SlideFrame.h"

namespace tilora::test {
namespace {

class SlidePaintTest : public ::testing::Test {
protected:
    // A solved board whose block 15 has just slid from the blank's corner into its home.
    void SetUp() override
    {
        board.SetGridSize(4);
        board.FillSolved();
        slide.blocks = {{{3, 3}, {3, 2}}};
    }
    PaintState State(bool sliding) const
    {
        PaintState state{true, false, false, false, 1, &board};
        state.slide = sliding ? &slide : nullptr;
        return state;
    }

    PictureCache cache;
    PictureRecord record;
    Board board;
    SlideFrame slide;
};

TEST_F(SlidePaintTest, TheEndOfASlideIsTheBoardWithoutOne)
{
    for (const double factor : {1.0, 2.0, 1.5}) {
        slide.progress = 1.0;
        EXPECT_EQ(Render(cache, record, State(true), DeviceScale(factor)),
                  Render(cache, record, State(false), DeviceScale(factor)))
            << "at " << factor;
    }
}

TEST_F(SlidePaintTest, TheBlockIsCopiedWholeWhereTheSlideHasBroughtIt)
{
    const QImage bars = cache.BuiltIn(1).board;
    // Block 15 comes from x = 243 (cell 3) toward x = 162 (cell 2), 81 pixels.
    struct Case {
        double progress;
        int left;
    };
    for (const Case c : {Case{0.0, 243}, Case{0.5, 202}, Case{0.25, 223}}) {
        slide.progress = c.progress;
        const QImage image = Render(cache, record, State(true));
        for (int y = 0; y < 80; y += 7)
            for (int x = 0; x < 80; x += 5)
                ASSERT_EQ(image.pixel(c.left + x, 243 + y), bars.pixel(160 + x, 240 + y))
                    << "progress " << c.progress << " at " << x << ", " << y;
        // Left of the block, the cell it goes to is still an empty frame.
        if (c.left > 163) {
            EXPECT_EQ(image.pixel(163, 260), 0xffffffffu) << "progress " << c.progress;
        }
    }
}

TEST_F(SlidePaintTest, CellsTheSlideDoesNotCrossAreDrawnAsEver)
{
    slide.progress = 0.5;
    const QImage sliding = Render(cache, record, State(true));
    const QImage still = Render(cache, record, State(false));
    const QRect crossed = geometry::CellFrame(4, 3, 2).united(geometry::CellFrame(4, 3, 3));
    for (int y = 0; y < still.height(); y += 3)
        for (int x = 0; x < still.width(); x += 3)
            if (!crossed.contains(x, y)) {
                ASSERT_EQ(sliding.pixel(x, y), still.pixel(x, y)) << x << ", " << y;
            }
}

}  // namespace
}  // namespace tilora::test
