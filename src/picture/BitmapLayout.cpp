// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/BitmapLayout.h"

#include <algorithm>

namespace tilora {

std::optional<PixelLayout> DescribeFormat(const BitmapInfoHeader& header)
{
    const std::uint32_t c = header.biCompression;
    PixelLayout layout;
    layout.bits = header.biBitCount;
    switch (header.biBitCount) {
    case 1:
        if (c != kBiRgb)
            return std::nullopt;
        break;
    case 4:
        if (c != kBiRgb && c != kBiRle4)
            return std::nullopt;
        layout.rle = c == kBiRle4;
        break;
    case 8:
        if (c != kBiRgb && c != kBiRle8)
            return std::nullopt;
        layout.rle = c == kBiRle8;
        break;
    case 24:
        if (c != kBiRgb)
            return std::nullopt;
        break;
    case 16:
    case 32:
        if (c != kBiRgb && c != kBiBitfields && c != kBiAlphaBitfields)
            return std::nullopt;
        layout.bitfields = c != kBiRgb;
        break;
    default:
        return std::nullopt;
    }
    // A compressed stream has no top-down form.
    if (layout.rle && header.biHeight < 0)
        return std::nullopt;
    layout.paletteEntries = layout.bits <= 8 ? 1 << layout.bits : 0;
    return layout;
}

std::optional<PixelLayout> DescribePixels(const BitmapInfoHeader& header)
{
    auto layout = DescribeFormat(header);
    if (!layout || header.biWidth <= 0 || header.biHeight == 0)
        return std::nullopt;
    layout->width = static_cast<std::uint32_t>(header.biWidth);
    layout->topDown = header.biHeight < 0;
    // The magnitude of a negative height, computed in 64 bits so that INT32_MIN is fine.
    const std::int64_t height = header.biHeight;
    layout->height = static_cast<std::uint32_t>(height < 0 ? -height : height);
    // Both factors are below 2^32 and the row length below 2^38, so nothing overflows.
    layout->trueRowBytes = (static_cast<std::uint64_t>(layout->bits) * layout->width + 31) / 32 * 4;
    const std::uint64_t rowBytes = std::max(layout->trueRowBytes, ReaderRowBytes(layout->bits, layout->width));
    if (rowBytes > kMaxPixelBytes / layout->height)
        return std::nullopt;
    layout->imageBytes = layout->trueRowBytes * layout->height;
    return layout;
}

std::uint64_t ReaderRowBytes(int bits, std::uint32_t width)
{
    const std::uint64_t w = width;
    switch (bits) {
    case 1:
        return (32 * (w / 32) + 32) / 8;
    case 4:
        return (8 * (w / 8) + 8) / 2;
    case 8:
        return w + 4 - w % 4;
    case 24:
        return 3 * w + w % 4;
    default:
        return (static_cast<std::uint64_t>(bits) * w + 31) / 32 * 4;
    }
}

}  // namespace tilora
