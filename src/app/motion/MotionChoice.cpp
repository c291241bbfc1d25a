// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/motion/MotionChoice.h"

#include <QDBusVariant>
#include <QStringList>

namespace tilora {
namespace {

const QString kGnomeInterface = QStringLiteral("org.gnome.desktop.interface");
const QString kGnomeA11y = QStringLiteral("org.gnome.desktop.a11y.interface");
const QString kKdeGlobals = QStringLiteral("org.kde.kdeglobals.KDE");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");

// A value as it comes over the bus: possibly wrapped once more in a variant.
QVariant Unwrapped(const QVariant& value)
{
    if (value.canConvert<QDBusVariant>() && value.metaType() == QMetaType::fromType<QDBusVariant>())
        return Unwrapped(value.value<QDBusVariant>().variant());
    return value;
}

std::optional<bool> AsBool(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<bool>())
        return value.toBool();
    return std::nullopt;
}

std::optional<double> AsNumber(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toDouble();
    case QMetaType::QString: {
        // kdeglobals' entries are text, and so is what some portals pass on of them.
        bool ok = false;
        const double number = value.toString().trimmed().toDouble(&ok);
        return ok ? std::optional<double>(number) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

}  // namespace

std::string_view AnimateSlidesText(AnimateSlides choice)
{
    switch (choice) {
    case AnimateSlides::Always:
        return "always";
    case AnimateSlides::Never:
        return "never";
    case AnimateSlides::FollowDesktop:
        break;
    }
    return "desktop";
}

AnimateSlides AnimateSlidesFromText(std::string_view text)
{
    if (text == "always")
        return AnimateSlides::Always;
    if (text == "never")
        return AnimateSlides::Never;
    return AnimateSlides::FollowDesktop;
}

bool DesktopWantsMotion(const DesktopMotion& motion)
{
    if (motion.gnomeAnimations == false || motion.gnomeReducedMotion == true || motion.reducedMotion == true)
        return false;
    // KDE's factor scales every animation's length: 0 turns them off.
    return !(motion.kdeDurationFactor && *motion.kdeDurationFactor <= 0.0);
}

bool ShouldAnimate(AnimateSlides choice, const DesktopMotion& motion)
{
    switch (choice) {
    case AnimateSlides::Always:
        return true;
    case AnimateSlides::Never:
        return false;
    case AnimateSlides::FollowDesktop:
        break;
    }
    return DesktopWantsMotion(motion);
}

void TakePortalSetting(DesktopMotion& motion, const QString& group, const QString& key, const QVariant& value)
{
    const QVariant plain = Unwrapped(value);
    if (group == kGnomeInterface && key == QLatin1String("enable-animations")) {
        if (const auto on = AsBool(plain))
            motion.gnomeAnimations = on;
    } else if (group == kGnomeA11y && key == QLatin1String("reduced-motion")) {
        if (const auto on = AsBool(plain))
            motion.gnomeReducedMotion = on;
    } else if (group == kKdeGlobals && key == QLatin1String("AnimationDurationFactor")) {
        if (const auto factor = AsNumber(plain))
            motion.kdeDurationFactor = factor;
    } else if (group == kAppearance && key == QLatin1String("reduced-motion")) {
        // 0: no preference, 1: reduced motion.
        if (const auto wish = AsNumber(plain))
            motion.reducedMotion = *wish == 1.0;
    }
}

QStringList MotionNamespaces()
{
    return {kGnomeInterface, kGnomeA11y, kKdeGlobals, kAppearance};
}

}  // namespace tilora
