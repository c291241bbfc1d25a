// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tilora {

// The bitmap file header as a bitmap file stores it (14 bytes on disk).
struct BitmapFileHeader {
    std::uint16_t bfType = 0;
    std::uint32_t bfSize = 0;
    std::uint16_t bfReserved1 = 0;
    std::uint16_t bfReserved2 = 0;
    std::uint32_t bfOffBits = 0;
};

// The 40-byte bitmap info header.
struct BitmapInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};

// One colour-table entry, in file order.
struct RgbQuad {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
};

// The info header followed by a colour table with room for 256 entries. A picture fills
// only the entries its depth calls for; the others keep what an earlier picture left.
struct BitmapInfo {
    BitmapInfoHeader bmiHeader;
    std::array<RgbQuad, 256> bmiColors{};
};

// The picture the player opened: its headers and its pixel rows as read from the file.
// Owned by the main window; empty until the first picture is read, and kept until the
// next one replaces it, also while a built-in picture is drawn instead.
struct PictureRecord {
    BitmapFileHeader m_bmfh;
    BitmapInfo m_bmi;
    std::vector<std::uint8_t> m_pPixels;
};

}  // namespace tilora
