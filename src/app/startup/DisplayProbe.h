// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>

namespace tilora {

// Whether the X display `name` (":0", "localhost:10.0", ...) accepts a connection of this
// process within `limit`: false when nothing listens there, the server refuses the game
// (its authorisation), or it does not answer in time. The connection is closed at once.
bool X11DisplayAnswers(const QString& name, std::chrono::milliseconds limit = std::chrono::seconds(5));

// Whether a Wayland compositor on the socket at `path` answers a first request (a
// wl_display.sync) within `limit`: false for a missing file, a socket nobody listens on,
// or one that takes the connection and then says nothing.
bool WaylandDisplayAnswers(const QString& path, std::chrono::milliseconds limit = std::chrono::seconds(5));

}  // namespace tilora
