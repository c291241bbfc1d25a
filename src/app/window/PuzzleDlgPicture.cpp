// SPDX-License-Identifier: GPL-3.0-or-later
// Open Picture: the player's own picture file becomes the picture of the puzzle. Bitmap
// files go through the bitmap reader; every other picture file through the photo reader.
// A picture that cannot be drawn after all is reported once, after the paint.
#include "app/window/PuzzleDlg.h"

#include "app/prompts/FileFilter.h"
#include "app/prompts/PaintMessages.h"
#include "app/prompts/PictureMessages.h"
#include "app/prompts/Prompter.h"
#include "app/window/PictureFile.h"

namespace tilora {

void CPuzzleDlg::OnOpenPicture()
{
    const int seconds = m_game.Seconds();
    if (messages::BitmapFilter().isEmpty()) {
        m_env.prompter.Ask(this, messages::OpeningError());
        return;
    }
    // The seconds the file dialog is open are not counted.
    m_game.StopTimer();
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
    const int seconds = m_game.Seconds();
    m_game.StopTimer();
    ReadChosenPicture(path, seconds);
}

void CPuzzleDlg::ReadChosenPicture(const QString& path, int seconds)
{
    // The picture in use changes only when a whole picture was read; after a refusal it
    // stays, the game goes on and nothing needs repainting.
    const PictureFileRead read = ReadPictureFile(path, m_picture);
    if (read.refusal) {
        m_env.prompter.Ask(this, *read.refusal);
        m_game.Resume();
        return;
    }
    UseLoadedPicture(read.photo);
    if (m_game.Playing()) {
        if (m_env.prompter.Ask(this, messages::StartNewGameWithPicture()) == QMessageBox::Yes)
            Deal();
        else
            // The same game goes on, drawn from the new picture.
            m_game.SetSeconds(seconds);
    }
    EndOpenPicture();
}

void CPuzzleDlg::EndOpenPicture()
{
    Invalidate();
    ShowCount();
    m_game.Resume();
}

void CPuzzleDlg::OnBitmapFailed()
{
    // Drawing goes on from the built-in picture at once; the report waits until the paint
    // is over, since a modal message must never open inside a paint. The flag is cleared
    // here, so a failing picture is reported exactly once.
    m_bCustomPicture = false;
    ShowPicture();
    QMetaObject::invokeMethod(
        this,
        [this] {
            Invalidate();
            m_env.prompter.Ask(this, messages::FailedToOpenBitmap());
        },
        Qt::QueuedConnection);
}

}  // namespace tilora
