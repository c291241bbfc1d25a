// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QMenuBar;
class QWidget;

namespace tilora {

// F10 enters the menu bar from the keyboard, as in the other programs of the desktop: it
// opens the first menu, Left and Right walk on across the bar (past the entry without
// text, which has no menu of its own), Down or Enter opens a menu, and Esc leaves the bar
// and gives the keys back to `home` at once. Alt with a menu's letter does the same
// through the bar's own mnemonics.
class MenuBarKeys final : public QObject {
public:
    MenuBarKeys(QMenuBar* bar, QWidget* home);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Enter();

    QMenuBar* m_bar;
    QPointer<QWidget> m_home;
};

}  // namespace tilora
