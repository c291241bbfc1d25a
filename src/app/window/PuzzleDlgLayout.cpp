// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/PuzzleDlg.h"

#include <QMenuBar>
#include <QVBoxLayout>

#include "app/boardview/BoardView.h"
#include "app/window/FileDrop.h"
#include "app/window/MenuBarKeys.h"
#include "app/window/SidePanel.h"
#include "app/window/SystemMenu.h"
#include "app/window/ViewOptions.h"
#include "app/window/WindowAccessible.h"
#include "app/window/WindowZoom.h"
#include "app/window/ZoomSteps.h"
#include "ui/DialogUnits.h"

namespace tilora {
namespace {

// The client area of the window's template is 437 x 320; the drawn board of a 10 x 10
// grid reaches 330 pixels down, so the area is made tall enough to show all of it.
constexpr QSize kClientSize{437, 330};

}  // namespace

void CPuzzleDlg::BuildWindow()
{
    setObjectName(QStringLiteral("puzzleWindow"));
    setWindowTitle(QStringLiteral("Tilora"));
    setFont(DialogFont());
    // A captioned window with a system menu, a minimise, a maximise and a close box: the
    // board grows with the window. It is the program's main window, so it is a normal
    // top-level window for the window manager (task bar, minimising, grouping with its
    // launcher), not a dialog. Without a parent, it centres itself on the screen when
    // shown, where the windowing system lets a program place windows.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    m_menu = BuildPuzzleMenu(this);
    m_client = new BoardView(m_pictures, m_picture, m_game, this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    connect(m_client, &BoardView::pictureFailed, this, &CPuzzleDlg::OnBitmapFailed);
    new MenuBarKeys(m_menu.bar, m_client);
    m_viewOptions = new ViewOptions(*m_menu.numbers, *m_menu.showMoves, m_env.scores, *m_client, *this);
    m_zoom = new WindowZoom(*this, *m_client, *m_menu.bar, m_env.scores);
    m_systemMenu = new tilora::SystemMenu(*this);
    // A picture file dropped from a file manager opens as with Open Picture.
    connect(new FileDrop(*this), &FileDrop::fileDropped, this, &CPuzzleDlg::OpenPictureFile);
    // The game's own size is the smallest; a larger window zooms the whole area.
    m_client->setMinimumSize(kClientSize);
    m_client->resize(kClientSize);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_menu.bar);
    layout->addWidget(m_client);
    m_secondsField = BuildSidePanel(*m_client, *m_zoom);
    // The board has the keys from the start: the arrows play at once.
    m_client->setFocus(Qt::OtherFocusReason);
}

}  // namespace tilora
