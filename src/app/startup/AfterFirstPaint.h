// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace tilora {

// Runs `work` once, in the event loop's turn after `widget` was first painted: for what the
// first picture on the screen does not need, so that the window appears as soon as a bare
// one would. Nothing runs if the widget goes before it is painted.
void AfterFirstPaint(QWidget& widget, std::function<void()> work);

}  // namespace tilora
