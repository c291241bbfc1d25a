// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/BoardPainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

#include "board/Board.h"
#include "display/PaintGeometry.h"
#include "display/PictureCache.h"
#include "display/SlideFrame.h"

namespace tilora {

// The title screen's lettering: bold "Times", 15 game pixels high.
QFont BoardPainter::TitleFont(const DeviceScale& scale)
{
    QFont font(QStringLiteral("Times"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(scale.At(15));
    font.setBold(true);
    return font;
}

namespace {

// Draws a text line with its top-left corner at `at`, on a transparent background.
void DrawTextAt(QPainter& painter, QPoint at, const QString& text)
{
    painter.drawText(QRect(at, QSize(1, 1)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine, text);
}

QRect ThumbnailRect()
{
    return {geometry::kThumbnailAt, QSize(geometry::kThumbnailSide, geometry::kThumbnailSide)};
}

// Draws `image` over `target`: copied when it has the target's size, stretched without
// smoothing otherwise (a stand-in while pictures for a new scale are not made yet).
void DrawWhole(QPainter& painter, const QRect& target, const QImage& image)
{
    if (image.size() == target.size())
        painter.drawImage(target.topLeft(), image);
    else
        painter.drawImage(target, image);
}

}  // namespace

void DrawFramedRect(QPainter& painter, const QRect& rect, int line)
{
    painter.fillRect(rect, Qt::white);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), line), Qt::black);
    painter.fillRect(QRect(rect.left(), rect.bottom() + 1 - line, rect.width(), line), Qt::black);
    painter.fillRect(QRect(rect.left(), rect.top(), line, rect.height()), Qt::black);
    painter.fillRect(QRect(rect.right() + 1 - line, rect.top(), line, rect.height()), Qt::black);
}

QString BoardPainter::StartLine()
{
    return tr("To Start, Click at the Menu");
}

QString BoardPainter::CreditLine()
{
    return tr("By the Tilora developers");
}

const PreparedPicture* BoardPainter::LoadedPicture(const PaintState& state)
{
    return m_cache.Loaded(m_loaded, state.board->GridSize(), m_scale, m_standIn);
}

bool BoardPainter::ShowsLoaded(const PaintState& state)
{
    switch (ScreenFor(state)) {
    case Screen::LoadedBoard:
        return true;
    case Screen::Title:
        return state.customPicture && state.board != nullptr;
    case Screen::Pause:
    case Screen::BuiltInBoard:
        break;
    }
    return false;
}

bool BoardPainter::CanDraw(const PaintState& state)
{
    return !ShowsLoaded(state) || LoadedPicture(state) != nullptr;
}

bool BoardPainter::Paint(QPainter& painter, const PaintState& state, const QRegion& dirty)
{
    switch (ScreenFor(state)) {
    case Screen::Title: {
        const PreparedPicture* loaded = ShowsLoaded(state) ? LoadedPicture(state) : nullptr;
        if (ShowsLoaded(state) && loaded == nullptr)
            return false;
        PaintTitle(painter, loaded, dirty);
        return true;
    }
    case Screen::Pause:
        PaintPause(painter, dirty);
        return true;
    case Screen::LoadedBoard: {
        const PreparedPicture* picture = LoadedPicture(state);
        if (picture == nullptr)
            return false;
        PaintBoard(painter, state, *picture, dirty);
        return true;
    }
    case Screen::BuiltInBoard:
        PaintBoard(painter, state, m_cache.BuiltIn(state.picture, m_scale, state.board->GridSize(), m_standIn), dirty);
        return true;
    }
    return true;
}

void BoardPainter::DrawFramed(QPainter& painter, const QRect& rect) const
{
    DrawFramedRect(painter, m_scale.Rect(rect), m_scale.LineWidth());
}

void BoardPainter::DrawThumbnail(QPainter& painter, const QImage& thumbnail) const
{
    DrawWhole(painter, m_scale.Rect(ThumbnailRect()), thumbnail);
}

void BoardPainter::DrawNumber(QPainter& painter, const QRect& block, int n, int tile) const
{
    // The number sits in a white box with a black frame in the block's top-left corner,
    // legible over any picture. Its letters are drawn at the device's own size, so they
    // stay sharp at every zoom: a quarter of the block high, 9 to 16 game pixels.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(m_scale.At(std::clamp(geometry::BlockSize(n) / 4, 9, 16)));
    const QString text = QString::number(tile);
    const QFontMetrics metrics(font);
    const int line = m_scale.LineWidth();
    const int pad = m_scale.At(2);
    const QRect box(block.topLeft(), QSize(metrics.horizontalAdvance(text) + 2 * (pad + line),
                                           metrics.ascent() + metrics.descent() + 2 * line));
    painter.save();
    painter.setClipRect(block, Qt::IntersectClip);
    DrawFramedRect(painter, box, line);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void BoardPainter::PaintTitle(QPainter& painter, const PreparedPicture* loaded, const QRegion& dirty)
{
    const PreparedPicture& title = m_cache.Title(m_scale, m_standIn);
    // The title picture keeps the place and size of the game's 160-pixel one.
    const QRect pictureRect = m_scale.Rect(QRect(geometry::kTitlePictureAt, m_cache.Title().board.size()));
    if (dirty.intersects(pictureRect))
        DrawWhole(painter, pictureRect, title.board);
    // The title screen shows the thumbnail alone: no frame and no marker. A picture the
    // player opened shows there at once, so that it is seen to be taken before New.
    if (dirty.intersects(m_scale.Rect(ThumbnailRect())))
        DrawThumbnail(painter, loaded != nullptr ? loaded->thumbnail : title.thumbnail);

    painter.save();
    painter.setFont(TitleFont(m_scale));
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    DrawTextAt(painter, m_scale.Rect(QRect(geometry::kTitleLine1At, QSize(1, 1))).topLeft(), StartLine());
    DrawTextAt(painter, m_scale.Rect(QRect(geometry::kTitleLine2At, QSize(1, 1))).topLeft(), CreditLine());
    painter.restore();
}

void BoardPainter::PaintPause(QPainter& painter, const QRegion& dirty)
{
    const PreparedPicture& pause = m_cache.Pause(m_scale, m_standIn);
    const QRect pictureRect = m_scale.Rect(QRect(QPoint(0, 0), m_cache.Pause().board.size()));
    if (dirty.intersects(pictureRect))
        DrawWhole(painter, pictureRect, pause.board);
    if (dirty.intersects(m_scale.Rect(geometry::kThumbnailFrame))) {
        DrawFramed(painter, geometry::kThumbnailFrame);
        DrawThumbnail(painter, pause.thumbnail);
    }
}

void BoardPainter::PaintBoard(QPainter& painter, const PaintState& state, const PreparedPicture& picture,
                              const QRegion& dirty)
{
    const Board& board = *state.board;
    const int n = board.GridSize();
    const int line = m_scale.LineWidth();
    for (int row = 0; row < n; ++row) {
        for (int column = 0; column < n; ++column) {
            const QRect frame = m_scale.Rect(geometry::CellFrame(n, row, column));
            if (!dirty.intersects(frame))
                continue;
            DrawFramedRect(painter, frame, line);
            // A block on its way into this cell is drawn after every frame, where it is
            // now; the cell shows its empty frame under it.
            if (state.slide != nullptr && state.slide->Moves({row, column}))
                continue;
            DrawBlock(painter, state, picture, frame, board.Cell(row, column));
        }
    }
    if (state.slide != nullptr)
        DrawSliding(painter, state, picture);
    if (dirty.intersects(m_scale.Rect(geometry::kThumbnailFrame))) {
        DrawFramed(painter, geometry::kThumbnailFrame);
        DrawThumbnail(painter, picture.thumbnail);
        DrawFramed(painter, geometry::BlankMarker(n));
    }
}

void BoardPainter::DrawBlock(QPainter& painter, const PaintState& state, const PreparedPicture& picture,
                             const QRect& frame, int tile) const
{
    const Board& board = *state.board;
    // The blank, and any number that names no block of this board, stay empty frames:
    // their source square would lie outside the picture.
    if (tile < 1 || tile >= board.BlankTile())
        return;
    const int n = board.GridSize();
    const int line = m_scale.LineWidth();
    const int block = picture.block > 0 ? picture.block : geometry::BlockSize(n);
    const bool madeForScale = picture.scale == m_scale.Factor();
    // The block covers the frame but its right and bottom lines. Made for this scale it
    // is copied pixel for pixel (a cell a pixel smaller than the largest shows its
    // top-left part); a stand-in is stretched to fit.
    const QRect target(frame.topLeft(), frame.size() - QSize(line, line));
    const QPoint home(((tile - 1) % n) * block, ((tile - 1) / n) * block);
    const QRect source(home, madeForScale ? target.size() : QSize(block, block));
    if (source.size() == target.size())
        painter.drawImage(target.topLeft(), picture.board, source);
    else
        painter.drawImage(target, picture.board, source);
    if (state.numbers)
        DrawNumber(painter, target, n, tile);
}

void BoardPainter::DrawSliding(QPainter& painter, const PaintState& state, const PreparedPicture& picture) const
{
    const Board& board = *state.board;
    const int n = board.GridSize();
    const double progress = std::clamp(state.slide->progress, 0.0, 1.0);
    for (const SlideFrame::Block& moving : state.slide->blocks) {
        if (!board.Contains(moving.from) || !board.Contains(moving.to))
            continue;
        const QRect from = m_scale.Rect(geometry::CellFrame(n, moving.from.row, moving.from.column));
        const QRect to = m_scale.Rect(geometry::CellFrame(n, moving.to.row, moving.to.column));
        // Whole device pixels on the way, so that the block is copied, never resampled.
        const QPoint step = to.topLeft() - from.topLeft();
        const QPoint at = from.topLeft() + QPoint(static_cast<int>(std::lround(step.x() * progress)),
                                                  static_cast<int>(std::lround(step.y() * progress)));
        DrawBlock(painter, state, picture, QRect(at, to.size()), board.Cell(moving.to.row, moving.to.column));
    }
}

}  // namespace tilora
