// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/MenuBarKeys.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>

namespace tilora {

MenuBarKeys::MenuBarKeys(QMenuBar* bar, QWidget* home) : QObject(bar), m_bar(bar), m_home(home)
{
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar->window());
    connect(f10, &QShortcut::activated, this, &MenuBarKeys::Enter);
    bar->installEventFilter(this);
}

void MenuBarKeys::Enter()
{
    // The bar takes the keys, so that the arrows still reach it once a menu closes on the
    // entry without a menu; Qt keeps no public way into the bar's own keyboard mode.
    m_bar->setFocus(Qt::MenuBarFocusReason);
    m_bar->setActiveAction(m_bar->actions().constFirst());
}

bool MenuBarKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Esc on the bar itself (no menu open) leaves it; the bar drops its highlight, and
    // the keys go back to where the game is played.
    if (watched == m_bar && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_bar->hasFocus()) {
        QMetaObject::invokeMethod(
            this, [this] { if (m_home && m_bar->hasFocus()) m_home->setFocus(Qt::MenuBarFocusReason); },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tilora
