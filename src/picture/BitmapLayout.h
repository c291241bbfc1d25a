// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "picture/PictureRecord.h"

namespace tilora {

// Compression values of the info header.
inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiRle8 = 1;
inline constexpr std::uint32_t kBiRle4 = 2;
inline constexpr std::uint32_t kBiBitfields = 3;
inline constexpr std::uint32_t kBiAlphaBitfields = 6;

// The largest pixel buffer a picture may ask for. A bigger one (or a size that does not
// fit in 64 bits) is refused rather than allocated.
inline constexpr std::uint64_t kMaxPixelBytes = 512ull * 1024 * 1024;

// How the pixel rows of a picture are stored, as far as the reader and the drawing step
// need to know it. Only the combinations a bitmap file may legitimately hold are described.
struct PixelLayout {
    int bits = 0;             // bits per pixel: 1, 4, 8, 16, 24 or 32
    bool rle = false;         // BI_RLE4 or BI_RLE8: the rows are a compressed stream
    bool bitfields = false;   // the colour masks sit in the first colour-table slots
    int paletteEntries = 0;   // 2^bits for 1, 4 and 8 bits, else 0
    std::uint32_t width = 0;  // W, at least 1
    std::uint32_t height = 0; // |H|, at least 1
    bool topDown = false;     // a negative height: the first row in the buffer is the top one
    std::uint64_t trueRowBytes = 0;  // a row padded to a multiple of 4 bytes
    std::uint64_t imageBytes = 0;    // trueRowBytes x height: what an uncompressed picture needs
};

// The depth and compression of a header, when they form a combination a bitmap may hold
// (1 bit plain; 4 bits plain or RLE4; 8 bits plain or RLE8; 24 bits plain; 16 and 32 bits
// plain or with bit fields), compressed pictures being bottom-up only; none otherwise.
// The size is not looked at.
std::optional<PixelLayout> DescribeFormat(const BitmapInfoHeader& header);

// The full layout: the format above, with a width and a height of at least one pixel and
// a picture of at most kMaxPixelBytes. None when any of that fails.
std::optional<PixelLayout> DescribePixels(const BitmapInfoHeader& header);

// The row length the reader uses for a depth and a width: the padded length for 16, 24
// and 32 bits, and for 1, 4 and 8 bits the classic rule of the game, which gives 4 bytes
// more than the padded length when the width is a multiple of 32, 8 or 4 respectively.
std::uint64_t ReaderRowBytes(int bits, std::uint32_t width);

}  // namespace tilora
