// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

// Qt's platform accessibility, declared by hand: Qt ships its header only with its private
// development files. The offscreen platform uses the base integration's object, which Qt
// makes once per process and which never reads the integration it is asked through.
class QPlatformAccessibility {
public:
    void setActive(bool active);
};
class QPlatformIntegration {
public:
    QPlatformAccessibility* accessibility() const;
};

namespace tilora::test {

// Turns the accessibility bridge on under the offscreen platform, as a screen reader
// does on a desktop: from then on QAccessible::isActive() holds and every accessible
// event the program sends is built and delivered, as it is while Orca listens.
inline bool ActivateAccessibility()
{
    alignas(16) static const char anyIntegration[64] = {};
    if (QPlatformAccessibility* platform = reinterpret_cast<const QPlatformIntegration*>(anyIntegration)->accessibility())
        platform->setActive(true);
    return QAccessible::isActive();
}

}  // namespace tilora::test
