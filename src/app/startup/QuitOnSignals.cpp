// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/QuitOnSignals.h"

#include <QCoreApplication>

#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace tilora {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// A signal handler may only write to a descriptor; the event loop reads the other end.
// The descriptor is the one piece of state a handler can reach.
volatile std::sig_atomic_t g_writeFd = -1;

extern "C" void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_writeFd, &byte, 1);
}

}  // namespace

QuitOnSignals::QuitOnSignals(std::function<void()> onSignal)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, m_fds) != 0)
        return;
    g_writeFd = m_fds[0];
    m_notifier = std::make_unique<QSocketNotifier>(m_fds[1], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [fd = m_fds[1], onSignal = std::move(onSignal)] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(fd, &byte, 1);
        if (onSignal)
            onSignal();
        // Not quit(): that closes the windows first, and a window may ask before it closes.
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

QuitOnSignals::~QuitOnSignals()
{
    if (m_fds[0] < 0)
        return;
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    m_notifier.reset();
    g_writeFd = -1;
    ::close(m_fds[0]);
    ::close(m_fds[1]);
}

}  // namespace tilora
