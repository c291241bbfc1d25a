// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace tilora {

class BoardView;
class Hinter;

// The first hint without a tables file waits seconds for their build: `window` shows the
// wait with a busy cursor (and goes on being played), and a screen reader hears it once
// through `view`.
void ShowHintPreparation(const Hinter& hints, BoardView& view, QWidget& window);

}  // namespace tilora
