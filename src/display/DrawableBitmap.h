// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <optional>

#include "picture/PictureRecord.h"

namespace tilora {

// Makes the drawable picture of the loaded-picture record: a bitmap assembled in memory
// from the info header, the colour table and the pixel buffer, decoded by Qt's BMP
// reader. None when the record does not describe a picture that can be drawn from its
// buffer. Never reads beyond the pixel buffer; a compressed stream that ends early or
// skips pixels leaves them at colour index 0, so the result is the same every time.
std::optional<QImage> MakeDrawableBitmap(const PictureRecord& record);

}  // namespace tilora
