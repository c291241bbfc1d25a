// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QVector>

#include <cstdint>
#include <vector>

namespace tilora::test {

// Picture files made in memory, so that the tests need no committed samples.

// A picture in four quadrants of the given colours: top left, top right, bottom left,
// bottom right.
inline QImage Quadrants(QSize size, QColor tl, QColor tr, QColor bl, QColor br,
                        QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(size, format);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, y < h ? (x < w ? tl : tr) : (x < w ? bl : br));
    return image;
}

// The image encoded by Qt's writer for `format`; quality -1 is the writer's default.
inline QByteArray Encode(const QImage& image, const char* format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}

// A GIF of an image of at most 256 colours (Qt writes none). The LZW stream holds one
// 9-bit code per pixel and a clear code every 128 pixels, so the code size never grows.
inline QByteArray Gif(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_Indexed8);
    QByteArray out("GIF89a");
    const auto put16 = [&out](int v) {
        out.append(static_cast<char>(v & 0xff));
        out.append(static_cast<char>(v >> 8));
    };
    put16(image.width());
    put16(image.height());
    out.append(static_cast<char>(0xf7));  // a global colour table of 256 entries
    out.append('\0').append('\0');
    QVector<QRgb> table = image.colorTable();
    table.resize(256);
    for (const QRgb c : table)
        out.append(static_cast<char>(qRed(c))).append(static_cast<char>(qGreen(c))).append(static_cast<char>(qBlue(c)));
    out.append(',');
    put16(0);
    put16(0);
    put16(image.width());
    put16(image.height());
    out.append('\0');
    out.append(static_cast<char>(8));  // minimum code size

    std::vector<std::uint8_t> stream;
    std::uint32_t bits = 0;
    int count = 0;
    const auto code = [&](int c) {
        bits |= static_cast<std::uint32_t>(c) << count;
        count += 9;
        while (count >= 8) {
            stream.push_back(static_cast<std::uint8_t>(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    };
    int written = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (written++ % 128 == 0)
                code(256);
            code(image.pixelIndex(x, y));
        }
    }
    code(257);
    if (count > 0)
        stream.push_back(static_cast<std::uint8_t>(bits & 0xff));
    for (std::size_t at = 0; at < stream.size(); at += 255) {
        const std::size_t n = std::min<std::size_t>(255, stream.size() - at);
        out.append(static_cast<char>(n));
        out.append(reinterpret_cast<const char*>(stream.data() + at), static_cast<qsizetype>(n));
    }
    out.append('\0').append(';');
    return out;
}

// The JPEG with an EXIF block that gives its orientation (1 upright, 6 turned a quarter
// to the right on display), inserted right after the start-of-image marker.
inline QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation)
{
    const char exif[] = {'E', 'x', 'i', 'f', 0, 0,                        // APP1 identifier
                         'I', 'I', 42, 0, 8, 0, 0, 0,                     // little-endian TIFF header
                         1, 0,                                            // one entry
                         0x12, 0x01, 3, 0, 1, 0, 0, 0,                    // Orientation, SHORT, 1 value
                         static_cast<char>(orientation), 0, 0, 0,        // its value
                         0, 0, 0, 0};                                     // no next directory
    QByteArray segment("\xff\xe1", 2);
    const int length = static_cast<int>(sizeof exif) + 2;
    segment.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xff));
    segment.append(exif, sizeof exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

inline std::uint32_t Crc32(const QByteArray& bytes)
{
    std::uint32_t crc = 0xffffffffu;
    for (const char ch : bytes) {
        crc ^= static_cast<std::uint8_t>(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG of a few dozen bytes whose header claims width x height pixels of 8-bit RGBA.
inline QByteArray PngClaiming(std::uint32_t width, std::uint32_t height)
{
    const auto be32 = [](std::uint32_t v) {
        QByteArray b;
        for (int shift = 24; shift >= 0; shift -= 8)
            b.append(static_cast<char>((v >> shift) & 0xff));
        return b;
    };
    const auto chunk = [&be32](const char* type, const QByteArray& data) {
        const QByteArray body = QByteArray(type, 4) + data;
        return be32(static_cast<std::uint32_t>(data.size())) + body + be32(Crc32(body));
    };
    const QByteArray ihdr = be32(width) + be32(height) + QByteArray("\x08\x06\x00\x00\x00", 5);
    // A few bytes of deflate data that stop long before the claimed rows.
    const QByteArray idat("\x78\x9c\x63\x00\x00\x00\x01\x00\x01", 9);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", ihdr) + chunk("IDAT", idat) + chunk("IEND", {});
}

// The JPEG with the size in its frame header changed to width x height; its data still
// holds the small picture.
inline QByteArray JpegClaiming(QByteArray jpeg, int width, int height)
{
    const qsizetype frame = jpeg.indexOf("\xff\xc0");
    if (frame < 0)
        return {};
    jpeg[frame + 5] = static_cast<char>(height >> 8);
    jpeg[frame + 6] = static_cast<char>(height & 0xff);
    jpeg[frame + 7] = static_cast<char>(width >> 8);
    jpeg[frame + 8] = static_cast<char>(width & 0xff);
    return jpeg;
}

}  // namespace tilora::test
