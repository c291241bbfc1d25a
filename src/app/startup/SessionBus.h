// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tilora {

// The session bus address the game should be given before Qt first looks for one, or
// nothing to leave the environment as it is. Without DBUS_SESSION_BUS_ADDRESS, libdbus
// would start a bus of its own through dbus-launch wherever DISPLAY is set (a container,
// ssh, a console login), and that bus outlives the game and writes ~/.dbus. The bus a
// desktop keeps at $XDG_RUNTIME_DIR/bus is named instead, when it is there; else no bus
// at all: the game plays the same, only a screen reader has nothing to meet it on.
//   `current`: DBUS_SESSION_BUS_ADDRESS, empty when unset; `runtimeDir`: XDG_RUNTIME_DIR;
//   `busSocketExists`: whether `runtimeDir`/bus is a socket.
std::optional<QString> SessionBusAddress(const QString& current, const QString& runtimeDir, bool busSocketExists);

// Sets DBUS_SESSION_BUS_ADDRESS for this process as SessionBusAddress says.
void KeepToTheSessionBus();

}  // namespace tilora
