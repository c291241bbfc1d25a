// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QButtonGroup;

namespace tilora {

// "Tilora : No. of Blocks": the grid size for the next game. It always opens on
// "4 x 4". OK yields the index of the chosen button, 0 to 3; Cancel, the close box and
// Esc yield 4.
class CBlocksDlg final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kCancelled = 4;

    explicit CBlocksDlg(QWidget* parent = nullptr);

    int Choice() const { return m_nBlocks; }

    // The grid size for a choice: 0 -> 4, 1 -> 5, 2 -> 8, 3 -> 10, anything else -> 4.
    static int GridSizeFor(int choice);

    void accept() override;
    void reject() override;

private:
    QButtonGroup* m_group = nullptr;
    int m_nBlocks = -1;
};

}  // namespace tilora
