// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/PictureFile.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeDatabase>
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

// Content no reader knows, in a file whose name says it is a picture of a kind no
// installed reader reads (photo.heic): a format the game cannot read rather than no picture.
bool NamedAsUnreadablePicture(const QFileInfo& file)
{
    const QString suffix = file.suffix().toLower();
    if (suffix.isEmpty() || suffix == u"bmp" || PhotoFormats().contains(suffix.toLatin1()))
        return false;
    return QMimeDatabase().mimeTypeForFile(file, QMimeDatabase::MatchExtension).name().startsWith(u"image/");
}

}  // namespace

PictureFileRead ReadPictureFile(const QString& path, PictureRecord& record)
{
    PhotoRead photo = ReadPhotoFile(path, LargestBoardOnAnyScreen());
    const QFileInfo file(path);
    switch (photo.result) {
    case PhotoReadResult::Decoded:
        return {std::nullopt, std::move(photo.image)};
    case PhotoReadResult::Bitmap:
        return {ReadBitmap(path, record), {}};
    case PhotoReadResult::CannotOpen:
        // A bitmap file that cannot be opened is told as the bitmap reader always told it.
        if (file.suffix().compare(u"bmp", Qt::CaseInsensitive) == 0)
            return {messages::ImageLoadError(), {}};
        return {messages::PictureCannotOpen(file.fileName()), {}};
    case PhotoReadResult::NotPicture:
        if (NamedAsUnreadablePicture(file))
            return {messages::PictureUnsupported(file.fileName()), {}};
        return {messages::PictureNotAPicture(file.fileName()), {}};
    case PhotoReadResult::Unsupported:
        return {messages::PictureUnsupported(file.fileName()), {}};
    case PhotoReadResult::TooLarge:
        return {messages::PictureTooLarge(file.fileName()), {}};
    case PhotoReadResult::Damaged:
        break;
    }
    return {messages::PictureDamaged(file.fileName()), {}};
}

}  // namespace tilora
