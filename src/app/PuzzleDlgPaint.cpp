// SPDX-License-Identifier: GPL-3.0-or-later
// The painting handlers of the main window: the full paint of the client area, the
// quick redraw of a move, and the fallback when the loaded picture cannot be drawn.
#include "app/PuzzleDlg.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>

#include "app/AppIcon.h"
#include "app/PaintMessages.h"
#include "app/Prompter.h"
#include "display/BoardPainter.h"
#include "display/PaintGeometry.h"

namespace tilora {

void CPuzzleDlg::SetIcon()
{
    setWindowIcon(AppIcon());
}

PaintState CPuzzleDlg::CurrentPaintState() const
{
    return {m_bPlaying, m_bShowFinished, m_bPaused, m_bCustomPicture, m_nPicture, &m_board};
}

void CPuzzleDlg::OnPaint(QPaintEvent* event)
{
    BoardPainter painter(m_pictures, m_picture);
    if (!painter.CanDraw(CurrentPaintState()))
        OnBitmapFailed();
    QPainter device(m_client);
    painter.Paint(device, CurrentPaintState(), event->region());
}

void CPuzzleDlg::RedrawMove(int fromRow, int fromColumn, int toRow, int toColumn)
{
    // Only the two cells are painted, at once: the rest of the window stays as it is.
    const int n = m_board.GridSize();
    const QRegion cells = QRegion(geometry::CellFrame(n, fromRow, fromColumn)) + geometry::CellFrame(n, toRow, toColumn);
    m_client->repaint(cells);
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
