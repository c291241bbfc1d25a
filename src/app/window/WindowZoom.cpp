// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/WindowZoom.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QMetaObject>
#include <QScreen>
#include <QTimerEvent>

#include <algorithm>

#include "app/boardview/BoardView.h"
#include "app/window/ZoomSteps.h"
#include "common/CrtNumbers.h"
#include "scores/ProfileStore.h"
#include "scores/ScoreKeys.h"
#include "ui/DialogUnits.h"

namespace tilora {
namespace {

// How long a size must stay unchanged before the pictures are remade for it: longer
// than the gap between the resize events of a drag, short enough not to be noticed.
constexpr int kSettleMs = 200;

// The group boxes only frame what the window paints beneath them: the thumbnail must
// reach the screen with its own pixels, so the boxes draw a raised frame with the title
// on its top line and no fill (some styles tint a group box's inside). Sizes in game
// pixels, scaled with the window.
QString FrameOnly(const DeviceScale& scale)
{
    return QStringLiteral(R"(
QGroupBox { border: %1px groove palette(mid); margin-top: 0.5em; background: transparent; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: %2px; padding: 0 %1px; }
)")
        .arg(scale.At(2))
        .arg(scale.At(6));
}

}  // namespace

WindowZoom::WindowZoom(QWidget& window, BoardView& view, QMenuBar& bar, ProfileStore& scores)
    : QObject(&window), m_window(window), m_view(view), m_bar(bar), m_scores(scores)
{
    connect(&m_view, &BoardView::resized, this, &WindowZoom::ClientResized);
}

int WindowZoom::Zoom() const
{
    return m_view.Zoom();
}

void WindowZoom::AddControl(QWidget* control)
{
    m_controls.emplace_back(control, control->geometry());
}

void WindowZoom::AddGroupBox(QGroupBox* box)
{
    AddControl(box);
    m_groupBoxes.push_back(box);
}

void WindowZoom::ZoomIn()
{
    ZoomTo(tilora::ZoomIn(Zoom()), true);
}

void WindowZoom::ZoomOut()
{
    ZoomTo(tilora::ZoomOut(Zoom()), true);
}

void WindowZoom::ActualSize()
{
    ZoomTo(kMinZoom, true);
}

bool WindowZoom::KeepsItsSize() const
{
    return m_window.isMaximized() || m_window.isFullScreen();
}

int WindowZoom::ScreenLimited(int percent) const
{
    // A maximised or full-screen window keeps its size: the zoom fits in it. Otherwise
    // the window may grow to the screen's free area, less the frame and the menu bar.
    QSize room;
    if (KeepsItsSize()) {
        room = m_view.size();
    } else if (const QScreen* shown = m_window.screen()) {
        const QSize frame = m_window.frameGeometry().size() - m_window.geometry().size();
        room = shown->availableGeometry().size() - frame - QSize(0, m_bar.sizeHint().height());
    } else {
        return percent;
    }
    return std::min(percent, FittingZoom(room));
}

void WindowZoom::ZoomTo(int percent, bool remember)
{
    const int zoom = ScreenLimited(ClampZoom(percent));
    Apply(zoom);
    if (!KeepsItsSize()) {
        const QSize client = ClientSizeAt(zoom);
        m_window.resize(client.width(), client.height() + m_bar.sizeHint().height());
    }
    if (remember)
        m_scores.WriteString(keys::kViewSection, keys::kZoomKey, ItoA(zoom));
}

void WindowZoom::ReadStart()
{
    ZoomTo(m_scores.GetInt(keys::kViewSection, keys::kZoomKey, kMinZoom), false);
}

void WindowZoom::WindowShown()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!KeepsItsSize() && ScreenLimited(Zoom()) < Zoom())
                ZoomTo(Zoom(), false);
        },
        Qt::QueuedConnection);
}

void WindowZoom::Apply(int percent)
{
    m_view.SetZoom(percent);
    const DeviceScale scale = m_view.WindowScale();
    // A shown window lays the client area out itself, after its own resize.
    if (!m_window.isVisible())
        m_view.resize(ClientSizeAt(percent));
    QFont font = DialogFont();
    font.setPixelSize(scale.At(font.pixelSize()));
    m_view.setFont(font);
    for (const auto& [control, rect] : m_controls)
        control->setGeometry(scale.Rect(rect));
    // A widget with its own style sheet keeps the font it had when the sheet was set,
    // so the boxes are given the zoomed font themselves.
    for (QGroupBox* box : m_groupBoxes) {
        box->setStyleSheet(FrameOnly(scale));
        box->setFont(font);
    }
    m_view.update();
}

void WindowZoom::ClientResized(QSize size)
{
    const int zoom = FittingZoom(size);
    if (zoom == Zoom())
        return;
    Apply(zoom);
    m_view.SetStandIn(true);
    m_settle.start(kSettleMs, this);
}

void WindowZoom::Settled()
{
    m_settle.stop();
    m_view.SetStandIn(false);
    m_scores.WriteString(keys::kViewSection, keys::kZoomKey, ItoA(Zoom()));
    m_view.update();
}

void WindowZoom::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_settle.timerId())
        Settled();
    else
        QObject::timerEvent(event);
}

}  // namespace tilora
