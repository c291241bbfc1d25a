// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

#include <optional>
#include <string_view>

namespace tilora {

// View > Animate Slides: as the desktop wishes, always, or never.
enum class AnimateSlides { FollowDesktop, Always, Never };

// The choice as the score file keeps it, and back; anything else follows the desktop.
std::string_view AnimateSlidesText(AnimateSlides choice);
AnimateSlides AnimateSlidesFromText(std::string_view text);

// What the desktop said of motion, each setting unknown until it said it.
struct DesktopMotion {
    std::optional<bool> gnomeAnimations;     // org.gnome.desktop.interface enable-animations
    std::optional<bool> gnomeReducedMotion;  // org.gnome.desktop.a11y.interface reduced-motion
    std::optional<double> kdeDurationFactor; // kdeglobals [KDE] AnimationDurationFactor
    std::optional<bool> reducedMotion;       // org.freedesktop.appearance reduced-motion
};

// The desktop wishes for motion unless one of its settings asks for less; a desktop that
// said nothing wishes for it.
bool DesktopWantsMotion(const DesktopMotion& motion);
bool ShouldAnimate(AnimateSlides choice, const DesktopMotion& motion);

// Takes one of the portal's settings into `motion`; settings of no concern, and values
// of a type no desktop sends, leave it as it was.
void TakePortalSetting(DesktopMotion& motion, const QString& group, const QString& key, const QVariant& value);

// The portal's namespaces that say something of motion.
QStringList MotionNamespaces();

}  // namespace tilora
