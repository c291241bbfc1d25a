// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBasicTimer>
#include <QObject>
#include <QRect>

#include <utility>
#include <vector>

class QGroupBox;
class QMenuBar;

namespace tilora {

class BoardView;
class ProfileStore;

// The zoom of the game's window: the View menu's steps, the window's size following the
// zoom and the zoom following the window's size, and the zoom kept for the next start.
// The zoom itself is held by the board's view, which draws with it.
class WindowZoom final : public QObject {
public:
    WindowZoom(QWidget& window, BoardView& view, QMenuBar& bar, ProfileStore& scores);

    int Zoom() const;
    // A control of the client area, placed at its present geometry in game pixels and
    // scaled with every zoom. A group box gets a frame and a font of its zoom too.
    void AddControl(QWidget* control);
    void AddGroupBox(QGroupBox* box);

    void ZoomIn();
    void ZoomOut();
    void ActualSize();
    // Shows the window at `percent`, as large as the screen allows, and sizes the window
    // to fit; `remember` stores the zoom for the next start.
    void ZoomTo(int percent, bool remember);
    // The stored zoom, as far as this screen allows; 100 % at the very first start.
    void ReadStart();
    // The window was shown: its frame is known now, and a zoom chosen before may make
    // the framed window larger than the screen.
    void WindowShown();
    // Runs from a resize until the size has settled; pictures are stood in for meanwhile.
    bool Settling() const { return m_settle.isActive(); }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    // The client area was resized (by the player or the window manager): the largest
    // zoom that fits is used at once, pictures are remade once the size has settled.
    void ClientResized(QSize size);
    void Settled();
    void Apply(int percent);
    int ScreenLimited(int percent) const;
    bool KeepsItsSize() const;

    QWidget& m_window;
    BoardView& m_view;
    QMenuBar& m_bar;
    ProfileStore& m_scores;
    QBasicTimer m_settle;
    // The client area's controls and their rectangles in game pixels.
    std::vector<std::pair<QWidget*, QRect>> m_controls;
    std::vector<QGroupBox*> m_groupBoxes;
};

}  // namespace tilora
