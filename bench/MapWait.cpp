// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on the X display and prints, once its first top-level window is
// mapped, the time from the start to the mapping in milliseconds and the program's
// process id ("<ms> <pid>"). The program keeps running. Used by bench/startup.sh.
//   map_wait PROGRAM [ARGUMENTS...]
#include <xcb/xcb.h>

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct ConnectionClose {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

// Listens for windows mapped on the root window of the default screen.
bool WatchRoot(xcb_connection_t* connection)
{
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const auto cookie = xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(xcb_request_check(connection, cookie),
                                                                     &std::free);
    return error == nullptr;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_wait PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::unique_ptr<xcb_connection_t, ConnectionClose> connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get()) || !WatchRoot(connection.get())) {
        std::fprintf(stderr, "map_wait: no X display\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        std::perror("map_wait: exec");
        _exit(127);
    }
    while (xcb_generic_event_t* raw = xcb_wait_for_event(connection.get())) {
        const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        // Menus and tool tips bypass the window manager; the main window does not.
        if (reinterpret_cast<const xcb_map_notify_event_t*>(raw)->override_redirect)
            continue;
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        std::printf("%.1f %d\n", elapsed.count(), static_cast<int>(pid));
        return 0;
    }
    std::fprintf(stderr, "map_wait: the display closed before a window was mapped\n");
    return 1;
}
