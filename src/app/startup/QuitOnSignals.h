// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>

#include <memory>

namespace tilora {

// While it lives, SIGTERM, SIGINT and SIGHUP end the application's event loop, so the game
// closes its window and disconnects from the display as if the window had been closed,
// instead of dying in the middle of a frame. One object at a time.
class QuitOnSignals {
public:
    QuitOnSignals();
    ~QuitOnSignals();
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

private:
    int m_fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace tilora
