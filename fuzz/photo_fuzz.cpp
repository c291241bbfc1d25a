// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes through the photo reader, the same decoding entry the game calls after
// reading a picture file. A small largest side makes most inputs take the reduced-size
// decode as well as the full one.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "display/PhotoReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const int largestSide = size > 0 && (data[size - 1] & 1) ? 8 : 1280;
    const tilora::PhotoRead read = tilora::DecodePhoto(bytes, largestSide);
    if (read.result == tilora::PhotoReadResult::Decoded && read.image.format() != QImage::Format_RGB32)
        __builtin_trap();
    return 0;
}
