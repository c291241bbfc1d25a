// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/SidePanel.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/boardview/BoardView.h"
#include "app/window/WindowAccessible.h"
#include "app/window/WindowZoom.h"
#include "ui/DialogUnits.h"

namespace tilora {
namespace {

// The panel's texts are the main window's, translated under its context.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(tilora::CPuzzleDlg)
};

}  // namespace

QLineEdit* BuildSidePanel(BoardView& client, WindowZoom& zoom)
{
    // Enter presses the window's default button, which is hidden and does nothing.
    auto* dummy = new QPushButton(QStringLiteral("DUMMY button"), &client);
    dummy->setObjectName(QStringLiteral("dummyButton"));
    dummy->setGeometry(DluRect(195, 15, 6, 6));
    dummy->setDefault(true);
    dummy->hide();

    auto* picture = new QGroupBox(Text::tr("Complete Picture"), &client);
    picture->setObjectName(QStringLiteral("completePictureBox"));
    picture->setGeometry(DluRect(222, 100, 66, 65));
    auto* seconds = new QGroupBox(Text::tr("Seconds Elapsed"), &client);
    seconds->setObjectName(QStringLiteral("secondsBox"));
    seconds->setGeometry(DluRect(222, 166, 66, 31));

    auto* field = new QLineEdit(&client);
    field->setObjectName(QLatin1String(kSecondsFieldName));
    field->setGeometry(DluRect(229, 178, 51, 12));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    field->setFrame(false);
    field->setFocusPolicy(Qt::NoFocus);
    // A right click on the count opens the window's system menu, not an edit menu.
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setAccessibleName(seconds->title());

    auto* about = new QLabel(Text::tr("Tilora\n\nThe game of Tilora with a difference. Build the picture shown below by "
                                "moving adjacent pieces into the blank space by double clicking or dragging and "
                                "dropping them."),
                             &client);
    about->setObjectName(QStringLiteral("introText"));
    about->setGeometry(DluRect(222, 0, 66, 100));
    about->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    about->setWordWrap(true);
    about->setFrameStyle(QFrame::Panel | QFrame::Raised);

    zoom.AddControl(dummy);
    zoom.AddGroupBox(picture);
    zoom.AddGroupBox(seconds);
    zoom.AddControl(field);
    zoom.AddControl(about);
    return field;
}

}  // namespace tilora
