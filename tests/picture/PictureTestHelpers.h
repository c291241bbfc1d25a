// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <gtest/gtest.h>

#include "display/DrawableBitmap.h"
#include "picture/BitmapReader.h"
#include "support/BmpWriter.h"

namespace tilora::test {

// A palette whose entries all differ, so that a wrong index shows as a wrong colour.
inline std::vector<Rgb> DistinctPalette(int count)
{
    std::vector<Rgb> palette;
    for (int i = 0; i < count; ++i)
        palette.push_back({static_cast<std::uint8_t>(i * 37 + 11), static_cast<std::uint8_t>(i * 91 + 3),
                           static_cast<std::uint8_t>(255 - i)});
    return palette;
}

// A pattern of indices below `count` that changes along both axes.
inline IndexAt Pattern(int count)
{
    return [count](int x, int y) { return (x * 7 + y * 3 + (x / 5) * (y / 4)) % count; };
}

// Reads `bytes` into `record` and expects the picture to load.
inline void ExpectLoads(const Bytes& bytes, PictureRecord& record)
{
    ASSERT_EQ(ReadBitmapBytes(bytes, record), BitmapReadResult::Loaded);
}

// Draws the record and compares every pixel with `expected`, row 0 at the top.
inline void ExpectDrawn(const PictureRecord& record, int width, int height, const ColourAt& expected)
{
    const auto image = MakeDrawableBitmap(record);
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->width(), width);
    ASSERT_EQ(image->height(), height);
    int wrong = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb want = expected(x, y);
            const QRgb got = image->pixel(x, y);
            if (qRed(got) != want.r || qGreen(got) != want.g || qBlue(got) != want.b || qAlpha(got) != 255) {
                if (++wrong <= 3)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << got << ", expected "
                                  << int(want.r) << " " << int(want.g) << " " << int(want.b);
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

inline ColourAt Through(const std::vector<Rgb>& palette, const IndexAt& index)
{
    return [palette, index](int x, int y) { return palette[static_cast<std::size_t>(index(x, y))]; };
}

}  // namespace tilora::test
