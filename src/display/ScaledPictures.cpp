// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/ScaledPictures.h"

#include "display/AndStretch.h"
#include "display/PaintGeometry.h"

namespace tilora {
namespace {

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
    const QSize to(n * side, n * side);
    // A view must not outlive `rgb`, and scaling to the same size returns the view itself.
    if (corner.size() == to)
        return corner.copy();
    return corner.scaled(to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

PreparedPicture CutScaled(const QImage& source, QSize block, int n, const DeviceScale& scale)
{
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    const int side = DeviceBlockSide(n, scale);
    return {ScaleBlocks(rgb, block, n, side), AndStretch(rgb, rgb.rect(), DeviceThumbnailSize(scale)), side,
            scale.Factor()};
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

PreparedPicture CutPictureAt(const QImage& source, int n, const DeviceScale& scale)
{
    if (scale.IsActualSize())
        return CutPicture(source, n);
    return CutScaled(source, {source.width() / n, source.height() / n}, n, scale);
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
