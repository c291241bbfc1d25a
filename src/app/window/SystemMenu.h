// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QDialog;
class QMenu;
class QWidget;

namespace tilora {

// System-command ids as the window's system menu carries them. Only the high twelve bits
// name a command; the low four are the windowing system's own.
inline constexpr unsigned kSysCommandMask = 0xFFF0;
inline constexpr unsigned kIdmAboutBox = 0x0010;
inline constexpr unsigned kScMinimize = 0xF020;
inline constexpr unsigned kScClose = 0xF060;

// Carries out system command `id` on `window`: the close box ends it through the cancel
// path, without a question; the about box is `about`'s.
void RunSysCommand(unsigned id, QDialog& window, const std::function<void()>& about);

// The window's system menu: Minimize, Close and About Tilora. Qt leaves the title bar's
// own menu to the window manager, so the window offers it itself, on the right mouse
// button and on Alt+Space, which reaches the program wherever the window manager does
// not keep that key for its own menu. A chosen entry arrives as a system command.
class SystemMenu final : public QObject {
    Q_OBJECT
public:
    explicit SystemMenu(QWidget& window);

    QMenu* Menu() const { return m_menu; }
    // Shown without a nested event loop: the chosen entry arrives as `command`.
    void Show(QPoint globalPoint);

signals:
    void command(unsigned id);

private:
    QWidget& m_window;
    QMenu* m_menu;
};

}  // namespace tilora
