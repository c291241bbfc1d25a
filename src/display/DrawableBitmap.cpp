#include "display/DrawableBitmap.h"

#include <QByteArray>

#include <cstdint>

namespace tilora {
namespace {

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

}  // namespace

std::optional<QImage> MakeDrawableBitmap(const PictureRecord& record)
{
    const BitmapInfoHeader& h = record.m_bmi.bmiHeader;
    const int bits = h.biBitCount;
    const std::uint32_t colours = (bits == 1 || bits == 4 || bits == 8) ? (1u << bits) : 0u;
    const std::uint32_t offset = 14 + 40 + colours * 4;

    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(offset + record.m_pPixels.size()));
    bytes.append("BM", 2);
    Put32(bytes, static_cast<std::uint32_t>(offset + record.m_pPixels.size()));
    Put32(bytes, 0);
    Put32(bytes, offset);
    Put32(bytes, 40);
    Put32(bytes, static_cast<std::uint32_t>(h.biWidth));
    Put32(bytes, static_cast<std::uint32_t>(h.biHeight));
    Put16(bytes, 1);
    Put16(bytes, h.biBitCount);
    Put32(bytes, h.biCompression);
    Put32(bytes, static_cast<std::uint32_t>(record.m_pPixels.size()));
    Put32(bytes, static_cast<std::uint32_t>(h.biXPelsPerMeter));
    Put32(bytes, static_cast<std::uint32_t>(h.biYPelsPerMeter));
    Put32(bytes, colours);
    Put32(bytes, 0);
    for (std::uint32_t i = 0; i < colours; ++i) {
        const RgbQuad& q = record.m_bmi.bmiColors[i];
        bytes.append(static_cast<char>(q.rgbBlue));
        bytes.append(static_cast<char>(q.rgbGreen));
        bytes.append(static_cast<char>(q.rgbRed));
        bytes.append('\0');
    }
    bytes.append(reinterpret_cast<const char*>(record.m_pPixels.data()), static_cast<qsizetype>(record.m_pPixels.size()));

    QImage image;
    if (!image.loadFromData(bytes, "BMP") || image.isNull())
        return std::nullopt;
    return image;
}

}  // namespace tilora
