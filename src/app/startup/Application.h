// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tilora {

// The id that names the program everywhere: its desktop entry, its AppStream data, its
// icon and its Wayland app id.
inline constexpr char kAppId[] = "io.github.tilora.Tilora";

// The program's name and version, as --version and the About box give them.
void NameApplication();

// Everything application-wide that the game's windows need, set once the QApplication
// exists and before the first window is built: the names, the desktop id, the style
// and the icon that every window shows.
void SetUpApplication();

}  // namespace tilora
