// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class QIODevice;

#include <cstdint>

namespace tilora {

// The picture files other than bitmaps: PNG, JPEG, GIF and whatever else the installed
// image plugins read, decoded with Qt's image reader into the picture in use. Files that
// start with "BM" are left to the bitmap reader, which reads them as it always has.

enum class PhotoReadResult {
    Decoded,     // the image holds the picture, opaque, in RGB32, its samples as stored
                 // and tagged with the colour space the file declares
    Bitmap,      // the file starts with "BM": the bitmap reader's business
    CannotOpen,  // missing, unreadable, or not a regular file (a FIFO, a device, a folder)
    TooLarge,    // the file, its announced size or its decoded size passes the limits below
    NotPicture,  // no installed reader knows the content
    Unsupported,  // a picture, in a format the game does not read
    Damaged,     // a reader knows the format but could not decode a picture from it
};

struct PhotoRead {
    PhotoReadResult result = PhotoReadResult::CannotOpen;
    QImage image;
};

// Limits that keep a hostile or broken file from costing memory or time: a picture whose
// header announces more pixels than this is refused before anything is decoded, and so is
// one whose decoded image would take more bytes than a bitmap's pixel buffer may.
inline constexpr std::int64_t kMaxPhotoPixels = 1'000'000'000;
inline constexpr std::int64_t kMaxPhotoDecodedBytes = std::int64_t{512} * 1024 * 1024;
// A picture decoded at its full size may have at most this many pixels for each byte of
// its file, beyond the first 16 million pixels: even a plain picture packs fewer than
// this, while a file of a few bytes that claims a huge picture would cost seconds of
// work and hundreds of megabytes before its reader finds it empty.
inline constexpr std::int64_t kMaxPhotoPixelsPerByte = 4096;
inline constexpr std::int64_t kPhotoPixelsAlwaysAllowed = 16'000'000;
// A larger picture file is not read at all.
inline constexpr std::int64_t kMaxPhotoFileBytes = std::int64_t{512} * 1024 * 1024;

// The formats of the installed image readers that the game decodes, in lower case. Left
// out is Apple's icon format, whose reader allocates whatever size a few bytes of the file
// claim before it reads them (4 GB for a 200-byte file).
QList<QByteArray> PhotoFormats();

// The side, in device pixels, of the largest board the window can draw: the 320-pixel
// board at the window's largest zoom (in percent) on a screen of the given device pixel
// ratio. A photo is never decoded with both sides much larger than this.
int LargestBoardSide(int largestZoomPercent, qreal devicePixelRatio);

// Decodes a picture from `device`, read from its current position. The EXIF orientation is applied, transparent pixels
// are laid over white, and a picture whose both sides exceed twice `largestSide` is
// decoded at the reduced size whose shorter side is `largestSide` (JPEG skips the work),
// keeping its proportions. The content alone decides the format, whatever the file's
// name says.
PhotoRead DecodePhoto(QIODevice& device, int largestSide);
// The same for a picture held in memory.
PhotoRead DecodePhoto(const QByteArray& bytes, int largestSide);

// Reads a file and decodes it as DecodePhoto does. The file is opened without blocking
// and must be a regular file, so that a FIFO or a device never hangs the game; a file
// starting with "BM" is not read beyond its first bytes.
PhotoRead ReadPhotoFile(const QString& path, int largestSide);

}  // namespace tilora
