// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/InstructionsDlg.h"

#include <QLabel>
#include <QPushButton>

#include <array>

#include "ui/DialogUnits.h"

namespace tilora {

CInstructionsDlg::CInstructionsDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("instructionsDialog"));
    setWindowTitle(tr("Tilora : Instructions"));
    setFont(DialogFont());
    setFixedSize(DluSize(205, 262));

    struct Text {
        const char* name;
        const char* text;
        QRect rect;
    };
    // The texts are the game's own, blanks and slips included.
    const std::array texts{
        Text{"headingText", QT_TR_NOOP("The Game of Tilora"), DluRect(69, 7, 67, 8)},
        Text{"subheadingText", QT_TR_NOOP("Instructions"), DluRect(84, 19, 37, 8)},
        Text{"aimText",
             QT_TR_NOOP("The  aim of the game is to reconstruct the given picture. At the start, the computer "
                        "jumbles up the picture, based on the difficulty level that you choose. Then you have to "
                        "reconstruct the picture in the minimal time possible."),
             DluRect(11, 35, 183, 35)},
        Text{"movesText",
             QT_TR_NOOP("In order to reconstruct the picture, you have to move the adjacent blocks into the vacant "
                        "space. You can only move a block horizontally or vertically. Diagonal movement is not "
                        "allowed. Only one block can me moved at a time."),
             DluRect(11, 74, 183, 32)},
        Text{"mouseText",
             QT_TR_NOOP("To move a block, you can either click at it, drag it and drop it or simply double click the "
                        "mouse at it."),
             DluRect(11, 110, 183, 17)},
        Text{"closingText", QT_TR_NOOP("Hope you have fun!"), DluRect(70, 226, 64, 8)}};
    for (const Text& t : texts) {
        auto* label = new QLabel(tr(t.text), this);
        label->setObjectName(QString::fromLatin1(t.name));
        label->setGeometry(t.rect);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
    }
    // The keyboard, undo and hint came later than the texts above, which stay as they were.
    auto* keys = new QLabel(tr("You can also play from the keyboard: an arrow key moves the block beside the vacant "
                               "space into it. Ctrl+Z takes a move back and Ctrl+Y makes it again. Stuck? Press H and "
                               "the computer makes the next move for you, but a game won with its help does not enter "
                               "the high scores."),
                            this);
    keys->setObjectName(QStringLiteral("keysText"));
    keys->setGeometry(DluRect(11, 130, 183, 38));
    keys->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    keys->setWordWrap(true);

    // For a player who listens with a screen reader: the keys that read the board.
    auto* listening = new QLabel(tr("Playing by ear: with a screen reader, Shift and an arrow key move a reading "
                                    "cursor over the blocks without moving any, Space or Enter slides the block "
                                    "under it, and Home takes it back to the vacant space. R reads the cursor's row, "
                                    "B the blocks around the vacant space, T the time and moves so far."),
                                 this);
    listening->setObjectName(QStringLiteral("listeningText"));
    listening->setGeometry(DluRect(11, 172, 183, 48));
    listening->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    listening->setWordWrap(true);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setGeometry(DluRect(77, 241, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace tilora
