// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <optional>

#include "app/prompts/Prompter.h"

namespace tilora {

struct PictureRecord;

// What reading a picture file the player chose gave: a photo decoded for the board, a
// bitmap read into the loaded-picture record, or the message that refuses the file.
struct PictureFileRead {
    std::optional<Message> refusal;
    // The decoded photo; null for a bitmap, which is in the record.
    QImage photo;
};

// Reads `path` as the player's picture. Bitmap files go through the bitmap reader into
// `record`; every other picture file through the photo reader, at the size the largest
// board of any screen shows. `record` changes only when a whole bitmap was read.
PictureFileRead ReadPictureFile(const QString& path, PictureRecord& record);

}  // namespace tilora
