// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes bitmap files of every depth, compression and header kind for the tests, from a
// plain description of the picture, so that each test states the file it reads.
#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

namespace tilora::test {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void Put32(Bytes& out, std::uint32_t v)
{
    for (int s = 0; s < 32; s += 8)
        out.push_back(static_cast<std::uint8_t>(v >> s));
}

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// A bitmap file as parts: the headers are made from the fields, then come the masks, the
// colour table, `gap` bytes, and the pixel bytes.
struct BmpFile {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bits = 8;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 40;  // 12 writes the OS/2 1.x header with 3-byte colours
    std::uint32_t clrUsed = 0;
    std::uint32_t sizeImage = 0;
    std::vector<std::uint32_t> masks;  // after a 40-byte header, or inside a longer one
    std::vector<Rgb> palette;
    std::size_t gap = 0;
    Bytes pixels;
    Bytes trailer;  // bytes after the pixel data

    Bytes Build() const
    {
        Bytes info;
        Put32(info, headerSize);
        if (headerSize == 12) {
            Put16(info, static_cast<std::uint32_t>(width));
            Put16(info, static_cast<std::uint32_t>(height));
            Put16(info, 1);
            Put16(info, bits);
        } else {
            Put32(info, static_cast<std::uint32_t>(width));
            Put32(info, static_cast<std::uint32_t>(height));
            Put16(info, 1);
            Put16(info, bits);
            Put32(info, compression);
            Put32(info, sizeImage ? sizeImage : static_cast<std::uint32_t>(pixels.size()));
            Put32(info, 2835);
            Put32(info, 2835);
            Put32(info, clrUsed);
            Put32(info, 0);
            info.resize(std::min<std::size_t>(info.size(), headerSize));
            const std::size_t maskStart = info.size();
            if (headerSize > 40)
                for (const std::uint32_t m : masks)
                    Put32(info, m);
            info.resize(std::max<std::size_t>(headerSize, maskStart), 0);
        }
        if (headerSize <= 40)
            for (const std::uint32_t m : masks)
                Put32(info, m);
        for (const Rgb& c : palette) {
            info.push_back(c.b);
            info.push_back(c.g);
            info.push_back(c.r);
            if (headerSize != 12)
                info.push_back(0);
        }
        info.resize(info.size() + gap, 0xEE);
        Bytes out{'B', 'M'};
        const auto offset = static_cast<std::uint32_t>(14 + info.size());
        Put32(out, static_cast<std::uint32_t>(offset + pixels.size() + trailer.size()));
        Put32(out, 0);
        Put32(out, offset);
        out.insert(out.end(), info.begin(), info.end());
        out.insert(out.end(), pixels.begin(), pixels.end());
        out.insert(out.end(), trailer.begin(), trailer.end());
        return out;
    }
};

// Palette index of pixel (x, y), row 0 at the top, and an image of such indices.
using IndexAt = std::function<int(int x, int y)>;
using ColourAt = std::function<Rgb(int x, int y)>;

inline std::size_t RowBytes(int bits, int width)
{
    return (static_cast<std::size_t>(bits) * static_cast<std::size_t>(width) + 31) / 32 * 4;
}

// Uncompressed rows of 1, 4 or 8 bits, bottom row first unless top-down.
inline Bytes PackIndices(int bits, int width, int height, bool topDown, const IndexAt& index)
{
    const std::size_t row = RowBytes(bits, width);
    Bytes out(row * static_cast<std::size_t>(height), 0);
    for (int r = 0; r < height; ++r) {
        const int y = topDown ? r : height - 1 - r;
        std::uint8_t* line = out.data() + row * static_cast<std::size_t>(r);
        for (int x = 0; x < width; ++x) {
            const int bit = x * bits;
            const int shift = 8 - bits - bit % 8;
            line[bit / 8] = static_cast<std::uint8_t>(line[bit / 8] | index(x, y) << shift);
        }
    }
    return out;
}

// Direct-colour rows of 16, 24 or 32 bits; `encode` gives a pixel's value.
inline Bytes PackDirect(int bits, int width, int height, bool topDown,
                        const std::function<std::uint32_t(int x, int y)>& encode)
{
    const std::size_t row = RowBytes(bits, width);
    Bytes out(row * static_cast<std::size_t>(height), 0);
    for (int r = 0; r < height; ++r) {
        const int y = topDown ? r : height - 1 - r;
        std::uint8_t* p = out.data() + row * static_cast<std::size_t>(r);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = encode(x, y);
            for (int b = 0; b < bits / 8; ++b)
                *p++ = static_cast<std::uint8_t>(v >> (8 * b));
        }
    }
    return out;
}

// An RLE8 or RLE4 stream, bottom row first: runs of equal pixels, absolute runs where
// pixels differ, an end-of-line per row and the end-of-bitmap mark.
inline Bytes EncodeRle(int bits, int width, int height, const IndexAt& index)
{
    Bytes out;
    for (int y = height - 1; y >= 0; --y) {
        int x = 0;
        while (x < width) {
            int run = 1;
            while (x + run < width && run < 255 && index(x + run, y) == index(x, y))
                ++run;
            if (run >= 3 || width - x < 3) {
                out.push_back(static_cast<std::uint8_t>(run));
                const int v = index(x, y);
                out.push_back(static_cast<std::uint8_t>(bits == 8 ? v : (v << 4 | v)));
                x += run;
                continue;
            }
            // Absolute mode: the pixels up to the next run of three, at least 3 of them.
            int n = 3;
            while (x + n < width && n < 254 &&
                   !(x + n + 2 < width && index(x + n, y) == index(x + n + 1, y) && index(x + n, y) == index(x + n + 2, y)))
                ++n;
            out.push_back(0);
            out.push_back(static_cast<std::uint8_t>(n));
            Bytes data;
            for (int i = 0; i < n; ++i) {
                const int v = index(x + i, y);
                if (bits == 8)
                    data.push_back(static_cast<std::uint8_t>(v));
                else if (i % 2 == 0)
                    data.push_back(static_cast<std::uint8_t>(v << 4));
                else
                    data.back() = static_cast<std::uint8_t>(data.back() | v);
            }
            if (data.size() % 2)
                data.push_back(0);
            out.insert(out.end(), data.begin(), data.end());
            x += n;
        }
        out.push_back(0);
        out.push_back(y == 0 ? 1 : 0);
    }
    return out;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace tilora::test
