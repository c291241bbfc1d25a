// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include "app/motion/MotionChoice.h"

class QDBusPendingCallWatcher;
class QDBusVariant;

namespace tilora {

// The desktop's wish for motion, read from the XDG desktop portal's Settings on the
// session bus: all of it once (ReadAll), then each change (SettingChanged). Nothing waits
// for the portal: the answer comes when it comes, and until then, or with no bus and no
// portal at all, the desktop has said nothing.
class PortalMotion final : public QObject {
    Q_OBJECT
public:
    explicit PortalMotion(QObject* parent = nullptr);
    ~PortalMotion() override;

    // Asks the portal on the bus at `address`; an empty address means the session's own
    // bus, when the environment names one.
    void Start(const QString& address = {});
    const DesktopMotion& Motion() const { return m_motion; }

signals:
    // The desktop said something of motion.
    void changed();

private slots:
    void OnSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

private:
    void OnReadAll(QDBusPendingCallWatcher* call);

    QString m_connection;
    DesktopMotion m_motion;
};

}  // namespace tilora
