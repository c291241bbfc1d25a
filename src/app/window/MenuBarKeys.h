// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenuBar;
class QWidget;

namespace tilora {

// F10 opens the menu bar's first menu from the keyboard, as in the other programs of the
// desktop. Left and Right walk on across the bar (past the entry without text, which has
// no menu of its own) from a menu opened by key or by mouse alike. However the bar is
// left (a command that opens no dialog, Esc, a click elsewhere), the keys go back to
// `home` at once. Alt with a menu's letter does the same through the bar's own mnemonics.
class MenuBarKeys final : public QObject {
public:
    MenuBarKeys(QMenuBar* bar, QWidget* home);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Enter();
    void Open(QAction* entry);
    void GiveBackLater();
    void GiveBack();
    bool MenuOpen() const;
    // The next entry of the bar with a text, `step` 1 to the right or -1 to the left.
    QAction* Neighbour(QAction* from, int step) const;

    QMenuBar* m_bar;
    QPointer<QWidget> m_home;
};

}  // namespace tilora
