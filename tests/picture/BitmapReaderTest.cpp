// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/BitmapReader.h"

#include <cstring>

#include "PictureTestHelpers.h"
#include "support/TempDir.h"

namespace tilora::test {
namespace {

bool SameRecord(const PictureRecord& a, const PictureRecord& b)
{
    return std::memcmp(&a.m_bmfh, &b.m_bmfh, sizeof a.m_bmfh) == 0 &&
           std::memcmp(&a.m_bmi, &b.m_bmi, sizeof a.m_bmi) == 0 && a.m_pPixels == b.m_pPixels;
}

BmpFile Indexed(int bits, int width, int height, bool topDown = false)
{
    BmpFile f;
    f.width = width;
    f.height = topDown ? -height : height;
    f.bits = static_cast<std::uint16_t>(bits);
    f.palette = DistinctPalette(1 << bits);
    f.pixels = PackIndices(bits, width, height, topDown, Pattern(1 << bits));
    return f;
}

// A record that already holds a picture, to show what a later read keeps of it.
PictureRecord Earlier()
{
    PictureRecord record;
    ExpectLoads(Indexed(8, 40, 30).Build(), record);
    return record;
}

TEST(BitmapReaderTest, EightBitsAMultipleOfFourWideReadsFourSurplusBytesPerRow)
{
    // 320 x 320: R = 324, so the last 1280 reads run past the pixel data, taking what
    // follows it and then nothing; the rows still lie at their true length.
    BmpFile f = Indexed(8, 320, 320);
    f.trailer = {'T', 'R', 'A', 'I', 'L', 'E', 'R', '!'};
    PictureRecord record;
    ExpectLoads(f.Build(), record);
    ASSERT_EQ(record.m_pPixels.size(), 324u * 320u);
    EXPECT_TRUE(std::equal(f.pixels.begin(), f.pixels.end(), record.m_pPixels.begin()));
    EXPECT_TRUE(std::equal(f.trailer.begin(), f.trailer.end(), record.m_pPixels.begin() + 320 * 320));
    EXPECT_TRUE(std::all_of(record.m_pPixels.begin() + 320 * 320 + 8, record.m_pPixels.end(), [](auto b) { return b == 0; }));
    ExpectDrawn(record, 320, 320, Through(f.palette, Pattern(256)));
}

TEST(BitmapReaderTest, RowLengthsOfTheClassicRule)
{
    struct Case {
        int bits, width;
        std::size_t row;
    };
    // 321 x 8 bits and 33 x 1 bit: the true length; 320 x 1 bit and 8 x 4 bits: 4 more.
    for (const Case c : {Case{8, 321, 324}, Case{1, 320, 44}, Case{1, 33, 8}, Case{4, 8, 8}, Case{4, 5, 4},
                         Case{24, 5, 16}, Case{24, 4, 12}, Case{16, 3, 8}, Case{32, 3, 12}}) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, " << c.width << " wide");
        BmpFile f;
        if (c.bits <= 8) {
            f = Indexed(c.bits, c.width, 7);
        } else {
            f.bits = static_cast<std::uint16_t>(c.bits);
            f.width = c.width;
            f.height = 7;
            f.pixels = PackDirect(c.bits, c.width, 7, false, [](int x, int y) { return 0x00406080u + x + y; });
        }
        f.trailer = Bytes(64, 0xAB);
        PictureRecord record;
        ExpectLoads(f.Build(), record);
        EXPECT_EQ(record.m_pPixels.size(), c.row * 7);
        // A row of the true length takes nothing past the pixel data.
        if (c.row == RowBytes(c.bits, c.width)) {
            EXPECT_EQ(record.m_pPixels, f.pixels);
        }
    }
}

TEST(BitmapReaderTest, ShortColourTableKeepsTheEarlierEntriesBeyondIt)
{
    PictureRecord record = Earlier();
    const auto earlier = record.m_bmi.bmiColors;
    BmpFile f = Indexed(8, 127, 20);
    f.palette = std::vector<Rgb>(252, Rgb{1, 2, 3});
    f.palette[0] = {200, 100, 50};
    f.clrUsed = 252;
    f.pixels = PackIndices(8, 127, 20, false, [](int x, int) { return x % 2 ? 251 : 0; });
    ExpectLoads(f.Build(), record);
    EXPECT_EQ(record.m_bmi.bmiColors[0].rgbRed, 200);
    EXPECT_EQ(record.m_bmi.bmiColors[251].rgbBlue, 3);
    for (std::size_t i = 252; i < 256; ++i)
        EXPECT_EQ(std::memcmp(&record.m_bmi.bmiColors[i], &earlier[i], 4), 0) << i;
    // Without the count, the pixels would start 16 bytes early and be shifted.
    ExpectDrawn(record, 127, 20, [](int x, int) { return x % 2 ? Rgb{1, 2, 3} : Rgb{200, 100, 50}; });
}

TEST(BitmapReaderTest, TwentyFourBitsLeaveTheColourTableAsItWas)
{
    PictureRecord record = Earlier();
    const auto earlier = record.m_bmi.bmiColors;
    BmpFile f;
    f.bits = 24;
    f.width = 5;
    f.height = 3;
    f.pixels = PackDirect(24, 5, 3, false, [](int x, int y) { return static_cast<std::uint32_t>(x * 40 << 16 | y * 90 << 8 | 7); });
    ExpectLoads(f.Build(), record);
    EXPECT_EQ(std::memcmp(&record.m_bmi.bmiColors, &earlier, sizeof earlier), 0);
    EXPECT_EQ(record.m_pPixels.size(), 16u * 3u);
    ExpectDrawn(record, 5, 3, [](int x, int y) {
        return Rgb{static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 90), 7};
    });
}

TEST(BitmapReaderTest, RefusedFilesChangeNothing)
{
    const PictureRecord before = Earlier();
    const auto refused = [&](const Bytes& bytes, BitmapReadResult expected) {
        PictureRecord record = before;
        EXPECT_EQ(ReadBitmapBytes(bytes, record), expected);
        EXPECT_TRUE(SameRecord(record, before));
    };
    Bytes notBm = Indexed(8, 10, 10).Build();
    notBm[0] = 'b';
    refused(notBm, BitmapReadResult::NotBitmap);
    refused({}, BitmapReadResult::NotBitmap);
    refused({'B'}, BitmapReadResult::NotBitmap);

    const auto withHeader = [](auto change) {
        BmpFile f = Indexed(8, 10, 10);
        change(f);
        return f.Build();
    };
    // Sizes that give no picture, or more than 512 MiB of rows.
    refused(withHeader([](BmpFile& f) { f.width = 0; }), BitmapReadResult::BadPicture);
    refused(withHeader([](BmpFile& f) { f.height = 0; }), BitmapReadResult::BadPicture);
    refused(withHeader([](BmpFile& f) { f.width = -10; }), BitmapReadResult::BadPicture);
    refused(withHeader([](BmpFile& f) { f.width = 60000, f.height = 60000; }), BitmapReadResult::BadPicture);
    refused(withHeader([](BmpFile& f) { f.height = INT32_MIN; }), BitmapReadResult::BadPicture);
    refused(withHeader([](BmpFile& f) { f.width = INT32_MAX, f.height = INT32_MAX, f.bits = 24; }),
            BitmapReadResult::BadPicture);
    // Depths and compressions a bitmap cannot hold, or that the game does not read.
    refused(withHeader([](BmpFile& f) { f.bits = 2; }), BitmapReadResult::NotBitmap);
    refused(withHeader([](BmpFile& f) { f.bits = 30000; }), BitmapReadResult::NotBitmap);
    refused(withHeader([](BmpFile& f) { f.compression = 2; }), BitmapReadResult::NotBitmap);  // RLE4 on 8 bits
    refused(withHeader([](BmpFile& f) { f.compression = 4; }), BitmapReadResult::NotBitmap);  // JPEG
    refused(withHeader([](BmpFile& f) { f.bits = 24, f.compression = 3; }), BitmapReadResult::NotBitmap);
    refused(withHeader([](BmpFile& f) { f.compression = 1, f.height = -10; }), BitmapReadResult::NotBitmap);
}

TEST(BitmapReaderTest, ExactlyTheLimitIsRead)
{
    BmpFile f = Indexed(8, 16, 4);  // R = 20, 80 bytes
    PictureRecord record;
    EXPECT_EQ(ReadBitmapBytes(f.Build(), record, 80), BitmapReadResult::Loaded);
    EXPECT_EQ(ReadBitmapBytes(f.Build(), record, 79), BitmapReadResult::BadPicture);
}

TEST(BitmapReaderTest, ShortFileKeepsWhatItDoesNotSupply)
{
    // Cut in the pixel rows: the rows that are there, zeros after them, and a picture.
    const BmpFile f = Indexed(8, 16, 8);
    Bytes bytes = f.Build();
    bytes.resize(bytes.size() - 40);
    PictureRecord record = Earlier();
    ExpectLoads(bytes, record);
    ASSERT_EQ(record.m_pPixels.size(), 20u * 8u);
    EXPECT_TRUE(std::equal(f.pixels.begin(), f.pixels.end() - 40, record.m_pPixels.begin()));
    EXPECT_TRUE(std::all_of(record.m_pPixels.end() - 40, record.m_pPixels.end(), [](auto b) { return b == 0; }));

    // Cut in the colour table: the entries it holds, the earlier ones after them.
    const PictureRecord earlier = Earlier();
    record = earlier;
    bytes = f.Build();
    bytes.resize(54 + 10 * 4 + 2);
    ExpectLoads(bytes, record);
    EXPECT_EQ(record.m_bmi.bmiColors[9].rgbRed, f.palette[9].r);
    EXPECT_EQ(record.m_bmi.bmiColors[10].rgbBlue, f.palette[10].b);  // the first two bytes came
    EXPECT_EQ(record.m_bmi.bmiColors[10].rgbRed, earlier.m_bmi.bmiColors[10].rgbRed);
    EXPECT_EQ(record.m_bmi.bmiColors[11].rgbGreen, earlier.m_bmi.bmiColors[11].rgbGreen);

    // Cut after the width: the height and everything after it are the earlier picture's.
    record = earlier;
    bytes = f.Build();
    bytes.resize(22);
    ExpectLoads(bytes, record);
    EXPECT_EQ(record.m_bmi.bmiHeader.biWidth, 16);
    EXPECT_EQ(record.m_bmi.bmiHeader.biHeight, 30);
    EXPECT_EQ(record.m_pPixels.size(), 20u * 30u);

    // With nothing earlier to keep, a file cut in its header has no depth: refused.
    PictureRecord empty;
    EXPECT_EQ(ReadBitmapBytes(bytes, empty), BitmapReadResult::NotBitmap);
    EXPECT_TRUE(empty.m_pPixels.empty());
}

TEST(BitmapReaderTest, LongerHeadersAndGapsBeforeThePixels)
{
    const BmpFile plain = Indexed(8, 31, 9);
    const ColourAt expected = Through(plain.palette, Pattern(256));
    for (const std::uint32_t size : {52u, 56u, 64u, 108u, 124u}) {
        SCOPED_TRACE(size);
        BmpFile f = plain;
        f.headerSize = size;
        PictureRecord record;
        ExpectLoads(f.Build(), record);
        EXPECT_EQ(record.m_bmi.bmiHeader.biSize, size);
        ExpectDrawn(record, 31, 9, expected);
    }
    BmpFile gap = plain;
    gap.gap = 300;
    PictureRecord record;
    ExpectLoads(gap.Build(), record);
    ExpectDrawn(record, 31, 9, expected);

    // An offset pointing back into the headers is not followed.
    Bytes backward = plain.Build();
    backward[10] = 20;
    backward[11] = backward[12] = backward[13] = 0;
    ExpectLoads(backward, record);
    ExpectDrawn(record, 31, 9, expected);
}

TEST(BitmapReaderTest, OS2Headers)
{
    // 1.x: 12 bytes, 16-bit sizes, 3-byte colours; a short table ends at the pixels.
    for (const int colours : {256, 200}) {
        SCOPED_TRACE(colours);
        BmpFile f = Indexed(8, 29, 11);
        f.headerSize = 12;
        f.palette.resize(static_cast<std::size_t>(colours));
        f.pixels = PackIndices(8, 29, 11, false, Pattern(colours));
        PictureRecord record = Earlier();
        ExpectLoads(f.Build(), record);
        EXPECT_EQ(record.m_bmi.bmiHeader.biWidth, 29);
        EXPECT_EQ(record.m_bmi.bmiHeader.biHeight, 11);
        EXPECT_EQ(record.m_bmi.bmiHeader.biCompression, 0u);
        ExpectDrawn(record, 29, 11, Through(f.palette, Pattern(colours)));
    }
    // 2.x cut to 16 bytes: the fields it leaves out are zero, however they were before.
    BmpFile f = Indexed(4, 29, 11);
    f.headerSize = 16;
    PictureRecord record;
    record.m_bmi.bmiHeader.biCompression = 1;
    record.m_bmi.bmiHeader.biClrUsed = 3;
    ExpectLoads(f.Build(), record);
    EXPECT_EQ(record.m_bmi.bmiHeader.biCompression, 0u);
    ExpectDrawn(record, 29, 11, Through(f.palette, Pattern(16)));
}

TEST(BitmapReaderTest, FileAndMemoryReadAlike)
{
    // Larger than the file buffer, so that reads cross its refills.
    BmpFile f;
    f.bits = 24;
    f.width = 201;
    f.height = 150;
    f.pixels = PackDirect(24, 201, 150, false, [](int x, int y) { return static_cast<std::uint32_t>(x * 977 + y * 13); });
    TempDir dir;
    WriteFile(dir / "big.bmp", f.Build());
    PictureRecord fromFile, fromMemory;
    ASSERT_EQ(ReadBitmapFile(dir / "big.bmp", fromFile), BitmapReadResult::Loaded);
    ExpectLoads(f.Build(), fromMemory);
    EXPECT_TRUE(SameRecord(fromFile, fromMemory));
    EXPECT_EQ(ReadBitmapFile(dir / "missing.bmp", fromFile), BitmapReadResult::CannotOpen);
    EXPECT_EQ(ReadBitmapFile(dir.Path(), fromFile), BitmapReadResult::CannotOpen);  // a folder
    EXPECT_TRUE(SameRecord(fromFile, fromMemory));
}

}  // namespace
}  // namespace tilora::test
