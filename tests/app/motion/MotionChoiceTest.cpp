// SPDX-License-Identifier: GPL-3.0-or-later
// Whether blocks slide, from the player's choice and what the desktop's portal said.
#include "app/motion/MotionChoice.h"

#include <QDBusVariant>

#include <gtest/gtest.h>

#include <vector>

namespace tilora {
namespace {

struct Setting {
    const char* group;
    const char* key;
    QVariant value;
};

DesktopMotion From(const std::vector<Setting>& settings)
{
    DesktopMotion motion;
    for (const Setting& s : settings)
        TakePortalSetting(motion, QString::fromLatin1(s.group), QString::fromLatin1(s.key), s.value);
    return motion;
}

TEST(MotionChoiceTest, TheDesktopsAnswersDecideWhenFollowingIt)
{
    const char* gnome = "org.gnome.desktop.interface";
    const char* a11y = "org.gnome.desktop.a11y.interface";
    const char* kde = "org.kde.kdeglobals.KDE";
    const char* appearance = "org.freedesktop.appearance";
    struct Case {
        const char* what;
        std::vector<Setting> portal;
        bool animate;
    };
    const std::vector<Case> cases{
        {"no answer at all", {}, true},
        {"GNOME animations on", {{gnome, "enable-animations", true}}, true},
        {"GNOME animations off", {{gnome, "enable-animations", false}}, false},
        {"GNOME's value wrapped once more", {{gnome, "enable-animations", QVariant::fromValue(QDBusVariant(false))}}, false},
        {"GNOME reduced motion", {{a11y, "reduced-motion", true}}, false},
        {"GNOME no reduced motion", {{a11y, "reduced-motion", false}}, true},
        {"KDE factor 0 as text", {{kde, "AnimationDurationFactor", QStringLiteral("0")}}, false},
        {"KDE factor 0 as a number", {{kde, "AnimationDurationFactor", 0.0}}, false},
        {"KDE factor 0.5", {{kde, "AnimationDurationFactor", QStringLiteral("0.5")}}, true},
        {"KDE factor unreadable", {{kde, "AnimationDurationFactor", QStringLiteral("fast")}}, true},
        {"portal reduced motion", {{appearance, "reduced-motion", 1u}}, false},
        {"portal no preference", {{appearance, "reduced-motion", 0u}}, true},
        {"a key of another namespace", {{appearance, "enable-animations", false}}, true},
        {"a value of the wrong type", {{gnome, "enable-animations", QStringLiteral("false")}}, true},
        {"one of several asks for less", {{gnome, "enable-animations", true}, {appearance, "reduced-motion", 1u}}, false},
        {"a later answer replaces an earlier", {{gnome, "enable-animations", false}, {gnome, "enable-animations", true}}, true},
    };
    for (const Case& c : cases) {
        const DesktopMotion motion = From(c.portal);
        EXPECT_EQ(ShouldAnimate(AnimateSlides::FollowDesktop, motion), c.animate) << c.what;
        EXPECT_TRUE(ShouldAnimate(AnimateSlides::Always, motion)) << c.what;
        EXPECT_FALSE(ShouldAnimate(AnimateSlides::Never, motion)) << c.what;
    }
}

TEST(MotionChoiceTest, TheChoiceIsKeptAsTextAndUnknownTextFollowsTheDesktop)
{
    for (const AnimateSlides choice : {AnimateSlides::FollowDesktop, AnimateSlides::Always, AnimateSlides::Never})
        EXPECT_EQ(AnimateSlidesFromText(AnimateSlidesText(choice)), choice);
    for (const char* text : {"", "Always", "1", "sometimes"})
        EXPECT_EQ(AnimateSlidesFromText(text), AnimateSlides::FollowDesktop) << text;
}

}  // namespace
}  // namespace tilora
