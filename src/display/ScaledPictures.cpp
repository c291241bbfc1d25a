// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/ScaledPictures.h"

#include <QColorSpace>
#include <QPainter>

#include <algorithm>

#include "display/AndStretch.h"
#include "display/PaintGeometry.h"

namespace tilora {
namespace {

// `image`, which may be a view of another image's pixels, at size `to` as an image of its
// own: averaged where it shrinks; where it grows, by repeated whole pixels when `repeat`,
// else smoothly.
QImage Resized(const QImage& image, QSize to, bool repeat)
{
    if (image.size() == to)
        return image.copy();
    if (repeat && image.width() < to.width())
        return AndStretch(image, image.rect(), to);
    // Qt's smooth scale averages every source pixel a target pixel covers when shrinking,
    // at any ratio.
    return image.scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Scales the blocks of `rgb` whose source squares are `block` and tile its top-left
// corner. Scaling that corner as one image maps every source square onto exactly its
// device square (both grids start at 0 with one step each), and costs one smooth scale
// instead of n x n small ones.
QImage ScaleBlocks(const QImage& rgb, QSize block, int n, int side)
{
    if (block.isEmpty()) {
        QImage white(n * side, n * side, QImage::Format_RGB32);
        white.fill(Qt::white);
        return white;
    }
    // A view of the corner that shares the source's pixels: no copy of a large picture.
    const QImage corner(rgb.constBits(), n * block.width(), n * block.height(), rgb.bytesPerLine(),
                        QImage::Format_RGB32);
    return Resized(corner, {n * side, n * side}, false);
}

PreparedPicture CutScaled(const QImage& source, QSize block, int n, const DeviceScale& scale)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    const int side = DeviceBlockSide(n, scale);
    return {ScaleBlocks(rgb, block, n, side), AndStretch(rgb, rgb.rect(), DeviceThumbnailSize(scale)), side,
            scale.Factor()};
}

// The largest centred square of an RGB32 image, as a view that shares its pixels.
QImage CentredSquare(const QImage& rgb)
{
    const int side = std::min(rgb.width(), rgb.height());
    const uchar* topLeft = rgb.constScanLine((rgb.height() - side) / 2) + (rgb.width() - side) / 2 * 4;
    return QImage(topLeft, side, side, rgb.bytesPerLine(), QImage::Format_RGB32);
}

}  // namespace

int DeviceBlockSide(int n, const DeviceScale& scale)
{
    int side = 0;
    for (int c = 0; c < n; ++c)
        side = std::max(side, scale.Rect(geometry::CellFrame(n, 0, c)).width() - scale.LineWidth());
    return side;
}

QSize DeviceThumbnailSize(const DeviceScale& scale)
{
    return scale.Rect(QRect(geometry::kThumbnailAt, QSize(geometry::kThumbnailSide, geometry::kThumbnailSide))).size();
}

PreparedPicture CutPicture(const QImage& decoded, int n)
{
    const QImage source = decoded.convertToFormat(QImage::Format_RGB32);
    const int s = geometry::BlockSize(n);
    const int bw = source.width() / n;
    const int bh = source.height() / n;
    QImage board(n * s, n * s, QImage::Format_RGB32);
    board.fill(Qt::white);
    {
        QPainter painter(&board);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                painter.drawImage(QPoint(c * s, r * s), AndStretch(source, QRect(c * bw, r * bh, bw, bh), {s, s}));
    }
    QImage thumbnail = AndStretch(source, source.rect(), {geometry::kThumbnailSide, geometry::kThumbnailSide});
    return {std::move(board), std::move(thumbnail), s, 1.0};
}

PreparedPicture CutPictureAt(const QImage& source, int n, const DeviceScale& scale)
{
    if (scale.IsActualSize())
        return CutPicture(source, n);
    return CutScaled(source, {source.width() / n, source.height() / n}, n, scale);
}

PreparedPicture CutPhotoAt(const QImage& photo, int n, const DeviceScale& scale)
{
    const QImage rgb = photo.convertToFormat(QImage::Format_RGB32);
    const QImage square = CentredSquare(rgb);
    const bool actual = scale.IsActualSize();
    const int side = actual ? geometry::BlockSize(n) : DeviceBlockSide(n, scale);
    const int block = square.width() / n;
    QImage board = actual && block < side ? CutPicture(square, n).board : ScaleBlocks(square, {block, block}, n, side);
    // The thumbnail is averaged from the board where the board is already the average of
    // a larger square: the same colours for a fraction of the work. The last L mod n
    // columns and rows, fewer than n of hundreds, are left out then.
    const QImage& whole = block >= side ? board : square;
    QImage thumbnail = Resized(whole, DeviceThumbnailSize(scale), actual);
    return {std::move(board), std::move(thumbnail), side, scale.Factor()};
}

QImage PhotoInSrgb(const QImage& photo)
{
    const QColorSpace space = photo.colorSpace();
    if (!space.isValid() || space == QColorSpace(QColorSpace::SRgb))
        return photo;
    // Only the square is ever shown: converting no more saves a third of a 3:2 photo's work.
    QImage srgb = CentredSquare(photo.convertToFormat(QImage::Format_RGB32)).copy();
    srgb.setColorSpace(space);
    srgb.convertToColorSpace(QColorSpace::SRgb);
    return srgb;
}

PreparedPicture CutMasterAt(const QImage& master, int n, const DeviceScale& scale)
{
    const int s = geometry::BlockSize(n);
    return CutScaled(master, {s * master.width() / 320, s * master.height() / 320}, n, scale);
}

PreparedPicture ScaleWholeAt(const QImage& master, const QRect& at, const DeviceScale& scale)
{
    const QImage rgb = master.convertToFormat(QImage::Format_RGB32);
    const QSize to = scale.Rect(at).size();
    QImage whole = rgb.size() == to ? rgb : rgb.scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {std::move(whole), AndStretch(rgb, rgb.rect(), DeviceThumbnailSize(scale)), 0, scale.Factor()};
}

}  // namespace tilora
