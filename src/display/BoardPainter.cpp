// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/BoardPainter.h"

#include <QFont>
#include <QPainter>
#include <QRegion>

#include "board/Board.h"
#include "display/PaintGeometry.h"
#include "display/PictureCache.h"

namespace tilora {

// The title screen's lettering: bold "Times", 15 pixels high.
QFont BoardPainter::TitleFont()
{
    QFont font(QStringLiteral("Times"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(15);
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

}  // namespace

void DrawFramedRect(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect, Qt::white);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), Qt::black);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), Qt::black);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), Qt::black);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), Qt::black);
}

QString BoardPainter::StartLine()
{
    return tr("To Start, Click at the Menu");
}

QString BoardPainter::CreditLine()
{
    return tr("By the Tilora developers");
}

bool BoardPainter::CanDraw(const PaintState& state)
{
    if (ScreenFor(state) != Screen::LoadedBoard)
        return true;
    return m_cache.Loaded(m_loaded, state.board->GridSize()) != nullptr;
}

bool BoardPainter::Paint(QPainter& painter, const PaintState& state, const QRegion& dirty)
{
    switch (ScreenFor(state)) {
    case Screen::Title:
        PaintTitle(painter, dirty);
        return true;
    case Screen::Pause:
        PaintPause(painter, dirty);
        return true;
    case Screen::LoadedBoard: {
        const PreparedPicture* picture = m_cache.Loaded(m_loaded, state.board->GridSize());
        if (picture == nullptr)
            return false;
        PaintBoard(painter, state, *picture, dirty);
        return true;
    }
    case Screen::BuiltInBoard:
        PaintBoard(painter, state, m_cache.BuiltIn(state.picture), dirty);
        return true;
    }
    return true;
}

void BoardPainter::PaintTitle(QPainter& painter, const QRegion& dirty)
{
    const PreparedPicture& title = m_cache.Title();
    const QRect pictureRect(geometry::kTitlePictureAt, title.board.size());
    if (dirty.intersects(pictureRect))
        painter.drawImage(pictureRect.topLeft(), title.board);
    // The title screen shows the thumbnail alone: no frame and no marker.
    if (dirty.intersects(ThumbnailRect()))
        painter.drawImage(geometry::kThumbnailAt, title.thumbnail);

    painter.save();
    painter.setFont(TitleFont());
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    DrawTextAt(painter, geometry::kTitleLine1At, StartLine());
    DrawTextAt(painter, geometry::kTitleLine2At, CreditLine());
    painter.restore();
}

void BoardPainter::PaintPause(QPainter& painter, const QRegion& dirty)
{
    const PreparedPicture& pause = m_cache.Pause();
    if (dirty.intersects(QRect(QPoint(0, 0), pause.board.size())))
        painter.drawImage(QPoint(0, 0), pause.board);
    if (dirty.intersects(geometry::kThumbnailFrame)) {
        DrawFramedRect(painter, geometry::kThumbnailFrame);
        painter.drawImage(geometry::kThumbnailAt, pause.thumbnail);
    }
}

void BoardPainter::PaintBoard(QPainter& painter, const PaintState& state, const PreparedPicture& picture,
                              const QRegion& dirty)
{
    const Board& board = *state.board;
    const int n = board.GridSize();
    const int s = geometry::BlockSize(n);
    for (int row = 0; row < n; ++row) {
        for (int column = 0; column < n; ++column) {
            const QRect frame = geometry::CellFrame(n, row, column);
            if (!dirty.intersects(frame))
                continue;
            DrawFramedRect(painter, frame);
            // The blank, and any number that names no block of this board, stay empty
            // frames: their source square would lie outside the picture.
            const int tile = board.Cell(row, column);
            if (tile < 1 || tile >= board.BlankTile())
                continue;
            const QRect source(((tile - 1) % n) * s, ((tile - 1) / n) * s, s, s);
            painter.drawImage(frame.topLeft(), picture.board, source);
        }
    }
    if (dirty.intersects(geometry::kThumbnailFrame)) {
        DrawFramedRect(painter, geometry::kThumbnailFrame);
        painter.drawImage(geometry::kThumbnailAt, picture.thumbnail);
        DrawFramedRect(painter, geometry::BlankMarker(n));
    }
}

}  // namespace tilora
