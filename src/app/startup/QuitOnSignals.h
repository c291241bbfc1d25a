// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>

#include <functional>
#include <memory>

namespace tilora {

// While it lives, SIGTERM, SIGINT and SIGHUP run `onSignal` from the event loop and then end
// every event loop of the application, a modal dialog's too: nothing is asked, since a
// session that logs out waits for no answer, and the process leaves its display cleanly
// instead of dying in the middle of a frame. One object at a time.
class QuitOnSignals {
public:
    explicit QuitOnSignals(std::function<void()> onSignal);
    ~QuitOnSignals();
    QuitOnSignals(const QuitOnSignals&) = delete;
    QuitOnSignals& operator=(const QuitOnSignals&) = delete;

private:
    int m_fds[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> m_notifier;
};

}  // namespace tilora
