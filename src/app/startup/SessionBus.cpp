// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup/SessionBus.h"

#include <QDir>

#include <sys/stat.h>

namespace tilora {
namespace {

// A path as a D-Bus address value: bytes outside the few that may stand as they are are
// written as %XX.
QString EscapedAddressValue(const QString& path)
{
    QString escaped;
    for (const char byte : path.toLocal8Bit()) {
        const auto c = static_cast<unsigned char>(byte);
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-'
                           || c == '_' || c == '/' || c == '.' || c == '\\' || c == '*';
        if (plain)
            escaped += QChar(c);
        else
            escaped += u'%' + QStringLiteral("%1").arg(c, 2, 16, QChar(u'0'));
    }
    return escaped;
}

bool IsSocket(const QString& path)
{
    struct stat status {};
    return ::stat(path.toLocal8Bit().constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

}  // namespace

std::optional<QString> SessionBusAddress(const QString& current, const QString& runtimeDir, bool busSocketExists)
{
    if (!current.isEmpty())
        return std::nullopt;
    // A relative runtime folder is not the desktop's: its bus is not looked for there.
    if (busSocketExists && QDir::isAbsolutePath(runtimeDir))
        return QStringLiteral("unix:path=") + EscapedAddressValue(QDir(runtimeDir).filePath(QStringLiteral("bus")));
    return QStringLiteral("disabled:");
}

void KeepToTheSessionBus()
{
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const bool socket = !runtimeDir.isEmpty() && IsSocket(QDir(runtimeDir).filePath(QStringLiteral("bus")));
    if (const auto address = SessionBusAddress(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), runtimeDir, socket))
        qputenv("DBUS_SESSION_BUS_ADDRESS", address->toLocal8Bit());
}

}  // namespace tilora
