// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/PictureCache.h"

#include <QPainter>
#include <QString>

#include "display/AndStretch.h"
#include "display/DrawableBitmap.h"
#include "display/PaintGeometry.h"

namespace tilora {
namespace {

QImage LoadResource(const char* name)
{
    QImage image(QStringLiteral(":/tilora/pictures/%1.png").arg(QLatin1String(name)));
    // The resources are part of the program; an empty picture here is a broken build.
    Q_ASSERT(!image.isNull());
    return image.convertToFormat(QImage::Format_RGB32);
}

// A built-in picture is copied unscaled: its board image is the picture itself, which
// is 320 x 320 and so holds every block at its home for every allowed n.
PreparedPicture PrepareUnscaled(const char* name)
{
    QImage image = LoadResource(name);
    QImage thumbnail = AndStretch(image, image.rect(), {geometry::kThumbnailSide, geometry::kThumbnailSide});
    return {std::move(image), std::move(thumbnail)};
}

}  // namespace

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
    return {std::move(board), std::move(thumbnail)};
}

const PreparedPicture& PictureCache::BuiltIn(int picture)
{
    static constexpr const char* kNames[] = {"bars", "flintstones", "pooh", "doughnuts"};
    const int index = (picture >= 2 && picture <= 4) ? picture - 1 : 0;
    auto& slot = m_builtIn[static_cast<std::size_t>(index)];
    if (!slot)
        slot = PrepareUnscaled(kNames[index]);
    return *slot;
}

const PreparedPicture& PictureCache::Title()
{
    if (!m_title)
        m_title = PrepareUnscaled("title");
    return *m_title;
}

const PreparedPicture& PictureCache::Pause()
{
    if (!m_pause)
        m_pause = PrepareUnscaled("pause");
    return *m_pause;
}

const PreparedPicture* PictureCache::Loaded(const PictureRecord& record, int n)
{
    if (!m_loaded || m_loaded->gridSize != n) {
        LoadedEntry entry;
        entry.gridSize = n;
        if (const std::optional<QImage> decoded = MakeDrawableBitmap(record); decoded && !decoded->isNull())
            entry.picture = CutPicture(*decoded, n);
        m_loaded = std::move(entry);
    }
    return m_loaded->picture ? &*m_loaded->picture : nullptr;
}

void PictureCache::DropLoaded()
{
    m_loaded.reset();
}

}  // namespace tilora
