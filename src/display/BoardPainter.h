// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include "display/PaintState.h"

class QFont;
class QPainter;
class QRect;
class QRegion;

namespace tilora {

class PictureCache;
struct PictureRecord;
struct PreparedPicture;

// Draws the client area of the game window from a read-only state onto any QPainter: the
// window's own paint, the quick redraw of a move (the same paint clipped to two cells)
// and test images alike. Pictures come from the cache, so drawing only copies pixels.
class BoardPainter {
    Q_DECLARE_TR_FUNCTIONS(BoardPainter)

public:
    BoardPainter(PictureCache& cache, const PictureRecord& loaded) : m_cache(cache), m_loaded(loaded) {}

    // Whether the picture that `state` calls for can be drawn. False only for the loaded
    // picture when its record cannot be made drawable; nothing is drawn then.
    bool CanDraw(const PaintState& state);

    // Draws what lies inside `dirty` of the screen that `state` calls for. Parts wholly
    // outside `dirty` are skipped, so a redraw of two cells costs two cells. Returns
    // false, having drawn nothing, when CanDraw is false.
    bool Paint(QPainter& painter, const PaintState& state, const QRegion& dirty);

    // The title screen's two text lines, in the player's language, and their font.
    static QString StartLine();
    static QString CreditLine();
    static QFont TitleFont();

private:
    void PaintTitle(QPainter& painter, const QRegion& dirty);
    void PaintPause(QPainter& painter, const QRegion& dirty);
    void PaintBoard(QPainter& painter, const PaintState& state, const PreparedPicture& picture,
                    const QRegion& dirty);

    PictureCache& m_cache;
    const PictureRecord& m_loaded;
};

// A rectangle as the game draws it: a one-pixel black outline filled with white,
// covering `rect` exactly (its right and bottom lines are rect.right() and rect.bottom()).
void DrawFramedRect(QPainter& painter, const QRect& rect);

}  // namespace tilora
