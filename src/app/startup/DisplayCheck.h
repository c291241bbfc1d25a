// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tilora {

// What Qt's graphical application is about to connect to, as the command line and the
// environment tell it before any application object exists.
struct DisplaySettings {
    QString platform;          // -platform, else QT_QPA_PLATFORM: "xcb", "wayland;xcb", "offscreen", ...
    bool x11 = false;          // DISPLAY is set, or -display names one
    bool waylandName = false;  // WAYLAND_DISPLAY or WAYLAND_SOCKET is set
    bool waylandSocket = false;  // a Wayland socket is there to connect to, named or not
};

// Which display is missing for the platform the game would start on.
enum class MissingDisplay { X11, Wayland, Either };

// Nothing when the game can open its window: a platform that needs no display (offscreen,
// vnc, ...), or one whose display is there. Without a forced platform Qt picks X11 or
// Wayland from DISPLAY and WAYLAND_DISPLAY, so one of them must be set. Qt itself aborts
// with a core dump when its platform cannot connect; this is asked first.
std::optional<MissingDisplay> FindMissingDisplay(const DisplaySettings& settings);

// The settings of this process: `platformOption` and `displayOption` are the values of
// -platform and -display on the command line, empty when not given.
DisplaySettings CurrentDisplaySettings(const QString& platformOption, const QString& displayOption);

// The one line that says no display can be opened, in the player's language.
QString NoDisplayLine(MissingDisplay missing);

}  // namespace tilora
