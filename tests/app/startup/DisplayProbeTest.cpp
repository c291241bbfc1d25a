// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstring>
#include <functional>
#include <optional>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/startup/DisplayProbe.h"
#include "support/TempDir.h"

namespace tilora {
namespace {

using namespace std::chrono_literals;

// A Unix socket at `path` that listens, or only exists (bound, never listened on, as a
// compositor that died leaves it), and serves each connection with `serve`.
class FakeCompositor {
public:
    FakeCompositor(const std::filesystem::path& path, bool listens, std::function<void(int)> serve)
        : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0))
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        EXPECT_EQ(::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        if (!listens)
            return;
        EXPECT_EQ(::listen(m_fd, 1), 0);
        m_server = std::thread([this, serve = std::move(serve)] {
            const int client = ::accept(m_fd, nullptr, nullptr);
            if (client < 0)
                return;
            serve(client);
            ::close(client);
        });
    }
    ~FakeCompositor()
    {
        ::shutdown(m_fd, SHUT_RDWR);
        if (m_server.joinable())
            m_server.join();
        ::close(m_fd);
    }
    FakeCompositor(const FakeCompositor&) = delete;
    FakeCompositor& operator=(const FakeCompositor&) = delete;

private:
    int m_fd;
    std::thread m_server;
};

void Answer(int client)
{
    std::array<char, 12> request{};
    if (::recv(client, request.data(), request.size(), MSG_WAITALL) == 12) {
        const std::array<std::uint32_t, 3> done{2, 12U << 16, 1};
        ::send(client, done.data(), sizeof done, MSG_NOSIGNAL);
    }
}

void SayNothing(int client)
{
    std::array<char, 12> request{};
    ::recv(client, request.data(), request.size(), MSG_WAITALL);
    std::this_thread::sleep_for(1s);
}

// A Wayland display is taken only where a compositor answers: not a missing socket, not
// one nobody listens on, not one that takes the connection and says nothing (within the
// limit, not after it).
TEST(DisplayProbeTest, AWaylandDisplayMustAnswer)
{
    const struct {
        const char* what;
        bool exists;
        bool listens;
        void (*serve)(int);
        bool answers;
    } cases[] = {
        {"a compositor", true, true, Answer, true},
        {"no socket", false, false, nullptr, false},
        {"a socket left by a compositor gone", true, false, nullptr, false},
        {"a socket that says nothing", true, true, SayNothing, false},
    };
    for (const auto& c : cases) {
        const test::TempDir folder;
        const auto path = folder / "wayland-9";
        std::optional<FakeCompositor> compositor;
        if (c.exists)
            compositor.emplace(path, c.listens, c.serve ? std::function<void(int)>(c.serve) : std::function<void(int)>());
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(WaylandDisplayAnswers(QString::fromStdString(path.string()), 300ms), c.answers) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, 3s) << c.what;
    }
}

// An X display where no server listens is not taken, and the answer comes at once; an
// empty name is no display (libxcb would read DISPLAY instead).
TEST(DisplayProbeTest, AnXDisplayNobodyServesIsNotTaken)
{
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(X11DisplayAnswers(QStringLiteral(":65123")));
    EXPECT_FALSE(X11DisplayAnswers(QString()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

}  // namespace
}  // namespace tilora
