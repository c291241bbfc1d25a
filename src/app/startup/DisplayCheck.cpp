// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/DisplayCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "app/startup/DisplayProbe.h"

namespace tilora {

std::optional<MissingDisplay> FindMissingDisplay(const DisplaySettings& settings)
{
    using Why = MissingDisplay::Why;
    bool wantsX11 = false;
    bool wantsWayland = false;
    if (settings.platform.isEmpty()) {
        wantsX11 = true;
        wantsWayland = settings.waylandNamed;
    } else {
        // "wayland;xcb" is a list Qt tries in turn; "vnc:size=800x600" carries options;
        // "wayland-egl" and "wayland-xcomposite-glx" are Wayland too.
        for (const QString& entry : settings.platform.split(u';', Qt::SkipEmptyParts)) {
            const QString name = entry.section(u':', 0, 0).trimmed();
            if (name == u"xcb")
                wantsX11 = true;
            else if (name.startsWith(u"wayland"))
                wantsWayland = true;
            else
                return std::nullopt;  // offscreen, minimal, vnc, eglfs, linuxfb, ...: no display server to reach
        }
    }
    if ((wantsX11 && settings.x11Answers) || (wantsWayland && settings.waylandAnswers))
        return std::nullopt;

    const bool x11Dead = wantsX11 && !settings.x11.isEmpty();
    const bool waylandDead = wantsWayland && !settings.wayland.isEmpty();
    MissingDisplay missing{Why::NoneSet, x11Dead ? settings.x11 : QString(), waylandDead ? settings.wayland : QString()};
    if (x11Dead && waylandDead)
        missing.why = Why::BothDead;
    else if (x11Dead)
        missing.why = Why::X11Dead;
    else if (waylandDead)
        missing.why = Why::WaylandDead;
    else if (settings.platform.isEmpty() || (wantsX11 && wantsWayland))
        missing.why = Why::NoneSet;
    else
        missing.why = wantsWayland ? Why::WaylandUnset : Why::X11Unset;
    return missing;
}

DisplaySettings CurrentDisplaySettings(const QString& platformOption, const QString& displayOption)
{
    DisplaySettings settings;
    settings.platform = platformOption.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platformOption;
    settings.x11 = displayOption.isEmpty() ? qEnvironmentVariable("DISPLAY") : displayOption;
    settings.x11Answers = !settings.x11.isEmpty() && X11DisplayAnswers(settings.x11);

    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    settings.waylandNamed = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) {
        // A connection handed over by the compositor: it cannot be tried without using it up.
        settings.wayland = QStringLiteral("WAYLAND_SOCKET");
        settings.waylandAnswers = true;
        return settings;
    }
    settings.wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    // A Wayland client connects to $XDG_RUNTIME_DIR/wayland-0 when no name is given.
    if (settings.wayland.isEmpty() && !runtime.isEmpty()
        && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("wayland-0"))))
        settings.wayland = QStringLiteral("wayland-0");
    if (!settings.wayland.isEmpty()) {
        const QString socket = QDir::isAbsolutePath(settings.wayland) || runtime.isEmpty()
                                   ? settings.wayland
                                   : QDir(runtime).filePath(settings.wayland);
        settings.waylandAnswers = QDir::isAbsolutePath(socket) && WaylandDisplayAnswers(socket);
    }
    return settings;
}

QString NoDisplayLine(const MissingDisplay& missing)
{
    using Why = MissingDisplay::Why;
    switch (missing.why) {
    case Why::X11Unset:
        return QCoreApplication::translate("main", "tilora: there is no display to open: DISPLAY is not set.");
    case Why::WaylandUnset:
        return QCoreApplication::translate(
            "main", "tilora: there is no display to open: WAYLAND_DISPLAY is not set and no Wayland socket was found.");
    case Why::X11Dead:
        return QCoreApplication::translate(
                   "main", "tilora: the display %1 cannot be opened: no X server answers there, or it refuses the game.")
            .arg(missing.x11);
    case Why::WaylandDead:
        return QCoreApplication::translate("main",
                                           "tilora: the Wayland display %1 cannot be opened: no compositor answers there.")
            .arg(missing.wayland);
    case Why::BothDead:
        return QCoreApplication::translate(
                   "main", "tilora: neither the display %1 nor the Wayland display %2 can be opened: nothing answers there.")
            .arg(missing.x11, missing.wayland);
    case Why::NoneSet:
        break;
    }
    return QCoreApplication::translate("main",
                                       "tilora: there is no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set.");
}

}  // namespace tilora
