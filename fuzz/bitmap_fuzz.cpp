// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes through the bitmap reader and the drawing step. Each input is read
// into a record that already holds a small picture, so that a file which ends early also
// meets the earlier values it keeps.
#include <array>
#include <cstddef>
#include <cstdint>

#include "display/DrawableBitmap.h"
#include "picture/BitmapReader.h"

namespace {

// Larger pictures only cost time: their buffer is zero-filled whatever the input holds.
constexpr std::uint64_t kFuzzPixelLimit = 1024 * 1024;

// A 2 x 2 picture of 8 bits with a colour table of 2 entries.
constexpr std::array<std::uint8_t, 70> kEarlier{
    'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,                          // file header
    40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0, 8, 0, 0, 0,  // info header
    0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,                           //
    10, 20, 30, 0, 40, 50, 60, 0,                                              // colours
    0, 1, 0, 0, 1, 0, 0, 0};                                                   // rows

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tilora::PictureRecord record;
    tilora::ReadBitmapBytes(kEarlier, record);
    if (tilora::ReadBitmapBytes({data, size}, record, kFuzzPixelLimit) == tilora::BitmapReadResult::Loaded)
        (void)tilora::MakeDrawableBitmap(record);
    return 0;
}
