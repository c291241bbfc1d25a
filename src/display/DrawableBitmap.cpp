// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/DrawableBitmap.h"

#include <QByteArray>
#include <QIODevice>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#include "picture/BitmapLayout.h"

namespace tilora {
namespace {

constexpr std::uint32_t kHeadersBytes = 14 + 40;

void Put16(QByteArray& out, std::uint16_t v)
{
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>(v >> 8));
}

void Put32(QByteArray& out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((v >> shift) & 0xff));
}

// The file and info headers of a bitmap of `bits` per pixel whose colour table of
// `colours` entries and `pixelBytes` of rows follow directly.
QByteArray Headers(const BitmapInfoHeader& h, std::uint16_t bits, std::uint32_t compression, std::uint32_t colours,
                   std::uint64_t pixelBytes)
{
    const std::uint32_t offset = kHeadersBytes + 4 * colours;
    QByteArray out;
    out.reserve(static_cast<qsizetype>(offset));
    out.append("BM", 2);
    Put32(out, static_cast<std::uint32_t>(offset + pixelBytes));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    // Always bottom-up: Qt's reader refuses to decode into a given image of a top-down
    // picture, so the rows of one are turned round here.
    Put32(out, static_cast<std::uint32_t>(h.biWidth));
    Put32(out, static_cast<std::uint32_t>(h.biHeight < 0 ? -static_cast<std::int64_t>(h.biHeight) : h.biHeight));
    Put16(out, 1);
    Put16(out, bits);
    Put32(out, compression);
    Put32(out, static_cast<std::uint32_t>(pixelBytes));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, colours);
    Put32(out, 0);
    return out;
}

// A bitmap file in memory: its headers and colour table, then its pixel rows, which are
// either the record's own buffer (not copied: a large picture costs no second copy) or
// rows made for the drawing.
struct AssembledBitmap {
    QByteArray head;
    QByteArray madeRows;
    const char* rows = nullptr;
    qint64 rowBytes = 0;
};

// Serves an assembled bitmap to Qt's reader as one file, without joining its parts.
class BitmapDevice final : public QIODevice {
public:
    explicit BitmapDevice(const AssembledBitmap& bitmap) : m_bitmap(bitmap) {}
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_bitmap.head.size() + m_bitmap.rowBytes; }
    bool seek(qint64 position) override
    {
        if (position < 0 || position > size() || !QIODevice::seek(position))
            return false;
        m_position = position;
        return true;
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 headSize = m_bitmap.head.size();
        qint64 done = 0;
        if (m_position < headSize) {
            const qint64 n = std::min(maxSize, headSize - m_position);
            std::memcpy(data, m_bitmap.head.constData() + m_position, static_cast<std::size_t>(n));
            done = n;
        }
        const qint64 inRows = m_position + done - headSize;
        if (done < maxSize && inRows >= 0 && inRows < m_bitmap.rowBytes) {
            const qint64 n = std::min(maxSize - done, m_bitmap.rowBytes - inRows);
            std::memcpy(data + done, m_bitmap.rows + inRows, static_cast<std::size_t>(n));
            done += n;
        }
        m_position += done;
        return done;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const AssembledBitmap& m_bitmap;
    qint64 m_position = 0;
};

// Depths with a colour table, and 24 bits: the record's rows as they are. Qt's reader
// decodes these exactly, compressed streams included.
AssembledBitmap AssembleAsStored(const PictureRecord& record, const PixelLayout& layout)
{
    const BitmapInfoHeader& h = record.m_bmi.bmiHeader;
    // A compressed stream is as long as the buffer; plain rows take exactly the picture.
    const std::uint64_t pixelBytes = layout.rle ? record.m_pPixels.size() : layout.imageBytes;
    const auto colours = static_cast<std::uint32_t>(layout.paletteEntries);
    AssembledBitmap out;
    out.head = Headers(h, static_cast<std::uint16_t>(layout.bits), h.biCompression, colours, pixelBytes);
    for (std::uint32_t i = 0; i < colours; ++i) {
        const RgbQuad& q = record.m_bmi.bmiColors[i];
        const std::array<char, 4> entry{static_cast<char>(q.rgbBlue), static_cast<char>(q.rgbGreen),
                                        static_cast<char>(q.rgbRed), 0};
        out.head.append(entry.data(), 4);
    }
    out.rowBytes = static_cast<qint64>(pixelBytes);
    const auto* pixels = reinterpret_cast<const char*>(record.m_pPixels.data());
    if (!layout.topDown) {
        out.rows = pixels;
        return out;
    }
    const auto row = static_cast<qsizetype>(layout.trueRowBytes);
    out.madeRows.reserve(static_cast<qsizetype>(pixelBytes));
    for (std::uint32_t y = layout.height; y-- > 0;)
        out.madeRows.append(pixels + static_cast<qsizetype>(y) * row, row);
    out.rows = out.madeRows.constData();
    return out;
}

// One colour channel of a 16- or 32-bit pixel: the bits under the mask, scaled so that
// the largest value the mask can hold is 255.
class Channel {
public:
    explicit Channel(std::uint32_t mask) : m_mask(mask), m_shift(mask ? std::countr_zero(mask) : 0)
    {
        const std::uint32_t top = mask >> m_shift;
        if (top > 0 && top <= 0xffff) {
            m_table.resize(top + 1);
            for (std::uint32_t v = 0; v <= top; ++v)
                m_table[v] = static_cast<std::uint8_t>((std::uint64_t{v} * 255 + top / 2) / top);
        }
        m_top = top;
    }

    std::uint8_t operator()(std::uint32_t pixel) const
    {
        const std::uint32_t v = (pixel & m_mask) >> m_shift;
        if (!m_table.empty())
            return m_table[v];
        return m_top ? static_cast<std::uint8_t>((std::uint64_t{v} * 255 + m_top / 2) / m_top) : 0;
    }

private:
    std::uint32_t m_mask;
    int m_shift;
    std::uint32_t m_top = 0;
    std::vector<std::uint8_t> m_table;
};

std::uint32_t MaskAt(const PictureRecord& record, std::size_t slot)
{
    const RgbQuad& q = record.m_bmi.bmiColors[slot];
    return std::uint32_t{q.rgbBlue} | std::uint32_t{q.rgbGreen} << 8 | std::uint32_t{q.rgbRed} << 16 |
           std::uint32_t{q.rgbReserved} << 24;
}

// 16- and 32-bit rows, with bit fields or the default masks, turned into 32-bit rows
// without masks. Qt's reader scales 5-bit channels to at most 248 and reads masks wider
// than 8 bits as black, so the channels are scaled here, and exactly.
AssembledBitmap AssembleDirectColour(const PictureRecord& record, const PixelLayout& layout)
{
    std::array<std::uint32_t, 3> masks{};
    if (layout.bitfields)
        masks = {MaskAt(record, 0), MaskAt(record, 1), MaskAt(record, 2)};
    else if (layout.bits == 16)
        masks = {0x7c00, 0x03e0, 0x001f};
    else
        masks = {0xff0000, 0x00ff00, 0x0000ff};
    const Channel red(masks[0]), green(masks[1]), blue(masks[2]);

    const std::uint64_t outRow = 4ull * layout.width;
    AssembledBitmap out;
    out.head = Headers(record.m_bmi.bmiHeader, 32, kBiRgb, 0, outRow * layout.height);
    out.madeRows.resize(static_cast<qsizetype>(outRow * layout.height));
    out.rows = out.madeRows.constData();
    out.rowBytes = out.madeRows.size();
    auto* dst = reinterpret_cast<std::uint8_t*>(out.madeRows.data());
    const std::uint8_t* src = record.m_pPixels.data();
    const std::size_t pixelBytes = static_cast<std::size_t>(layout.bits / 8);
    for (std::uint32_t y = 0; y < layout.height; ++y) {
        const std::uint32_t from = layout.topDown ? layout.height - 1 - y : y;
        const std::uint8_t* p = src + from * layout.trueRowBytes;
        for (std::uint32_t x = 0; x < layout.width; ++x, p += pixelBytes, dst += 4) {
            std::uint32_t v = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8;
            if (pixelBytes == 4)
                v |= std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
            dst[0] = blue(v);
            dst[1] = green(v);
            dst[2] = red(v);
            dst[3] = 0;
        }
    }
    return out;
}

std::optional<QImage> Decode(const AssembledBitmap& bitmap, bool compressed)
{
    BitmapDevice device(bitmap);
    device.open(QIODevice::ReadOnly);
    QImageReader reader(&device, "BMP");
    const QSize size = reader.size();
    const QImage::Format format = reader.imageFormat();
    if (!size.isValid() || size.isEmpty() || format == QImage::Format_Invalid)
        return std::nullopt;
    // Qt's reader draws into an image of the right size and format that it is given, and
    // leaves the pixels a compressed stream skips as they were: clear them to index 0.
    // Plain rows set every pixel.
    QImage image(size, format);
    if (image.isNull())
        return std::nullopt;
    if (compressed)
        image.fill(0);
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return image;
}

}  // namespace

std::optional<QImage> MakeDrawableBitmap(const PictureRecord& record)
{
    const auto layout = DescribePixels(record.m_bmi.bmiHeader);
    if (!layout)
        return std::nullopt;
    // Plain rows must all be in the buffer: nothing is read beyond it.
    if (!layout->rle && record.m_pPixels.size() < layout->imageBytes)
        return std::nullopt;
    const bool direct = layout->bits == 16 || layout->bits == 32;
    return Decode(direct ? AssembleDirectColour(record, *layout) : AssembleAsStored(record, *layout), layout->rle);
}

}  // namespace tilora
