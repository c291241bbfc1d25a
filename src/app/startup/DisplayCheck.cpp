// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/DisplayCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace tilora {

std::optional<MissingDisplay> FindMissingDisplay(const DisplaySettings& settings)
{
    if (settings.platform.isEmpty()) {
        if (settings.x11 || settings.waylandName)
            return std::nullopt;
        return MissingDisplay::Either;
    }
    // "wayland;xcb" is a list Qt tries in turn; "vnc:size=800x600" carries options.
    bool wantsX11 = false;
    bool wantsWayland = false;
    for (const QString& entry : settings.platform.split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u':', 0, 0).trimmed();
        if (name == u"xcb") {
            if (settings.x11)
                return std::nullopt;
            wantsX11 = true;
        } else if (name.startsWith(u"wayland")) {
            if (settings.waylandName || settings.waylandSocket)
                return std::nullopt;
            wantsWayland = true;
        } else {
            // offscreen, minimal, vnc, eglfs, linuxfb, ...: no display server to reach.
            return std::nullopt;
        }
    }
    if (wantsX11 && wantsWayland)
        return MissingDisplay::Either;
    return wantsWayland ? MissingDisplay::Wayland : MissingDisplay::X11;
}

DisplaySettings CurrentDisplaySettings(const QString& platformOption, const QString& displayOption)
{
    DisplaySettings settings;
    settings.platform = platformOption.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platformOption;
    settings.x11 = !displayOption.isEmpty() || !qEnvironmentVariableIsEmpty("DISPLAY");
    settings.waylandName = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
    // A Wayland client connects to $XDG_RUNTIME_DIR/wayland-0 when no name is given.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    settings.waylandSocket =
        settings.waylandName || (!runtime.isEmpty() && QFileInfo::exists(QDir(runtime).filePath(QStringLiteral("wayland-0"))));
    return settings;
}

QString NoDisplayLine(MissingDisplay missing)
{
    switch (missing) {
    case MissingDisplay::X11:
        return QCoreApplication::translate("main", "tilora: there is no display to open: DISPLAY is not set.");
    case MissingDisplay::Wayland:
        return QCoreApplication::translate(
            "main", "tilora: there is no display to open: WAYLAND_DISPLAY is not set and no Wayland socket was found.");
    case MissingDisplay::Either:
        break;
    }
    return QCoreApplication::translate("main",
                                       "tilora: there is no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set.");
}

}  // namespace tilora
