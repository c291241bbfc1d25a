// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window gives its board to draw, and the fallback when the loaded picture
// cannot be drawn.
#include "app/window/PuzzleDlg.h"

#include <QMetaObject>

#include "app/startup/AppIcon.h"
#include "app/prompts/PaintMessages.h"
#include "app/prompts/Prompter.h"

namespace tilora {

void CPuzzleDlg::SetIcon()
{
    setWindowIcon(AppIcon());
}

PaintState CPuzzleDlg::CurrentPaintState() const
{
    return {m_bPlaying, m_bShowFinished, m_bPaused, m_bCustomPicture, m_nPicture, &m_board};
}

void CPuzzleDlg::OnBitmapFailed()
{
    // Drawing goes on from the built-in picture at once; the report waits until the paint
    // is over, since a modal message must never open inside a paint. The flag is cleared
    // here, so a failing picture is reported exactly once.
    m_bCustomPicture = false;
    QMetaObject::invokeMethod(
        this,
        [this] {
            Invalidate();
            m_env.prompter.Ask(this, messages::FailedToOpenBitmap());
        },
        Qt::QueuedConnection);
}

}  // namespace tilora
