// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/DisplayProbe.h"

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <future>
#include <memory>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "common/ReadOnlyFile.h"

namespace tilora {
namespace {

// While it lives, what the process writes to its standard error goes nowhere: libxcb
// writes the server's reason for a refused connection there itself, and the program says
// it in its own line instead.
class QuietStandardError {
public:
    QuietStandardError() : m_saved(::dup(STDERR_FILENO))
    {
        const UniqueFd nowhere(::open("/dev/null", O_WRONLY | O_CLOEXEC));
        if (m_saved.Get() >= 0 && nowhere.Get() >= 0)
            ::dup2(nowhere.Get(), STDERR_FILENO);
    }
    ~QuietStandardError()
    {
        if (m_saved.Get() >= 0)
            ::dup2(m_saved.Get(), STDERR_FILENO);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    UniqueFd m_saved;
};

}  // namespace

bool X11DisplayAnswers(const QString& name, std::chrono::milliseconds limit)
{
    if (name.isEmpty())
        return false;
    // libxcb waits for the server's reply without a limit of its own: the connection is
    // made on a thread of its own, left behind when the server never answers (the
    // program then ends with its line).
    const QuietStandardError quiet;
    auto answered = std::make_shared<std::promise<bool>>();
    std::future<bool> result = answered->get_future();
    std::thread([answered, display = name.toLocal8Bit().toStdString()] {
        xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
        const bool ok = xcb_connection_has_error(connection) == 0;
        xcb_disconnect(connection);
        answered->set_value(ok);
    }).detach();
    return result.wait_for(limit) == std::future_status::ready && result.get();
}

bool WaylandDisplayAnswers(const QString& path, std::chrono::milliseconds limit)
{
    const std::string file = path.toLocal8Bit().toStdString();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (file.empty() || file.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, file.c_str(), file.size() + 1);
    const UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket.Get() < 0 || ::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    // wl_display (object 1).sync (request 0) with the new callback's id 2: a 12-byte
    // message, whose size and request share the second word. Any compositor answers with
    // the callback's done event.
    const std::array<std::uint32_t, 3> sync{1, (12U << 16) | 0U, 2};
    if (::send(socket.Get(), sync.data(), sizeof sync, MSG_NOSIGNAL) != static_cast<ssize_t>(sizeof sync))
        return false;
    pollfd reply{socket.Get(), POLLIN, 0};
    if (::poll(&reply, 1, static_cast<int>(limit.count())) != 1 || (reply.revents & POLLIN) == 0)
        return false;
    std::array<char, 64> bytes{};
    return ::recv(socket.Get(), bytes.data(), bytes.size(), 0) > 0;
}

}  // namespace tilora
