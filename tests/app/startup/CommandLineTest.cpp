// SPDX-License-Identifier: GPL-3.0-or-later
#include <QStyle>

#include <gtest/gtest.h>

#include "app/startup/CommandLine.h"
#include "app/startup/DeferredIcons.h"

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
