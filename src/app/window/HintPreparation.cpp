// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/HintPreparation.h"

#include <QCoreApplication>
#include <QWidget>

#include "app/boardview/BoardView.h"
#include "app/hint/Hinter.h"

namespace tilora {

void ShowHintPreparation(const Hinter& hints, BoardView& view, QWidget& window)
{
    QObject::connect(&hints, &Hinter::preparing, &window, [&view, &window](bool on) {
        if (!on) {
            window.unsetCursor();
            return;
        }
        window.setCursor(Qt::BusyCursor);
        view.Announce(QCoreApplication::translate("tilora::CPuzzleDlg",
                                                  "Preparing the hints: the first one takes a few seconds"));
    });
}

}  // namespace tilora
