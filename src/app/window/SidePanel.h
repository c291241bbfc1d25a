// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

namespace tilora {

class BoardView;
class WindowZoom;

// The side panel of the main window over the client area: the introduction, the complete
// picture's frame, the seconds field and the hidden default button, each placed in dialog
// units and zoomed with the window. Returns the seconds field.
QLineEdit* BuildSidePanel(BoardView& client, WindowZoom& zoom);

}  // namespace tilora
