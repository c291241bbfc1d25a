// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tilora {

// The object name of the window's count of seconds, which reads as a label.
inline constexpr char kSecondsFieldName[] = "secondsField";

// Makes a screen reader read the game's window as the application's window, not as a
// dialog, with Pause/Restart, which sits on the menu bar beside its menus, as one of its
// buttons, and the count of seconds as a label that is read on request only. Installing
// it again does nothing.
void InstallWindowAccessibility();

}  // namespace tilora
