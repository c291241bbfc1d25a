// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Prompter.h"

namespace tilora::messages {

// The texts of Open Picture, word for word.

// The file dialog's filter, in the classic form whose last character separates the parts.
inline QString BitmapFilter()
{
    return QStringLiteral("Bitmap Files(*.BMP)|*.bmp|All Files (*.*)|*.*|");
}

inline FileRequest LoadImageRequest(const QString& filter)
{
    return {FileRequest::Kind::Open, QStringLiteral("Load Image"), filter, QStringLiteral("bmp")};
}

inline Message OpeningError()
{
    return {QStringLiteral("An error has occured while Opening. Click OK to Abort."), QStringLiteral("Error"),
            QMessageBox::Ok, QMessageBox::NoIcon};
}

inline Message ImageLoadError()
{
    return {QStringLiteral("Error while Loading Image.\n       Click OK to Abort."), QStringLiteral("Error"),
            QMessageBox::Ok, QMessageBox::Critical};
}

inline Message NotABitmap()
{
    return {QStringLiteral("This is not a valid Bitmap file.\n\nThe Tilora can only display bitmap files."),
            QStringLiteral("ERROR"), QMessageBox::Ok, QMessageBox::Critical};
}

inline Message StartNewGameWithPicture()
{
    return {QStringLiteral("Do you Wish to Start a New Game? \n(Click NO to Continue with same game)"),
            QStringLiteral("Tilora : Query"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

}  // namespace tilora::messages
