// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/PictureFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "app/prompts/PictureMessages.h"
#include "app/window/ZoomSteps.h"
#include "display/PhotoReader.h"
#include "picture/BitmapReader.h"

namespace tilora {
namespace {

// The largest board any screen of the desktop can show, so that a photo moved with the
// window to a sharper screen still has the pixels it needs.
int LargestBoardOnAnyScreen()
{
    qreal ratio = 1.0;
    for (const QScreen* screen : QGuiApplication::screens())
        ratio = std::max(ratio, screen->devicePixelRatio());
    return LargestBoardSide(kMaxZoom, ratio);
}

std::optional<Message> ReadBitmap(const QString& path, PictureRecord& record)
{
    switch (ReadBitmapFile(QFile::encodeName(path).toStdString(), record)) {
    case BitmapReadResult::Loaded:
        return std::nullopt;
    case BitmapReadResult::NotBitmap:
        return messages::NotABitmap();
    case BitmapReadResult::CannotOpen:
    case BitmapReadResult::BadPicture:
        break;
    }
    return messages::ImageLoadError();
}

}  // namespace

PictureFileRead ReadPictureFile(const QString& path, PictureRecord& record)
{
    PhotoRead photo = ReadPhotoFile(path, LargestBoardOnAnyScreen());
    switch (photo.result) {
    case PhotoReadResult::Decoded:
        return {std::nullopt, std::move(photo.image)};
    case PhotoReadResult::Bitmap:
        return {ReadBitmap(path, record), {}};
    case PhotoReadResult::NotPicture:
        return {messages::NotAPicture(), {}};
    case PhotoReadResult::CannotOpen:
    case PhotoReadResult::TooLarge:
    case PhotoReadResult::Damaged:
        break;
    }
    return {messages::ImageLoadError(), {}};
}

}  // namespace tilora
