// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace tilora {

// What Qt's graphical application is about to connect to, as the command line and the
// environment tell it before any application object exists, and whether each display
// answered a connection made first (see DisplayProbe.h).
struct DisplaySettings {
    QString platform;  // -platform, else QT_QPA_PLATFORM: "xcb", "wayland;xcb", "offscreen", ...
    QString x11;       // -display, else DISPLAY; empty when neither is set
    bool x11Answers = false;
    // WAYLAND_DISPLAY; else "wayland-0" when that socket is in XDG_RUNTIME_DIR, where a
    // Wayland client looks unasked; empty when neither.
    QString wayland;
    bool waylandNamed = false;  // WAYLAND_DISPLAY or WAYLAND_SOCKET is set: Qt tries Wayland unasked
    bool waylandAnswers = false;
};

// Why no display can be opened, and the names of those that were set but did not answer.
struct MissingDisplay {
    enum class Why {
        X11Unset,      // X11 wanted, DISPLAY not set
        WaylandUnset,  // Wayland wanted, no display named and no socket found
        NoneSet,       // either would do, neither is set
        X11Dead,       // DISPLAY set, nothing answers there (dead, refused, unreachable)
        WaylandDead,   // a Wayland socket named or found, no compositor answers there
        BothDead,
    };
    Why why = Why::NoneSet;
    QString x11;
    QString wayland;
    bool operator==(const MissingDisplay&) const = default;
};

// Nothing when the game can open its window: a platform that needs no display (offscreen,
// vnc, ...), or one of the platforms Qt would try whose display answers. Without a forced
// platform Qt tries X11, and Wayland first when WAYLAND_DISPLAY is set; a list such as
// "wayland;xcb" is tried in turn. Qt itself aborts with a core dump when no platform can
// connect; this is asked first.
std::optional<MissingDisplay> FindMissingDisplay(const DisplaySettings& settings);

// The settings of this process, its displays tried: `platformOption` and `displayOption`
// are the values of -platform and -display on the command line, empty when not given.
DisplaySettings CurrentDisplaySettings(const QString& platformOption, const QString& displayOption);

// The one line that says no display can be opened and names it, in the player's language.
QString NoDisplayLine(const MissingDisplay& missing);

}  // namespace tilora
