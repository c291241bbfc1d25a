// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "app/prompts/Prompter.h"
#include "display/PhotoReader.h"

namespace tilora::messages {

// The texts of Open Picture, word for word.

// The file dialog's filter, in the classic form whose last character separates the parts.
inline QString BitmapFilter()
{
    //: Translate the descriptions only; keep every "|" and pattern.
    return Text::tr("Bitmap Files(*.BMP)|*.bmp|All Files (*.*)|*.*|");
}

// The filter of the Open Picture dialog in the same classic form: first every picture
// file the installed image readers can open, then the pairs of BitmapFilter.
inline QString PictureFilter()
{
    QStringList patterns{QStringLiteral("*.bmp")};
    for (const QByteArray& format : PhotoFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format);
        if (!patterns.contains(pattern))
            patterns << pattern;
    }
    return QCoreApplication::translate("OpenPicture", "All Picture Files") + u'|' + patterns.join(u';') + u'|' +
           BitmapFilter();
}

inline FileRequest LoadImageRequest(const QString& filter)
{
    return {FileRequest::Kind::Open, Text::tr("Load Image"), filter, QStringLiteral("bmp")};
}

inline Message OpeningError()
{
    return {Text::tr("An error has occured while Opening. Click OK to Abort."), Text::tr("Error"),
            QMessageBox::Ok, QMessageBox::NoIcon};
}

inline Message ImageLoadError()
{
    return {Text::tr("Error while Loading Image.\n       Click OK to Abort."), Text::tr("Error"),
            QMessageBox::Ok, QMessageBox::Critical};
}

inline Message NotABitmap()
{
    return {Text::tr("This is not a valid Bitmap file.\n\nThe Tilora can only display bitmap files."),
            Text::tr("ERROR"), QMessageBox::Ok, QMessageBox::Critical};
}

// A picture file refused, named by `file` (its name without the folder), with the reason
// in the player's words. The bitmap reader's refusals keep the texts above.
namespace photo {

inline tilora::Message Refused(const QString& text, const QString& file)
{
    // ImageLoadError's caption and context, named in full: after the calls of the callers,
    // lupdate would file a Text::tr here under another context.
    return {text.arg(file), QCoreApplication::translate("Messages", "Error"), QMessageBox::Ok, QMessageBox::Critical};
}

}  // namespace photo

inline Message PictureCannotOpen(const QString& file)
{
    return photo::Refused(QCoreApplication::translate(
                              "OpenPicture", "\"%1\" cannot be opened: it is missing, you may not read it, or it "
                                             "is not a plain file."),
                          file);
}

// Neither a bitmap nor a picture any installed reader knows.
inline Message PictureNotAPicture(const QString& file)
{
    return photo::Refused(QCoreApplication::translate(
                              "OpenPicture", "\"%1\" is not a picture file.\n\nTilora opens PNG, JPEG, GIF and "
                                             "bitmap files, and the other formats of the installed image plugins."),
                          file);
}

// A picture by its name or its content, in a format the game does not read.
inline Message PictureUnsupported(const QString& file)
{
    return photo::Refused(
        QCoreApplication::translate("OpenPicture", "\"%1\" is a picture in a format that Tilora cannot read."), file);
}

inline Message PictureTooLarge(const QString& file)
{
    return photo::Refused(QCoreApplication::translate("OpenPicture", "\"%1\" is too large: the picture would take "
                                                                     "more memory than Tilora gives one picture."),
                          file);
}

inline Message PictureDamaged(const QString& file)
{
    return photo::Refused(QCoreApplication::translate(
                              "OpenPicture", "\"%1\" is damaged: it starts as a picture, but the picture in it "
                                             "cannot be read."),
                          file);
}

inline Message StartNewGameWithPicture()
{
    return {Text::tr("Do you Wish to Start a New Game? \n(Click NO to Continue with same game)"),
            Text::tr("Tilora : Query"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};
}

}  // namespace tilora::messages
