// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tilora {

// Makes a screen reader read the game's window as the application's window, not as a
// dialog, with Pause/Restart, which sits on the menu bar beside its menus, as one of its
// buttons. Installing it again does nothing.
void InstallWindowAccessibility();

}  // namespace tilora
