// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom of the main window: the View menu's commands, the window's size following the
// zoom and the zoom following the window's size, and the zoom kept for the next start.
#include "app/window/PuzzleDlg.h"

#include <QMenuBar>
#include <QMetaObject>
#include <QScreen>

#include "app/boardview/BoardView.h"
#include "app/window/ZoomSteps.h"
#include "common/CrtNumbers.h"
#include "scores/ScoreKeys.h"

namespace tilora {
namespace {

// How long a size must stay unchanged before the pictures are remade for it: longer
// than the gap between the resize events of a drag, short enough not to be noticed.
constexpr int kSettleMs = 200;

}  // namespace

void CPuzzleDlg::OnZoomIn()
{
    ZoomTo(ZoomIn(m_nZoom), true);
}

void CPuzzleDlg::OnZoomOut()
{
    ZoomTo(ZoomOut(m_nZoom), true);
}

void CPuzzleDlg::OnActualSize()
{
    ZoomTo(kMinZoom, true);
}

int CPuzzleDlg::ScreenLimitedZoom(int percent) const
{
    // A maximised or full-screen window keeps its size: the zoom fits in it. Otherwise
    // the window may grow to the screen's free area, less the frame and the menu bar.
    QSize room;
    if (isMaximized() || isFullScreen()) {
        room = m_client->size();
    } else if (const QScreen* shown = screen()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        room = shown->availableGeometry().size() - frame - QSize(0, m_menu.bar->sizeHint().height());
    } else {
        return percent;
    }
    return std::min(percent, FittingZoom(room));
}

void CPuzzleDlg::ZoomTo(int percent, bool remember)
{
    const int zoom = ScreenLimitedZoom(ClampZoom(percent));
    ApplyZoom(zoom);
    if (!isMaximized() && !isFullScreen()) {
        const QSize client = ClientSizeAt(zoom);
        resize(client.width(), client.height() + m_menu.bar->sizeHint().height());
    }
    if (remember)
        m_env.scores.WriteString(keys::kViewSection, keys::kZoomKey, ItoA(zoom));
}

void CPuzzleDlg::ReadStartZoom()
{
    // Nothing stored (the very first start) is 100 %; a stored zoom is used as far as this
    // screen allows.
    ZoomTo(m_env.scores.GetInt(keys::kViewSection, keys::kZoomKey, kMinZoom), false);
    const bool numbers = m_env.scores.GetInt(keys::kViewSection, keys::kNumbersKey, 0) != 0;
    m_menu.numbers->setChecked(numbers);
    m_client->SetNumbers(numbers);
}

void CPuzzleDlg::OnNumbersOnBlocks(bool on)
{
    m_client->SetNumbers(on);
    m_env.scores.WriteString(keys::kViewSection, keys::kNumbersKey, ItoA(on ? 1 : 0));
}

void CPuzzleDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window's frame is known only once it is shown: a zoom chosen before may make
    // the framed window larger than the screen, and is brought down then.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!isMaximized() && !isFullScreen() && ScreenLimitedZoom(m_nZoom) < m_nZoom)
                ZoomTo(m_nZoom, false);
        },
        Qt::QueuedConnection);
}

void CPuzzleDlg::OnClientResized(QSize size)
{
    const int zoom = FittingZoom(size);
    if (zoom == m_nZoom)
        return;
    ApplyZoom(zoom);
    m_client->SetStandIn(true);
    m_settle.start(kSettleMs, this);
}

void CPuzzleDlg::OnResizeSettled()
{
    m_settle.stop();
    m_client->SetStandIn(false);
    m_env.scores.WriteString(keys::kViewSection, keys::kZoomKey, ItoA(m_nZoom));
    Invalidate();
}

}  // namespace tilora
