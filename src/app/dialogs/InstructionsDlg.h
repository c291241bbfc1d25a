// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace tilora {

// The How To Play box: the aim of the game and how a block is moved.
class CInstructionsDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CInstructionsDlg(QWidget* parent = nullptr);
};

}  // namespace tilora
