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

const QImage& PictureCache::LoadedSource(const PictureRecord& record)
{
    if (!m_loadedSource) {
        const std::optional<QImage> decoded = MakeDrawableBitmap(record);
        m_loadedSource = decoded ? *decoded : QImage();
    }
    return *m_loadedSource;
}

const PreparedPicture* PictureCache::Loaded(const PictureRecord& record, int n)
{
    const QImage& source = LoadedSource(record);
    if (source.isNull())
        return nullptr;
    if (!m_loaded || m_loaded->gridSize != n)
        m_loaded = LoadedEntry{n, CutPicture(source, n)};
    return &m_loaded->picture;
}

void PictureCache::SetLoadedSource(QImage decoded)
{
    m_loaded.reset();
    m_loadedSource = std::move(decoded);
}

void PictureCache::DropLoaded()
{
    m_loaded.reset();
    m_loadedSource.reset();
}

}  // namespace tilora
