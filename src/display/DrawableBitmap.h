#pragma once

#include <QImage>

#include <optional>

#include "picture/PictureRecord.h"

namespace tilora {

// Makes the drawable picture of the loaded-picture record: a bitmap assembled in memory
// from the info header, the colour table and the pixel buffer, decoded by Qt's BMP
// reader. None when the record cannot be decoded.
std::optional<QImage> MakeDrawableBitmap(const PictureRecord& record);

}  // namespace tilora
