// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/PhotoReader.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageReader>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <new>

#include "common/ReadOnlyFile.h"
#include "display/DecoderLog.h"

namespace tilora {
namespace {

// The board's side at 100 %.
constexpr int kBoardSide = 320;

// The bytes a decoded image of this size takes, in the reader's own pixel format (at least
// 32 bits a pixel, which every picture becomes for drawing).
std::int64_t DecodedBytes(QSize size, QImage::Format format)
{
    const int formatBits = format == QImage::Format_Invalid ? 0 : QImage::toPixelFormat(format).bitsPerPixel();
    const int bits = std::max(32, formatBits);
    return std::int64_t{size.width()} * size.height() * (bits / 8);
}

// Lays the picture over white, so that what is transparent shows white as the board's
// background does: c' = (c a + 255 (255 - a) + 127) / 255, per channel.
QImage OverWhite(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_RGB32);
    if (out.isNull())
        return out;
    // The pixels keep their meaning: the colour space they are given in goes with them.
    out.setColorSpace(argb.colorSpace());
    const auto over = [](int c, int a) { return (c * a + 255 * (255 - a) + 127) / 255; };
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int a = qAlpha(in[x]);
            to[x] = qRgb(over(qRed(in[x]), a), over(qGreen(in[x]), a), over(qBlue(in[x]), a));
        }
    }
    return out;
}

bool Refused(const QByteArray& format)
{
    return format == "icns";
}

}  // namespace

QList<QByteArray> PhotoFormats()
{
    QList<QByteArray> formats;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        if (!Refused(format.toLower()))
            formats << format.toLower();
    return formats;
}

int LargestBoardSide(int largestZoomPercent, qreal devicePixelRatio)
{
    const qreal ratio = std::clamp<qreal>(devicePixelRatio, 1.0, 8.0);
    return static_cast<int>(std::ceil(kBoardSide * std::max(largestZoomPercent, 100) / 100.0 * ratio));
}

PhotoRead DecodePhoto(QIODevice& device, int largestSide)
{
    if (device.peek(2) == "BM")
        return {PhotoReadResult::Bitmap, {}};
    const DecoderLog log;
    QImageReader reader(&device);
    reader.setAutoTransform(true);
    // Qt's own guard against huge allocations, set to the game's limit; the checks below
    // refuse most such files before the reader even starts.
    reader.setAllocationLimit(static_cast<int>(kMaxPhotoDecodedBytes / (1024 * 1024)));
    if (!reader.canRead())
        return {PhotoReadResult::NotPicture, {}};
    if (Refused(reader.format().toLower()))
        return {PhotoReadResult::Unsupported, {}};

    const QSize size = reader.size();
    if (size.isValid()) {
        if (size.isEmpty())
            return {PhotoReadResult::Damaged, {}};
        if (std::int64_t{size.width()} * size.height() > kMaxPhotoPixels)
            return {PhotoReadResult::TooLarge, {}};
        QSize decoded = size;
        const int shorter = std::min(size.width(), size.height());
        if (largestSide > 0 && shorter > 2 * largestSide) {
            const double factor = static_cast<double>(largestSide) / shorter;
            const QSize scaled(std::max(1, static_cast<int>(std::lround(size.width() * factor))),
                               std::max(1, static_cast<int>(std::lround(size.height() * factor))));
            reader.setScaledSize(scaled);
            // A reader that cannot scale while decoding decodes whole and scales after.
            if (reader.supportsOption(QImageIOHandler::ScaledSize))
                decoded = scaled;
        }
        if (DecodedBytes(decoded, reader.imageFormat()) > kMaxPhotoDecodedBytes)
            return {PhotoReadResult::TooLarge, {}};
        const std::int64_t pixels = std::int64_t{decoded.width()} * decoded.height();
        if (pixels > kPhotoPixelsAlwaysAllowed && pixels / kMaxPhotoPixelsPerByte > device.size())
            return {PhotoReadResult::TooLarge, {}};
    }

    QImage image;
    try {
        image = reader.read();
    } catch (const std::bad_alloc&) {
        // A reader that trusts a size in the file asked for more memory than there is.
        return {PhotoReadResult::TooLarge, {}};
    }
    if (image.isNull() || log.ReportedDamage())
        return {PhotoReadResult::Damaged, {}};
    QImage opaque = OverWhite(image);
    if (opaque.isNull())
        return {PhotoReadResult::Damaged, {}};
    return {PhotoReadResult::Decoded, std::move(opaque)};
}

PhotoRead DecodePhoto(const QByteArray& bytes, int largestSide)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return DecodePhoto(buffer, largestSide);
}

PhotoRead ReadPhotoFile(const QString& path, int largestSide)
{
    // A FIFO, a device or a folder is refused at once, never waited on.
    const OpenedFile opened = OpenRegularFile(std::filesystem::path(QFile::encodeName(path).toStdString()));
    if (opened.status != OpenStatus::Opened)
        return {PhotoReadResult::CannotOpen, {}};
    struct stat info {};
    if (::fstat(opened.fd.Get(), &info) != 0)
        return {PhotoReadResult::CannotOpen, {}};
    if (info.st_size > kMaxPhotoFileBytes)
        return {PhotoReadResult::TooLarge, {}};
    // The reader takes the file straight from the descriptor: a regular file ends, and
    // the photo is never held in memory twice.
    QFile file;
    if (!file.open(opened.fd.Get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return {PhotoReadResult::CannotOpen, {}};
    return DecodePhoto(file, largestSide);
}

}  // namespace tilora
