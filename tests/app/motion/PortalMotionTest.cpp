// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's wish for motion read over D-Bus, from a portal of the test's own on a
// private bus that the test starts and ends by its process id: never the machine's session.
#include "app/motion/PortalMotion.h"

#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "app/boardview/BoardView.h"
#include "app/game/Game.h"
#include "app/window/SlideMotion.h"
#include "display/PictureCache.h"
#include "picture/PictureRecord.h"
#include "scores/ProfileStore.h"

namespace tilora {

using PortalSettings = QMap<QString, QVariantMap>;

// The portal's Settings: ReadAll answers from a table, SettingChanged is sent on request.
class FakePortal final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    PortalSettings settings;
    int reads = 0;

public slots:
    PortalSettings ReadAll(const QStringList& groups)
    {
        ++reads;
        PortalSettings asked;
        for (const QString& group : groups)
            if (settings.contains(group))
                asked.insert(group, settings.value(group));
        return asked;
    }

signals:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};

namespace {

// A session bus of the test's own. Its configuration names no service folders, so that
// no service of the machine (a real portal) is ever started on it.
class PrivateBus {
public:
    PrivateBus()
    {
        const QString config = m_folder.filePath(QStringLiteral("bus.conf"));
        QFile file(config);
        if (!m_folder.isValid() || !file.open(QIODevice::WriteOnly))
            return;
        file.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                   " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                   "<busconfig><type>session</type><listen>unix:dir=" +
                   m_folder.path().toUtf8() +
                   "</listen><auth>EXTERNAL</auth><policy context=\"default\"><allow send_destination=\"*\"/>"
                   "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        file.close();
        m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config,
                                                         QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (m_daemon.waitForStarted(5000) && m_daemon.waitForReadyRead(5000))
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-portal"));
        // Ended by its own process id, which QProcess holds.
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    const QString& Address() const { return m_address; }

private:
    QTemporaryDir m_folder;
    QProcess m_daemon;
    QString m_address;
};

class PortalMotionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qDBusRegisterMetaType<PortalSettings>();
        if (bus.Address().isEmpty())
            GTEST_SKIP() << "dbus-daemon could not start";
    }
    // Puts the fake portal on the bus under the portal's own name.
    void Serve()
    {
        QDBusConnection connection = QDBusConnection::connectToBus(bus.Address(), QStringLiteral("fake-portal"));
        ASSERT_TRUE(connection.isConnected());
        ASSERT_TRUE(connection.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                                              QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals));
        ASSERT_TRUE(connection.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
    }

    PrivateBus bus;
    FakePortal portal;
};

TEST_F(PortalMotionTest, TheFirstAnswerComesWithoutWaitingForIt)
{
    portal.settings[QStringLiteral("org.gnome.desktop.interface")] = {{QStringLiteral("enable-animations"), true}};
    portal.settings[QStringLiteral("org.kde.kdeglobals.KDE")] = {{QStringLiteral("AnimationDurationFactor"), 0.0}};
    Serve();
    PortalMotion motion;
    QSignalSpy changed(&motion, &PortalMotion::changed);
    motion.Start(bus.Address());
    // Asked, never waited for: nothing is known before the answer comes.
    EXPECT_FALSE(motion.Motion().gnomeAnimations.has_value());
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_EQ(portal.reads, 1);
    EXPECT_EQ(motion.Motion().gnomeAnimations, true);
    EXPECT_FALSE(DesktopWantsMotion(motion.Motion())) << "KDE's factor 0 asks for no motion";
}

TEST_F(PortalMotionTest, NoPortalOnTheBusMeansTheDesktopSaidNothing)
{
    PortalMotion motion;
    QSignalSpy changed(&motion, &PortalMotion::changed);
    motion.Start(bus.Address());
    // The bus answers at once that no one owns the portal's name.
    EXPECT_FALSE(changed.wait(500));
    EXPECT_TRUE(DesktopWantsMotion(motion.Motion()));
}

TEST_F(PortalMotionTest, TheBoardFollowsTheDesktopUnlessThePlayerChoseOtherwise)
{
    portal.settings[QStringLiteral("org.gnome.desktop.interface")] = {{QStringLiteral("enable-animations"), false}};
    Serve();
    PictureCache pictures;
    const PictureRecord loaded;
    Game game;
    BoardView view(pictures, loaded, game, nullptr);
    QMenuBar bar;
    QTemporaryDir folder;
    ProfileStore scores(folder.filePath(QStringLiteral("Tilora.hi")).toStdString());
    SlideMotion motion(bar, scores, view, true, nullptr);
    // Until the desktop answers, it has said nothing: the blocks slide.
    EXPECT_TRUE(view.Animate());
    motion.FollowDesktop(bus.Address());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view.Animate(); }, 5000)) << "GNOME's animations are off";
    motion.Choose(AnimateSlides::Always);
    EXPECT_TRUE(view.Animate());
    motion.Choose(AnimateSlides::FollowDesktop);
    EXPECT_FALSE(view.Animate());
    emit portal.SettingChanged(QStringLiteral("org.gnome.desktop.interface"), QStringLiteral("enable-animations"),
                               QDBusVariant(true));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.Animate(); }, 5000)) << "turned on again on the desktop";
    emit portal.SettingChanged(QStringLiteral("org.freedesktop.appearance"), QStringLiteral("reduced-motion"),
                               QDBusVariant(1u));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !view.Animate(); }, 5000)) << "the portal's own reduced motion";
}

}  // namespace
}  // namespace tilora

#include "PortalMotionTest.moc"
