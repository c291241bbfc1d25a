// SPDX-License-Identifier: GPL-3.0-or-later
// Open Picture: the player's own picture file becomes the picture of the puzzle. Bitmap
// files go through the bitmap reader; every other picture file through the photo reader.
#include "app/window/PuzzleDlg.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <optional>

#include "app/prompts/FileFilter.h"
#include "app/prompts/PictureMessages.h"
#include "app/prompts/Prompter.h"
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

// The one local file a drop carries; empty when it carries anything else.
QString DroppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    return urls.front().toLocalFile();
}

}  // namespace

void CPuzzleDlg::OnOpenPicture()
{
    const int seconds = m_nSeconds;
    if (messages::BitmapFilter().isEmpty()) {
        m_env.prompter.Ask(this, messages::OpeningError());
        return;
    }
    // The seconds the file dialog is open are not counted.
    StopTimer();
    const QString path =
        m_env.prompter.ChooseFile(this, messages::LoadImageRequest(QtFileFilter(messages::PictureFilter())));
    if (path.isEmpty()) {
        EndOpenPicture();
        return;
    }
    ReadChosenPicture(path, seconds);
}

void CPuzzleDlg::OpenPictureFile(const QString& path)
{
    const int seconds = m_nSeconds;
    StopTimer();
    ReadChosenPicture(path, seconds);
}

void CPuzzleDlg::ReadChosenPicture(const QString& path, int seconds)
{
    // The picture in use changes only when a whole picture was read; after a refusal it
    // stays, the game goes on and nothing needs repainting.
    const PhotoRead photo = ReadPhotoFile(path, LargestBoardOnAnyScreen());
    std::optional<Message> refusal;
    switch (photo.result) {
    case PhotoReadResult::Decoded:
        break;
    case PhotoReadResult::Bitmap:
        switch (ReadBitmapFile(QFile::encodeName(path).toStdString(), m_picture)) {
        case BitmapReadResult::Loaded:
            break;
        case BitmapReadResult::NotBitmap:
            refusal = messages::NotABitmap();
            break;
        case BitmapReadResult::CannotOpen:
        case BitmapReadResult::BadPicture:
            refusal = messages::ImageLoadError();
            break;
        }
        break;
    case PhotoReadResult::NotPicture:
        refusal = messages::NotAPicture();
        break;
    case PhotoReadResult::CannotOpen:
    case PhotoReadResult::TooLarge:
    case PhotoReadResult::Damaged:
        refusal = messages::ImageLoadError();
        break;
    }
    if (refusal) {
        m_env.prompter.Ask(this, *refusal);
        if (m_bPlaying && !m_bPaused)
            StartTimer();
        return;
    }
    UseLoadedPicture(photo.image);
    if (m_bPlaying) {
        if (m_env.prompter.Ask(this, messages::StartNewGameWithPicture()) == QMessageBox::Yes) {
            m_bPlaying = false;
            Deal();
            m_nSeconds = 0;
        } else {
            // The same game goes on, drawn from the new picture.
            m_nSeconds = seconds;
        }
    }
    EndOpenPicture();
}

void CPuzzleDlg::EndOpenPicture()
{
    Invalidate();
    ShowCount();
    if (m_bPlaying && !m_bPaused)
        StartTimer();
}

void CPuzzleDlg::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CPuzzleDlg::dragMoveEvent(QDragMoveEvent* event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CPuzzleDlg::dropEvent(QDropEvent* event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The file manager waits for the drop to end; the questions and messages come after.
    QMetaObject::invokeMethod(this, [this, path] { OpenPictureFile(path); }, Qt::QueuedConnection);
}

}  // namespace tilora
