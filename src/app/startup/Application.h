// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tilora {

// The id that names the program everywhere: its desktop entry, its AppStream data, its
// icon and its Wayland app id.
inline constexpr char kAppId[] = "io.github.tilora.Tilora";

// The program's name and version, as --version and the About box give them.
void NameApplication();

// Everything application-wide that the game's windows need, set once the QApplication
// exists and before the first window is built: the names, the desktop id and the style.
void SetUpApplication();

// The icon every window of the program shows. Set after the first window's first paint:
// an icon set before it is given to the X server, in every size, before the window maps,
// which costs the start more than the rest of the window.
void SetApplicationIcon();

}  // namespace tilora
