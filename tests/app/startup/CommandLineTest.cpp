// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStyle>

#include <gtest/gtest.h>

#include "app/startup/CommandLine.h"
#include "app/startup/DeferredIcons.h"
#include "app/startup/DisplayCheck.h"
#include "app/startup/SessionBus.h"

namespace tilora {
namespace {

// Which command lines start the game, and with which file; Qt's own options pass through
// to the application, and their values are not taken for the file.
TEST(CommandLineTest, StartsTheGameWithAtMostOneFile)
{
    struct Case {
        QStringList arguments;
        bool starts;
        QString file;
    };
    const Case cases[] = {
        {{}, true, {}},
        {{"photo.jpg"}, true, "photo.jpg"},
        {{"-platform", "wayland", "photo.jpg"}, true, "photo.jpg"},
        {{"--style=fusion", "-reverse"}, true, {}},
        {{"--", "-odd name.png"}, true, "-odd name.png"},
        {{"a.png", "b.png"}, false, {}},
        {{"--frobnicate"}, false, {}},
        {{"--version"}, false, {}},
        {{"-h"}, false, {}},
        {{"--export-games"}, false, {}},
    };
    for (const Case& c : cases) {
        const CommandLine commandLine(QStringList{QStringLiteral("tilora")} + c.arguments);
        EXPECT_EQ(commandLine.StartsGame(), c.starts) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(commandLine.File(), c.file) << c.arguments.join(u' ').toStdString();
    }
}

// Which display the start finds missing, for the platform -platform or QT_QPA_PLATFORM
// names and the displays at hand and whether they answered; platforms without a display
// server need none; every "wayland..." platform is Wayland.
TEST(DisplayCheckTest, NamesTheDisplayThePlatformNeeds)
{
    using enum MissingDisplay::Why;
    const struct {
        DisplaySettings settings;
        std::optional<MissingDisplay> missing;
    } cases[] = {
        // platform, x11, answers, wayland, named, answers
        {{"", "", false, "", false, false}, MissingDisplay{NoneSet, {}, {}}},
        {{"", ":0", true, "", false, false}, {}},
        {{"", "", false, "wayland-0", true, true}, {}},
        {{"", ":99", false, "", false, false}, MissingDisplay{X11Dead, ":99", {}}},
        {{"", ":99", false, "wayland-0", true, true}, {}},
        {{"", ":99", false, "wayland-1", true, false}, MissingDisplay{BothDead, ":99", "wayland-1"}},
        {{"", "", false, "wayland-1", true, false}, MissingDisplay{WaylandDead, {}, "wayland-1"}},
        // A socket found but not named is not tried without a platform that asks for it.
        {{"", "", false, "wayland-0", false, true}, MissingDisplay{NoneSet, {}, {}}},
        {{"xcb", "", false, "wayland-0", true, true}, MissingDisplay{X11Unset, {}, {}}},
        {{"xcb", "localhost:10.0", false, "", false, false}, MissingDisplay{X11Dead, "localhost:10.0", {}}},
        {{"xcb:display=:1", ":1", true, "", false, false}, {}},
        {{"wayland", ":0", true, "", false, false}, MissingDisplay{WaylandUnset, {}, {}}},
        {{"wayland", ":0", true, "wayland-0", false, false}, MissingDisplay{WaylandDead, {}, "wayland-0"}},
        {{"wayland-egl", "", false, "wayland-0", false, true}, {}},
        {{"wayland-egl", ":0", true, "", false, false}, MissingDisplay{WaylandUnset, {}, {}}},
        {{"wayland-xcomposite-egl", ":0", true, "mute", true, false}, MissingDisplay{WaylandDead, {}, "mute"}},
        {{"wayland;xcb", "", false, "", false, false}, MissingDisplay{NoneSet, {}, {}}},
        {{"wayland;xcb", ":0", true, "", false, false}, {}},
        {{"wayland-egl;xcb", ":0", false, "wayland-0", true, true}, {}},
        {{"offscreen", "", false, "", false, false}, {}},
        {{"vnc:size=800x600", "", false, "", false, false}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindMissingDisplay(c.settings), c.missing)
            << c.settings.platform.toStdString() << " x11=" << c.settings.x11.toStdString()
            << " wayland=" << c.settings.wayland.toStdString();
}

// The line names the display that did not answer.
TEST(DisplayCheckTest, TheLineNamesTheDisplay)
{
    using enum MissingDisplay::Why;
    EXPECT_TRUE(NoDisplayLine({X11Dead, ":99", {}}).contains(u" :99 "));
    EXPECT_TRUE(NoDisplayLine({WaylandDead, {}, "wayland-7"}).contains(u" wayland-7 "));
    const QString both = NoDisplayLine({BothDead, ":99", "wayland-7"});
    EXPECT_TRUE(both.contains(u" :99 ") && both.contains(u" wayland-7 ")) << both.toStdString();
}

// The session bus the game is given before Qt looks for one: an address set is kept; else
// the desktop's socket in the runtime folder; else none. Never nothing, which would let
// libdbus start a bus of its own that outlives the game.
TEST(SessionBusTest, NeverLeavesTheBusToBeStarted)
{
    const struct {
        QString current;
        QString runtimeDir;
        bool socket;
        std::optional<QString> address;
    } cases[] = {
        {"unix:path=/run/user/1000/bus", "/run/user/1000", true, {}},
        {"disabled:", "", false, {}},
        {"", "/run/user/1000", true, "unix:path=/run/user/1000/bus"},
        {"", "/tmp/a b,c=d", true, "unix:path=/tmp/a%20b%2cc%3dd/bus"},
        {"", "/run/user/1000", false, "disabled:"},
        {"", "", false, "disabled:"},
        {"", "run/user", true, "disabled:"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SessionBusAddress(c.current, c.runtimeDir, c.socket), c.address) << c.runtimeDir.toStdString();
}

// A standard icon read late still has its pixels when drawn (message boxes show them).
TEST(DeferredIconStyleTest, StandardIconsDrawWhenAskedFor)
{
    const DeferredIconStyle style(QStringLiteral("fusion"));
    const QIcon icon = style.standardIcon(QStyle::SP_MessageBoxWarning);
    EXPECT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.pixmap(32, 32).isNull());
    EXPECT_FALSE(icon.availableSizes().isEmpty());
}

}  // namespace
}  // namespace tilora
