// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/BitmapReader.h"

#include <algorithm>
#include <array>
#include <new>
#include <type_traits>
#include <vector>

#include "picture/ByteSource.h"

namespace tilora {
namespace {

constexpr std::uint16_t kBm = 0x4D42;  // "BM" read as a little-endian number
constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kCoreHeaderBytes = 12;   // OS/2 1.x: 16-bit sizes, 3-byte colours
constexpr std::uint32_t kShortHeaderBytes = 16;  // OS/2 2.x headers may end after any field from here
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kInfoFieldBytes = kInfoHeaderBytes - 4;  // the fields after biSize

// Reads one picture into a scratch copy of the record, which replaces the record only
// when the whole read succeeds.
class Reader {
public:
    Reader(ByteSource& source, const PictureRecord& earlier, std::uint64_t maxPixelBytes)
        : m_source(source), m_maxPixelBytes(maxPixelBytes)
    {
        // The pixel buffer is replaced anyway; headers and colours are kept for the
        // fields a short file does not supply.
        m_new.m_bmfh = earlier.m_bmfh;
        m_new.m_bmi = earlier.m_bmi;
    }

    BitmapReadResult Read(PictureRecord& record);

private:
    void ReadInfoHeader();
    void ReadCoreHeader();
    void ReadInfoFields(std::uint32_t available);
    void ReadMasks(int count);
    void ReadColourTable(const PixelLayout& layout);
    int ColourCount(const PixelLayout& layout) const;
    bool ReadPixels(const PixelLayout& layout);

    // Reads a little-endian number of sizeof(T) bytes over `value`: the bytes the file
    // supplies replace the value's bytes from the low end, the others keep theirs.
    template <typename T>
    void Field(T& value)
    {
        using U = std::make_unsigned_t<T>;
        std::array<std::uint8_t, sizeof(T)> bytes{};
        auto bits = static_cast<U>(value);
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
        Take(bytes);
        bits = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            bits = static_cast<U>(bits | static_cast<U>(static_cast<U>(bytes[i]) << (8 * i)));
        value = static_cast<T>(bits);
    }

    // Reads over `bytes`; the bytes past the end of the file keep their values.
    std::size_t Take(std::span<std::uint8_t> bytes)
    {
        const std::size_t got = m_source.Read(bytes);
        m_position += got;
        return got;
    }

    void Skip(std::uint64_t count) { m_position += m_source.Skip(count); }

    ByteSource& m_source;
    const std::uint64_t m_maxPixelBytes;
    PictureRecord m_new;
    std::uint64_t m_position = 0;  // bytes of the file consumed so far
};

BitmapReadResult Reader::Read(PictureRecord& record)
{
    // The "BM" test looks at what the file holds, never at an earlier picture's value.
    std::array<std::uint8_t, 2> type{};
    if (Take(type) < type.size() || (type[0] | type[1] << 8) != kBm)
        return BitmapReadResult::NotBitmap;
    BitmapFileHeader& f = m_new.m_bmfh;
    f.bfType = kBm;
    Field(f.bfSize);
    Field(f.bfReserved1);
    Field(f.bfReserved2);
    Field(f.bfOffBits);
    ReadInfoHeader();

    const auto format = DescribeFormat(m_new.m_bmi.bmiHeader);
    if (!format)
        return BitmapReadResult::NotBitmap;
    const auto layout = DescribePixels(m_new.m_bmi.bmiHeader);
    if (!layout)
        return BitmapReadResult::BadPicture;
    if (layout->paletteEntries > 0)
        ReadColourTable(*layout);
    // Pixels that start after a gap: pass over it. An offset that points back into what
    // was read already is ignored, as the classic reader ignored every offset.
    if (f.bfOffBits > m_position)
        Skip(f.bfOffBits - m_position);
    if (!ReadPixels(*layout))
        return BitmapReadResult::BadPicture;
    record = std::move(m_new);
    return BitmapReadResult::Loaded;
}

void Reader::ReadInfoHeader()
{
    BitmapInfoHeader& h = m_new.m_bmi.bmiHeader;
    Field(h.biSize);
    if (h.biSize == kCoreHeaderBytes) {
        ReadCoreHeader();
        return;
    }
    // An OS/2 2.x header may stop early; the fields it leaves out are zero. Sizes that
    // name no known header are read as the 40-byte one, as they always were.
    const bool cut = h.biSize >= kShortHeaderBytes && h.biSize < kInfoHeaderBytes;
    ReadInfoFields(cut ? h.biSize - 4 : kInfoFieldBytes);

    const bool bitfields = h.biCompression == kBiBitfields || h.biCompression == kBiAlphaBitfields;
    const int masks = !bitfields ? 0 : h.biCompression == kBiBitfields ? 3 : 4;
    if (h.biSize > kInfoHeaderBytes) {
        // V2 to V5 headers carry the masks in their first extra bytes, whatever the
        // compression says; a mask is only taken when the compression asks for it.
        const std::uint64_t extra = h.biSize - kInfoHeaderBytes;
        const int inHeader = static_cast<int>(std::min<std::uint64_t>(masks, extra / 4));
        ReadMasks(inHeader);
        Skip(extra - 4 * static_cast<std::uint64_t>(inHeader));
    } else {
        // After a 40-byte header the masks follow it, where the colour table begins.
        ReadMasks(masks);
    }
}

void Reader::ReadCoreHeader()
{
    BitmapInfoHeader& h = m_new.m_bmi.bmiHeader;
    auto width = static_cast<std::uint16_t>(h.biWidth);
    auto height = static_cast<std::uint16_t>(h.biHeight);
    const std::uint64_t before = m_position;
    Field(width);
    Field(height);
    if (m_position > before)
        h.biWidth = width;
    if (m_position > before + 2)
        h.biHeight = height;
    Field(h.biPlanes);
    Field(h.biBitCount);
    // The 1.x header has none of the other fields: no compression, no colour count.
    h.biCompression = kBiRgb;
    h.biSizeImage = 0;
    h.biXPelsPerMeter = h.biYPelsPerMeter = 0;
    h.biClrUsed = h.biClrImportant = 0;
}

void Reader::ReadInfoFields(std::uint32_t available)
{
    BitmapInfoHeader& h = m_new.m_bmi.bmiHeader;
    std::uint32_t used = 0;
    const auto field = [&](auto& value) {
        if (used + sizeof(value) <= available) {
            Field(value);
            used += sizeof(value);
        } else {
            value = 0;
        }
    };
    field(h.biWidth);
    field(h.biHeight);
    field(h.biPlanes);
    field(h.biBitCount);
    field(h.biCompression);
    field(h.biSizeImage);
    field(h.biXPelsPerMeter);
    field(h.biYPelsPerMeter);
    field(h.biClrUsed);
    field(h.biClrImportant);
    Skip(available - used);
}

void Reader::ReadMasks(int count)
{
    for (int i = 0; i < count; ++i) {
        RgbQuad& slot = m_new.m_bmi.bmiColors[static_cast<std::size_t>(i)];
        std::array<std::uint8_t, 4> bytes{slot.rgbBlue, slot.rgbGreen, slot.rgbRed, slot.rgbReserved};
        Take(bytes);
        slot = {bytes[0], bytes[1], bytes[2], bytes[3]};
    }
}

int Reader::ColourCount(const PixelLayout& layout) const
{
    const BitmapInfoHeader& h = m_new.m_bmi.bmiHeader;
    const int full = layout.paletteEntries;
    if (h.biSize == kCoreHeaderBytes) {
        // The 1.x header has no count; a table shorter than full ends where the pixels begin.
        const std::uint32_t tableStart = kFileHeaderBytes + kCoreHeaderBytes;
        const std::uint32_t room = m_new.m_bmfh.bfOffBits > tableStart ? (m_new.m_bmfh.bfOffBits - tableStart) / 3 : 0;
        return room >= 1 && room < static_cast<std::uint32_t>(full) ? static_cast<int>(room) : full;
    }
    return h.biClrUsed >= 1 && h.biClrUsed <= static_cast<std::uint32_t>(full) ? static_cast<int>(h.biClrUsed) : full;
}

void Reader::ReadColourTable(const PixelLayout& layout)
{
    // Entries are blue, green, red and, except in the 1.x header, a reserved byte. The
    // entries the picture does not fill keep what an earlier picture left there.
    const std::size_t entryBytes = m_new.m_bmi.bmiHeader.biSize == kCoreHeaderBytes ? 3 : 4;
    const auto count = static_cast<std::size_t>(ColourCount(layout));
    std::array<std::uint8_t, 256 * 4> table{};
    for (std::size_t i = 0; i < count; ++i) {
        const RgbQuad& q = m_new.m_bmi.bmiColors[i];
        const std::array<std::uint8_t, 4> bytes{q.rgbBlue, q.rgbGreen, q.rgbRed, q.rgbReserved};
        std::copy_n(bytes.begin(), entryBytes, table.begin() + static_cast<std::ptrdiff_t>(i * entryBytes));
    }
    Take(std::span(table).first(count * entryBytes));
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = table.data() + i * entryBytes;
        RgbQuad& q = m_new.m_bmi.bmiColors[i];
        q = {e[0], e[1], e[2], entryBytes == 4 ? e[3] : std::uint8_t{0}};
    }
}

bool Reader::ReadPixels(const PixelLayout& layout)
{
    const std::uint64_t size = ReaderRowBytes(layout.bits, layout.width) * layout.height;
    if (size > m_maxPixelBytes)
        return false;
    std::vector<std::uint8_t>& pixels = m_new.m_pPixels;
    pixels.assign(static_cast<std::size_t>(size), 0);
    const std::size_t got = Take(pixels);
    // A compressed stream may be longer than the rows it encodes; its own size says how
    // long. Only what the file really holds is kept, so a wrong size costs nothing.
    const std::uint64_t streamBytes = std::min<std::uint64_t>(m_new.m_bmi.bmiHeader.biSizeImage, m_maxPixelBytes);
    if (layout.rle && got == pixels.size() && streamBytes > size) {
        std::array<std::uint8_t, 64 * 1024> chunk{};
        std::uint64_t left = streamBytes - size;
        while (left > 0) {
            const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
            const std::size_t more = Take(std::span(chunk).first(want));
            pixels.insert(pixels.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(more));
            left -= more;
            if (more < want)
                break;
        }
    }
    return true;
}

}  // namespace

BitmapReadResult ReadBitmap(ByteSource& source, PictureRecord& record, std::uint64_t maxPixelBytes)
{
    try {
        return Reader(source, record, maxPixelBytes).Read(record);
    } catch (const std::bad_alloc&) {
        // A buffer the system cannot give: the picture in use stays.
        return BitmapReadResult::BadPicture;
    }
}

BitmapReadResult ReadBitmapFile(const std::filesystem::path& path, PictureRecord& record)
{
    FileSource source(path);
    if (!source.IsOpen())
        return BitmapReadResult::CannotOpen;
    return ReadBitmap(source, record);
}

BitmapReadResult ReadBitmapBytes(std::span<const std::uint8_t> bytes, PictureRecord& record, std::uint64_t maxPixelBytes)
{
    MemorySource source(bytes);
    return ReadBitmap(source, record, maxPixelBytes);
}

}  // namespace tilora
