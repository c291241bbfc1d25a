// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

#include "display/DeviceScale.h"
#include "display/PaintState.h"

class QFont;
class QImage;
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
//
// The painter's coordinates are device pixels: every position of the game's geometry is
// mapped through `scale`, so that lines and blocks fall on whole pixels. `standIn` draws
// pictures not yet made for this scale from the ones at hand (while a resize goes on).
class BoardPainter {
    Q_DECLARE_TR_FUNCTIONS(BoardPainter)

public:
    BoardPainter(PictureCache& cache, const PictureRecord& loaded, DeviceScale scale = {}, bool standIn = false)
        : m_cache(cache), m_loaded(loaded), m_scale(scale), m_standIn(standIn)
    {
    }

    // Whether the picture that `state` calls for can be drawn. False only for the loaded
    // picture (on the board, or the title screen's thumbnail) when its record cannot be
    // made drawable; nothing is drawn then.
    bool CanDraw(const PaintState& state);

    // Draws what lies inside `dirty` (device pixels) of the screen that `state` calls for. Parts wholly
    // outside `dirty` are skipped, so a redraw of two cells costs two cells. Returns
    // false, having drawn nothing, when CanDraw is false.
    bool Paint(QPainter& painter, const PaintState& state, const QRegion& dirty);

    // The title screen's two text lines, in the player's language, and their font.
    static QString StartLine();
    static QString CreditLine();
    static QFont TitleFont(const DeviceScale& scale = {});

private:
    // The title screen; its thumbnail shows `loaded` when given, else the title picture.
    void PaintTitle(QPainter& painter, const PreparedPicture* loaded, const QRegion& dirty);
    void PaintPause(QPainter& painter, const QRegion& dirty);
    void PaintBoard(QPainter& painter, const PaintState& state, const PreparedPicture& picture,
                    const QRegion& dirty);

    const PreparedPicture* LoadedPicture(const PaintState& state);
    // Whether the screen that `state` calls for shows the loaded picture.
    static bool ShowsLoaded(const PaintState& state);
    void DrawFramed(QPainter& painter, const QRect& rect) const;
    void DrawThumbnail(QPainter& painter, const QImage& thumbnail) const;
    void DrawNumber(QPainter& painter, const QRect& block, int n, int tile) const;
    // Tile `tile`'s block of `picture` over the cell frame `frame` (device pixels), but
    // the frame's right and bottom lines.
    void DrawBlock(QPainter& painter, const PaintState& state, const PreparedPicture& picture, const QRect& frame,
                   int tile) const;
    // The blocks of a slide, each on its way between two cells.
    void DrawSliding(QPainter& painter, const PaintState& state, const PreparedPicture& picture) const;

    PictureCache& m_cache;
    const PictureRecord& m_loaded;
    DeviceScale m_scale;
    bool m_standIn;
};

// A rectangle as the game draws it: a black outline `line` pixels thick filled with
// white, covering `rect` exactly (its right and bottom lines end at rect.right() and
// rect.bottom()).
void DrawFramedRect(QPainter& painter, const QRect& rect, int line = 1);

}  // namespace tilora
