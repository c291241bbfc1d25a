// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes through the whole photo path the game takes after reading a picture
// file: the decoding, the conversion of the shown square to sRGB and the cut into the
// blocks and thumbnail of a board. A small largest side makes most inputs take the
// reduced-size decode as well as the full one; the last byte also picks the board and
// the scale, so that every cut is reached.
#include <QByteArray>

#include <array>
#include <cstddef>
#include <cstdint>

#include "display/DeviceScale.h"
#include "display/PhotoReader.h"
#include "display/ScaledPictures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::uint8_t last = size > 0 ? data[size - 1] : 0;
    const int largestSide = (last & 1) ? 8 : 1280;
    const tilora::PhotoRead read = tilora::DecodePhoto(bytes, largestSide);
    if (read.result != tilora::PhotoReadResult::Decoded)
        return 0;
    if (read.image.format() != QImage::Format_RGB32)
        __builtin_trap();
    constexpr std::array<int, 4> kSizes{4, 5, 8, 10};
    constexpr std::array<double, 4> kScales{1.0, 1.25, 2.0, 4.0};
    const int n = kSizes[(last >> 1) & 3];
    const tilora::DeviceScale scale(kScales[(last >> 3) & 3]);
    const tilora::PreparedPicture cut = tilora::CutPhotoAt(tilora::PhotoInSrgb(read.image), n, scale);
    // Every block of the board is there, and so is the thumbnail.
    const int block = cut.block > 0 ? cut.block : 320 / n;
    if (cut.board.width() < n * block || cut.board.height() < n * block || cut.thumbnail.isNull())
        __builtin_trap();
    return 0;
}
