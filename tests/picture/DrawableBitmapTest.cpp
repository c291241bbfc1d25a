// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/DrawableBitmap.h"

#include <random>

#include "PictureTestHelpers.h"

namespace tilora::test {
namespace {

std::uint8_t Scale(std::uint32_t v, std::uint32_t top)
{
    return static_cast<std::uint8_t>((v * 255 + top / 2) / top);
}

// Every indexed depth, plain and compressed, bottom-up and top-down, at widths around
// the padding boundaries, drawn to exactly the colours of its indices.
TEST(DrawableBitmapTest, IndexedDepthsDrawTheirColours)
{
    struct Case {
        int bits;
        std::uint32_t compression;
    };
    for (const Case c : {Case{1, 0}, Case{4, 0}, Case{4, 2}, Case{8, 0}, Case{8, 1}}) {
        for (const int width : {1, 5, 8, 33, 103}) {
            for (const bool topDown : {false, true}) {
                if (c.compression && topDown)
                    continue;  // compressed pictures are bottom-up only
                SCOPED_TRACE(testing::Message() << c.bits << " bits, compression " << c.compression << ", " << width
                                                << " wide" << (topDown ? ", top-down" : ""));
                const int height = 61;
                const int colours = 1 << c.bits;
                BmpFile f;
                f.width = width;
                f.height = topDown ? -height : height;
                f.bits = static_cast<std::uint16_t>(c.bits);
                f.compression = c.compression;
                f.palette = DistinctPalette(colours);
                f.pixels = c.compression ? EncodeRle(c.bits, width, height, Pattern(colours))
                                         : PackIndices(c.bits, width, height, topDown, Pattern(colours));
                PictureRecord record;
                ExpectLoads(f.Build(), record);
                ExpectDrawn(record, width, height, Through(f.palette, Pattern(colours)));
            }
        }
    }
}

TEST(DrawableBitmapTest, DirectColourDepthsDrawTheirColours)
{
    const auto r = [](int x, int y) { return static_cast<std::uint32_t>((x * 9 + y) % 256); };
    const auto g = [](int x, int y) { return static_cast<std::uint32_t>((y * 17 + x * 3) % 256); };
    const auto b = [](int x, int y) { return static_cast<std::uint32_t>((x + y) * 5 % 256); };
    struct Case {
        const char* name;
        int bits;
        std::uint32_t compression;
        std::vector<std::uint32_t> masks;
        std::uint32_t headerSize;
    };
    const std::vector<Case> cases{
        {"24 bits", 24, 0, {}, 40},
        {"16 bits 5-5-5", 16, 0, {0x7c00, 0x03e0, 0x001f}, 40},
        {"16 bits 5-6-5 fields", 16, 3, {0xf800, 0x07e0, 0x001f}, 40},
        {"16 bits 4-4-4 fields in a V5 header", 16, 3, {0x0f00, 0x00f0, 0x000f}, 124},
        {"32 bits", 32, 0, {0xff0000, 0xff00, 0xff}, 40},
        {"32 bits 8-8-8 fields, blue high", 32, 3, {0xff00, 0xff0000, 0xff000000}, 40},
        {"32 bits 10-10-10 fields in a V4 header", 32, 3, {0x3ff00000, 0xffc00, 0x3ff}, 108},
        {"32 bits with alpha fields", 32, 6, {0xff0000, 0xff00, 0xff, 0xff000000}, 40},
    };
    for (const Case& c : cases) {
        for (const bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << (topDown ? ", top-down" : ""));
            const int width = 37, height = 23;
            // The channel values each mask can hold, and their value in 8 bits.
            const auto field = [&](std::size_t i, std::uint32_t v8) {
                const std::uint32_t m = c.masks.empty() ? 0xffu << (16 - 8 * i) : c.masks[i];
                const int shift = std::countr_zero(m);
                const std::uint32_t top = m >> shift;
                return std::pair{(v8 * top / 255) << shift, Scale(v8 * top / 255, top)};
            };
            BmpFile f;
            f.width = width;
            f.height = topDown ? -height : height;
            f.bits = static_cast<std::uint16_t>(c.bits);
            f.compression = c.compression;
            f.headerSize = c.headerSize;
            if (c.compression)
                f.masks = c.masks;
            f.pixels = PackDirect(c.bits, width, height, topDown, [&](int x, int y) {
                return field(0, r(x, y)).first | field(1, g(x, y)).first | field(2, b(x, y)).first |
                       (c.bits == 32 ? 0x80000000u & ~(c.masks.size() > 2 ? c.masks[0] | c.masks[1] | c.masks[2] : 0xffffffu) : 0);
            });
            PictureRecord record;
            ExpectLoads(f.Build(), record);
            ExpectDrawn(record, width, height, [&](int x, int y) {
                return Rgb{field(0, r(x, y)).second, field(1, g(x, y)).second, field(2, b(x, y)).second};
            });
        }
    }
}

TEST(DrawableBitmapTest, SixteenBitWhiteIsWhite)
{
    BmpFile f;
    f.width = 2;
    f.height = 1;
    f.bits = 16;
    f.pixels = {0xff, 0x7f, 0x00, 0x00};
    PictureRecord record;
    ExpectLoads(f.Build(), record);
    ExpectDrawn(record, 2, 1, [](int x, int) { return x == 0 ? Rgb{255, 255, 255} : Rgb{0, 0, 0}; });
}

TEST(DrawableBitmapTest, CompressedStreamLongerThanTheRows)
{
    // Noise compresses badly: the stream outgrows R x H, and its own size says how long.
    std::mt19937 random(7);
    std::vector<int> noise(320 * 40);
    for (int& v : noise)
        v = static_cast<int>(random() % 256);
    const IndexAt index = [&](int x, int y) { return noise[static_cast<std::size_t>(y * 320 + x)]; };
    BmpFile f;
    f.width = 320;
    f.height = 40;
    f.bits = 8;
    f.compression = 1;
    f.palette = DistinctPalette(256);
    f.pixels = EncodeRle(8, 320, 40, index);
    ASSERT_GT(f.pixels.size(), 324u * 40u);
    PictureRecord record;
    ExpectLoads(f.Build(), record);
    ExpectDrawn(record, 320, 40, Through(f.palette, index));
}

TEST(DrawableBitmapTest, CorruptCompressedStreamsDrawTheSameEveryTime)
{
    // Deltas past the edges, runs past the row, an early end: whatever the stream says,
    // pixels it does not set show colour 0, and every drawing gives the same picture.
    const Bytes streams[] = {
        {0, 2, 200, 200, 10, 1, 0, 1},
        {255, 3, 255, 3, 255, 3, 0, 0, 255, 4},
        {0, 255, 1, 2, 3},
        {0, 2, 5, 1, 3, 2, 0, 1},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 1},
    };
    for (const std::uint32_t compression : {1u, 2u}) {
        for (const Bytes& stream : streams) {
            BmpFile f;
            f.width = 6;
            f.height = 4;
            f.bits = compression == 1 ? 8 : 4;
            f.compression = compression;
            f.palette = DistinctPalette(1 << f.bits);
            f.pixels = stream;
            PictureRecord record;
            ExpectLoads(f.Build(), record);
            const auto first = MakeDrawableBitmap(record);
            const auto second = MakeDrawableBitmap(record);
            ASSERT_EQ(first.has_value(), second.has_value());
            if (first) {
                EXPECT_EQ(*first, *second);
            }
        }
    }
}

TEST(DrawableBitmapTest, RecordsThatCannotBeDrawn)
{
    EXPECT_FALSE(MakeDrawableBitmap(PictureRecord{}));
    PictureRecord record;
    BmpFile f;
    f.width = 10;
    f.height = 10;
    f.bits = 24;
    f.pixels = PackDirect(24, 10, 10, false, [](int, int) { return 0u; });
    ExpectLoads(f.Build(), record);
    EXPECT_TRUE(MakeDrawableBitmap(record));
    // A buffer shorter than the rows its header describes is never read past its end.
    record.m_pPixels.resize(record.m_pPixels.size() - 1);
    EXPECT_FALSE(MakeDrawableBitmap(record));
    record.m_bmi.bmiHeader.biBitCount = 7;
    EXPECT_FALSE(MakeDrawableBitmap(record));
}

TEST(DrawableBitmapTest, PictureOf103By61)
{
    BmpFile f;
    f.width = 103;
    f.height = 61;
    f.bits = 8;
    f.palette = DistinctPalette(256);
    f.pixels = PackIndices(8, 103, 61, false, Pattern(256));
    PictureRecord record;
    ExpectLoads(f.Build(), record);
    EXPECT_EQ(record.m_pPixels.size(), 104u * 61u);
    ExpectDrawn(record, 103, 61, Through(f.palette, Pattern(256)));
}

}  // namespace
}  // namespace tilora::test
