// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/PuzzleDlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/boardview/BoardView.h"
#include "app/record/PlayerRecord.h"
#include "app/window/FileDrop.h"
#include "app/window/MenuBarKeys.h"
#include "app/window/SystemMenu.h"
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
    m_client = new BoardView(m_pictures, m_picture,
                             {[this] { return CurrentPaintState(); }, [this](CellPos cell) { return CanSlide(cell); },
                              [this] { return BoardView::Tally{m_nSeconds, m_record->Moves()}; }},
                             this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    connect(m_client, &BoardView::pictureFailed, this, &CPuzzleDlg::OnBitmapFailed);
    new MenuBarKeys(m_menu.bar, m_client);
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
    BuildPanel();
    // The board has the keys from the start: the arrows play at once.
    m_client->setFocus(Qt::OtherFocusReason);
}

PaintState CPuzzleDlg::CurrentPaintState() const
{
    return {m_bPlaying, m_bShowFinished, m_bPaused, m_bCustomPicture, m_nPicture, &m_board};
}

void CPuzzleDlg::BuildPanel()
{
    // Enter presses the window's default button, which is hidden and does nothing.
    auto* dummy = new QPushButton(QStringLiteral("DUMMY button"), m_client);
    dummy->setObjectName(QStringLiteral("dummyButton"));
    dummy->setGeometry(DluRect(195, 15, 6, 6));
    dummy->setDefault(true);
    dummy->hide();

    auto* picture = new QGroupBox(tr("Complete Picture"), m_client);
    picture->setObjectName(QStringLiteral("completePictureBox"));
    picture->setGeometry(DluRect(222, 100, 66, 65));
    auto* seconds = new QGroupBox(tr("Seconds Elapsed"), m_client);
    seconds->setObjectName(QStringLiteral("secondsBox"));
    seconds->setGeometry(DluRect(222, 166, 66, 31));

    m_secondsField = new QLineEdit(m_client);
    m_secondsField->setObjectName(QLatin1String(kSecondsFieldName));
    m_secondsField->setGeometry(DluRect(229, 178, 51, 12));
    m_secondsField->setReadOnly(true);
    m_secondsField->setAlignment(Qt::AlignCenter);
    m_secondsField->setFrame(false);
    m_secondsField->setFocusPolicy(Qt::NoFocus);
    // A right click on the count opens the window's system menu, not an edit menu.
    m_secondsField->setContextMenuPolicy(Qt::NoContextMenu);
    m_secondsField->setAccessibleName(seconds->title());

    auto* about = new QLabel(tr("Tilora\n\nThe game of Tilora with a difference. Build the picture shown below by "
                                "moving adjacent pieces into the blank space by double clicking or dragging and "
                                "dropping them."),
                             m_client);
    about->setObjectName(QStringLiteral("introText"));
    about->setGeometry(DluRect(222, 0, 66, 100));
    about->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about->setWordWrap(true);
    about->setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_zoom->AddControl(dummy);
    m_zoom->AddGroupBox(picture);
    m_zoom->AddGroupBox(seconds);
    m_zoom->AddControl(m_secondsField);
    m_zoom->AddControl(about);
}

}  // namespace tilora
