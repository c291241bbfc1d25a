// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window/WindowActivation.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>

namespace tilora {
namespace {

// A popup closes within a few event loop turns of its dialog; after a second of popups
// the activation is left to the window system.
constexpr std::chrono::milliseconds kRetry{50};
constexpr int kTries = 20;

void TakeWhenNoPopup(QPointer<QWidget> window, int triesLeft)
{
    if (!window)
        return;
    if (QApplication::activePopupWidget() == nullptr) {
        TakeMissedActivation(*window);
        return;
    }
    if (triesLeft > 0)
        QTimer::singleShot(kRetry, window, [window, triesLeft] { TakeWhenNoPopup(window, triesLeft - 1); });
}

}  // namespace

bool TakeMissedActivation(QWidget& window)
{
    if (QApplication::activeWindow() != nullptr || QApplication::activePopupWidget() != nullptr)
        return false;
    const QWindow* handle = window.windowHandle();
    if (handle == nullptr || QGuiApplication::focusWindow() != handle || !window.isVisible())
        return false;
    // The focus window is ours already, so asking the window system for it again does
    // nothing: the window is given the activation Qt would have given it.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(&window);
    QT_WARNING_POP
    return QApplication::activeWindow() == &window;
}

void FollowMissedActivation(QWidget& window)
{
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &window,
                     [target = QPointer<QWidget>(&window)](QWindow* focused) {
                         // Looked at once the activation is handled, which may still set it.
                         if (target && focused == target->windowHandle())
                             QTimer::singleShot(0, target, [target] { TakeWhenNoPopup(target, kTries); });
                     });
}

}  // namespace tilora
