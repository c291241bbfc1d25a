// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/MenuBarKeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include <algorithm>

namespace tilora {

MenuBarKeys::MenuBarKeys(QMenuBar* bar, QWidget* home) : QObject(bar), m_bar(bar), m_home(home)
{
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    connect(f10, &QShortcut::activated, this, &MenuBarKeys::Enter);
    bar->installEventFilter(this);
    // However a menu of the bar closes (a command, Esc, a click elsewhere), and after a
    // command straight on the bar, the keys go back to the board once the bar is left.
    for (QAction* action : bar->actions())
        if (QMenu* menu = action->menu())
            connect(menu, &QMenu::aboutToHide, this, &MenuBarKeys::GiveBackLater);
    connect(bar, &QMenuBar::triggered, this, &MenuBarKeys::GiveBackLater);
}

void MenuBarKeys::Enter()
{
    // The first menu opens as with its Alt key: the bar itself never keeps the keys.
    Open(m_bar->actions().constFirst());
}

void MenuBarKeys::Open(QAction* entry)
{
    m_bar->setActiveAction(entry);
    // A menu opened from the keyboard shows its first command chosen, so that Enter runs it.
    if (QMenu* menu = entry->menu()) {
        const QList<QAction*> commands = menu->actions();
        const auto first = std::find_if(commands.begin(), commands.end(), [](const QAction* command) {
            return command->isVisible() && command->isEnabled() && !command->isSeparator();
        });
        if (first != commands.end())
            menu->setActiveAction(*first);
    }
}

void MenuBarKeys::GiveBackLater()
{
    // Queued: a walk to the next menu closes one menu before it opens the other.
    QMetaObject::invokeMethod(this, &MenuBarKeys::GiveBack, Qt::QueuedConnection);
}

bool MenuBarKeys::MenuOpen() const
{
    const QList<QAction*> actions = m_bar->actions();
    return std::any_of(actions.begin(), actions.end(),
                       [](const QAction* action) { return action->menu() && action->menu()->isVisible(); });
}

void MenuBarKeys::GiveBack()
{
    if (MenuOpen() || m_bar->window()->focusWidget() != m_bar)
        return;
    // Qt leaves the bar highlighted and holding the keys after Esc in one of its menus;
    // Esc on the bar ends that, as a second Esc would.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(m_bar, &escape);
    if (m_home)
        m_home->setFocus(Qt::MenuBarFocusReason);
}

QAction* MenuBarKeys::Neighbour(QAction* from, int step) const
{
    // The entry without text has no menu of its own: the walk passes it by.
    const QList<QAction*> actions = m_bar->actions();
    const auto count = static_cast<int>(actions.size());
    const int start = static_cast<int>(actions.indexOf(from));
    for (int i = 1; i < count; ++i) {
        QAction* next = actions[((start + step * i) % count + count) % count];
        if (next->isVisible() && next->isEnabled() && !next->isSeparator() && !next->text().isEmpty())
            return next;
    }
    return nullptr;
}

bool MenuBarKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_bar || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Left and Right reach the bar from its open menu as well as on the bar itself,
    // whether the menu was opened by mouse or by key.
    if ((key == Qt::Key_Left || key == Qt::Key_Right) && m_bar->activeAction()) {
        const int step = (key == Qt::Key_Right) == (m_bar->layoutDirection() == Qt::LeftToRight) ? 1 : -1;
        if (QAction* next = Neighbour(m_bar->activeAction(), step)) {
            Open(next);
            return true;
        }
    }
    // Esc on the bar itself (no menu open) leaves it; the bar drops its highlight, and
    // the keys go back to where the game is played.
    if (key == Qt::Key_Escape && m_bar->hasFocus()) {
        QMetaObject::invokeMethod(
            this, [this] { if (m_home && m_bar->hasFocus()) m_home->setFocus(Qt::MenuBarFocusReason); },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tilora
