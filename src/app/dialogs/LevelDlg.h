// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

namespace tilora {

class ProfileStore;
class Prompter;

// "Tilora : Level of Difficulty": asks for the level, 1 to 100. It opens with the level
// stored in the score file and stores an accepted entry there; the close box and Esc
// leave the value it opened with.
class CLevelDlg final : public QDialog {
    Q_OBJECT
public:
    CLevelDlg(const ProfileStore& scores, Prompter& prompter, QWidget* parent = nullptr);

    // The dialog's value: the accepted entry after OK, else the value read on opening.
    int Level() const { return m_nLevel; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const ProfileStore& m_scores;
    Prompter& m_prompter;
    QLineEdit* m_edit = nullptr;
    int m_nLevel = 0;
    bool m_bSelected = false;
};

}  // namespace tilora
