// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tilora {

// The window system may give `window` the keys while a popup of a closing dialog is still
// open (a file dialog's list of completions, when Return both takes the name and closes
// the dialog). Qt ignores an activation that comes in a popup's time and never hears of it
// again: the window holds the keys without being active, its focus widget never gets them
// back, and a screen reader hears nothing of the window from then on. Once the popups
// are gone, `window` takes up the activation it missed.
void FollowMissedActivation(QWidget& window);

// Makes `window` the active window when the window system gave it the keys and Qt did not
// take that up; true when it did so.
bool TakeMissedActivation(QWidget& window);

}  // namespace tilora
