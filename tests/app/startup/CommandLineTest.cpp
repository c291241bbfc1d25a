// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStyle>

#include <gtest/gtest.h>

#include "app/startup/CommandLine.h"
#include "app/startup/DeferredIcons.h"
#include "app/startup/DisplayCheck.h"

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
// names and the displays at hand; platforms without a display server need none.
TEST(DisplayCheckTest, NamesTheDisplayThePlatformNeeds)
{
    using enum MissingDisplay;
    const struct {
        DisplaySettings settings;
        std::optional<MissingDisplay> missing;
    } cases[] = {
        {{"", false, false, false}, Either},
        {{"", true, false, false}, {}},
        {{"", false, true, true}, {}},
        {{"xcb", false, true, true}, X11},
        {{"xcb:display=:1", true, false, false}, {}},
        {{"wayland", true, false, false}, Wayland},
        {{"wayland-egl", false, false, true}, {}},
        {{"wayland;xcb", false, false, false}, Either},
        {{"wayland;xcb", true, false, false}, {}},
        {{"offscreen", false, false, false}, {}},
        {{"vnc:size=800x600", false, false, false}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindMissingDisplay(c.settings), c.missing) << c.settings.platform.toStdString();
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
