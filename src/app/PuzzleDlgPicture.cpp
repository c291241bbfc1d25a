// SPDX-License-Identifier: GPL-3.0-or-later
// Open Picture: the player's own bitmap file becomes the picture of the puzzle.
#include "app/PuzzleDlg.h"

#include <QFile>

#include "app/FileFilter.h"
#include "app/PictureMessages.h"
#include "app/Prompter.h"
#include "picture/BitmapReader.h"

namespace tilora {

void CPuzzleDlg::OnOpenPicture()
{
    const int seconds = m_nSeconds;
    const QString filter = messages::BitmapFilter();
    if (filter.isEmpty()) {
        m_env.prompter.Ask(this, messages::OpeningError());
        return;
    }
    // The seconds the file dialog is open are not counted.
    StopTimer();
    const QString path = m_env.prompter.ChooseFile(this, messages::LoadImageRequest(QtFileFilter(filter)));
    if (!path.isEmpty()) {
        // The record changes only when a whole picture was read; after a refusal the
        // picture in use stays, the game goes on and nothing needs repainting.
        const BitmapReadResult result = ReadBitmapFile(QFile::encodeName(path).toStdString(), m_picture);
        if (result != BitmapReadResult::Loaded) {
            m_env.prompter.Ask(this, result == BitmapReadResult::NotBitmap ? messages::NotABitmap()
                                                                           : messages::ImageLoadError());
            if (m_bPlaying && !m_bPaused)
                StartTimer();
            return;
        }
        UseLoadedPicture();
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
    }
    Invalidate();
    ShowCount();
    if (m_bPlaying && !m_bPaused)
        StartTimer();
}

}  // namespace tilora
