// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/motion/PortalMotion.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QFileInfo>

namespace tilora {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");

// The session bus that the environment names, without ever starting one: no address
// means no desktop to ask.
QString SessionAddress()
{
    const QString named = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!named.isEmpty())
        return named;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists())
        return QStringLiteral("unix:path=") + runtime + QStringLiteral("/bus");
    return {};
}

}  // namespace

PortalMotion::PortalMotion(QObject* parent) : QObject(parent) {}

PortalMotion::~PortalMotion()
{
    if (!m_connection.isEmpty())
        QDBusConnection::disconnectFromBus(m_connection);
}

void PortalMotion::Start(const QString& address)
{
    const QString bus = address.isEmpty() ? SessionAddress() : address;
    if (bus.isEmpty() || !m_connection.isEmpty())
        return;
    // A connection of our own, by this object's address, so that two windows (or a test
    // and its private bus) never share one.
    m_connection = QStringLiteral("tilora-motion-%1").arg(reinterpret_cast<quintptr>(this), 0, 16);
    QDBusConnection connection = QDBusConnection::connectToBus(bus, m_connection);
    if (!connection.isConnected())
        return;
    // The slot's value type must be known to the meta-type system before the connection
    // reads the slot's signature: unknown, the signal would never arrive.
    qRegisterMetaType<QDBusVariant>();
    connection.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
                       SLOT(OnSettingChanged(QString, QString, QDBusVariant)));
    QDBusMessage readAll = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("ReadAll"));
    readAll << MotionNamespaces();
    auto* call = new QDBusPendingCallWatcher(connection.asyncCall(readAll), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, &PortalMotion::OnReadAll);
}

void PortalMotion::OnReadAll(QDBusPendingCallWatcher* call)
{
    call->deleteLater();
    const QDBusMessage reply = call->reply();
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return;
    // a{sa{sv}}: each namespace with its keys and values.
    const QDBusArgument all = reply.arguments().constFirst().value<QDBusArgument>();
    if (all.currentType() != QDBusArgument::MapType)
        return;
    all.beginMap();
    while (!all.atEnd()) {
        QString group;
        QVariantMap values;
        all.beginMapEntry();
        all >> group >> values;
        all.endMapEntry();
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            TakePortalSetting(m_motion, group, value.key(), value.value());
    }
    all.endMap();
    emit changed();
}

void PortalMotion::OnSettingChanged(const QString& group, const QString& key, const QDBusVariant& value)
{
    const DesktopMotion before = m_motion;
    TakePortalSetting(m_motion, group, key, value.variant());
    if (before.gnomeAnimations != m_motion.gnomeAnimations || before.gnomeReducedMotion != m_motion.gnomeReducedMotion ||
        before.kdeDurationFactor != m_motion.kdeDurationFactor || before.reducedMotion != m_motion.reducedMotion)
        emit changed();
}

}  // namespace tilora
