// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace tilora {

// The About box: the game's name, its version, its icon and who made it.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    // The bold condensed face of the box's texts, or the nearest this machine has.
    static QFont AboutFont();
};

}  // namespace tilora
