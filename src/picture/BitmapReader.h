// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "picture/BitmapLayout.h"
#include "picture/PictureRecord.h"

namespace tilora {

class ByteSource;

enum class BitmapReadResult {
    Loaded,      // the record holds the new picture
    CannotOpen,  // the file could not be opened
    NotBitmap,   // not "BM" at the start, or a kind of bitmap the game cannot show
    BadPicture,  // a width or height of zero or less, or a picture too large to hold
};

// Reads a bitmap file into the loaded-picture record, front to back: the file header,
// the info header, the bit-field masks or the colour table, then the pixel rows into a
// new buffer of the reader's row length times the height.
//
// The file header's pixel offset and the info header's size and colour count are
// honoured, so that headers longer than 40 bytes (V4, V5, OS/2 2.x), the 12-byte OS/2
// 1.x header, short colour tables and gaps before the pixels all read correctly; the
// reader never goes back in the file.
//
// A file that ends early still gives a picture: header fields and colour entries it does
// not supply keep the values the record had, pixel bytes it does not supply stay zero.
//
// The record changes only when the result is Loaded; on any other result it keeps the
// picture it held. `maxPixelBytes` bounds the buffer (tests and the fuzzer lower it).
BitmapReadResult ReadBitmap(ByteSource& source, PictureRecord& record, std::uint64_t maxPixelBytes = kMaxPixelBytes);

BitmapReadResult ReadBitmapFile(const std::filesystem::path& path, PictureRecord& record);

BitmapReadResult ReadBitmapBytes(std::span<const std::uint8_t> bytes, PictureRecord& record,
                                 std::uint64_t maxPixelBytes = kMaxPixelBytes);

}  // namespace tilora
