// SPDX-License-Identifier: GPL-3.0-or-later
// The painting handlers of the main window: the full paint of the client area, the
// quick redraw of a move, and the fallback when the loaded picture cannot be drawn.
#include "app/PuzzleDlg.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

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
    BoardPainter painter(m_pictures, m_picture, PaintScale(), ResizeSettling());
    if (!painter.CanDraw(CurrentPaintState()))
        OnBitmapFailed();
    // The screen is drawn in device pixels into an image of the part to paint, then
    // copied one to one: every line and block then covers whole device pixels, which a
    // painter scaled by a fractional ratio would not promise. Pixels the painter leaves
    // alone stay transparent, showing the window's background as before.
    const qreal ratio = m_client->devicePixelRatioF();
    const QRectF dirty = event->region().boundingRect();
    const QPoint topLeft(static_cast<int>(std::floor(dirty.left() * ratio)),
                         static_cast<int>(std::floor(dirty.top() * ratio)));
    const QPoint bottomRight(static_cast<int>(std::ceil((dirty.left() + dirty.width()) * ratio)),
                             static_cast<int>(std::ceil((dirty.top() + dirty.height()) * ratio)));
    const QRect area(topLeft, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y()));
    if (area.isEmpty())
        return;
    QImage screen(area.size(), QImage::Format_ARGB32_Premultiplied);
    screen.fill(Qt::transparent);
    {
        QPainter device(&screen);
        device.translate(-area.topLeft());
        painter.Paint(device, CurrentPaintState(), QRegion(area));
    }
    screen.setDevicePixelRatio(ratio);
    QPainter window(m_client);
    window.drawImage(QPointF(area.topLeft()) / ratio, screen);
}

void CPuzzleDlg::RedrawMove(int fromRow, int fromColumn, int toRow, int toColumn)
{
    // Only the two cells are painted, at once: the rest of the window stays as it is. On
    // a screen with a fractional pixel ratio a cell's device pixels may reach past its
    // window pixels by one.
    const int n = m_board.GridSize();
    const DeviceScale scale = WindowScale();
    const int margin = m_client->devicePixelRatioF() == 1.0 ? 0 : 1;
    const QMargins more(margin, margin, margin, margin);
    const QRegion cells = QRegion(scale.Rect(geometry::CellFrame(n, fromRow, fromColumn)) + more) +
                          (scale.Rect(geometry::CellFrame(n, toRow, toColumn)) + more);
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
