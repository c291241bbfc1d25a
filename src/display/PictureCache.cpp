// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/PictureCache.h"

#include <QImageReader>
#include <QString>

#include "display/AndStretch.h"
#include "display/DrawableBitmap.h"
#include "display/PaintGeometry.h"
#include "display/ScaledPictures.h"

namespace tilora {
namespace {

constexpr const char* kNames[] = {"bars", "flintstones", "pooh", "doughnuts", "title", "pause"};
constexpr int kTitle = 4;
constexpr int kPause = 5;

QImage LoadResource(const QString& path)
{
    // Named PNG, never guessed: guessing would load every image-format plugin.
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QImage LoadPicture(int index)
{
    QImage image = LoadResource(QStringLiteral(":/tilora/pictures/%1.png").arg(QLatin1String(kNames[index])));
    // The resources are part of the program; an empty picture here is a broken build.
    Q_ASSERT(!image.isNull());
    return image;
}

// A built-in picture is copied unscaled: its board image is the picture itself, which
// is 320 x 320 and so holds every block at its home for every allowed n.
PreparedPicture PrepareUnscaled(int index)
{
    QImage image = LoadPicture(index);
    QImage thumbnail = AndStretch(image, image.rect(), {geometry::kThumbnailSide, geometry::kThumbnailSide});
    return {std::move(image), std::move(thumbnail)};
}

}  // namespace

const QImage& PictureCache::Master(int index)
{
    QImage& master = m_masters[static_cast<std::size_t>(index)];
    if (master.isNull()) {
        // The high-resolution drawing of the picture; the 320-pixel one stands in for a
        // picture that has none.
        master = LoadResource(QStringLiteral(":/tilora/pictures/large/%1.png").arg(QLatin1String(kNames[index])));
        if (master.isNull())
            master = LoadPicture(index);
    }
    return master;
}

template <typename Make>
const PreparedPicture& PictureCache::ScaledFor(std::optional<Scaled>& slot, int source, int n,
                                               const DeviceScale& scale, bool standIn, const PreparedPicture& base,
                                               Make make)
{
    if (scale.IsActualSize())
        return base;
    if (slot && slot->source == source && slot->gridSize == n && slot->scale == scale.Factor())
        return slot->picture;
    if (standIn)
        return base;
    slot = Scaled{source, n, scale.Factor(), make()};
    return slot->picture;
}

const PreparedPicture& PictureCache::BuiltIn(int picture, const DeviceScale& scale, int n, bool standIn)
{
    const int index = (picture >= 2 && picture <= 4) ? picture - 1 : 0;
    auto& base = m_builtIn[static_cast<std::size_t>(index)];
    if (!base)
        base = PrepareUnscaled(index);
    return ScaledFor(m_scaledBuiltIn, index, n, scale, standIn, *base,
                     [&] { return CutMasterAt(Master(index), n, scale); });
}

const PreparedPicture& PictureCache::Title(const DeviceScale& scale, bool standIn)
{
    if (!m_title)
        m_title = PrepareUnscaled(kTitle);
    const QRect at(geometry::kTitlePictureAt, m_title->board.size());
    return ScaledFor(m_scaledTitle, kTitle, 0, scale, standIn, *m_title,
                     [&] { return ScaleWholeAt(Master(kTitle), at, scale); });
}

const PreparedPicture& PictureCache::Pause(const DeviceScale& scale, bool standIn)
{
    if (!m_pause)
        m_pause = PrepareUnscaled(kPause);
    const QRect at(QPoint(0, 0), m_pause->board.size());
    return ScaledFor(m_scaledPause, kPause, 0, scale, standIn, *m_pause,
                     [&] { return ScaleWholeAt(Master(kPause), at, scale); });
}

const QImage& PictureCache::LoadedSource(const PictureRecord& record)
{
    if (!m_loadedSource) {
        const std::optional<QImage> decoded = MakeDrawableBitmap(record);
        m_loadedSource = decoded ? *decoded : QImage();
    }
    return *m_loadedSource;
}

const PreparedPicture* PictureCache::Loaded(const PictureRecord& record, int n, const DeviceScale& scale, bool standIn)
{
    const QImage& source = LoadedSource(record);
    if (source.isNull())
        return nullptr;
    if (m_loaded && m_loaded->gridSize == n && m_loaded->scale == scale.Factor())
        return &m_loaded->picture;
    // A stand-in must have the same blocks; one cut for another grid size has not.
    if (standIn && m_loaded && m_loaded->gridSize == n)
        return &m_loaded->picture;
    m_loaded = Scaled{0, n, scale.Factor(),
                      m_loadedIsPhoto ? CutPhotoAt(source, n, scale) : CutPictureAt(source, n, scale)};
    return &m_loaded->picture;
}

void PictureCache::SetLoadedSource(QImage decoded)
{
    m_loaded.reset();
    m_loadedSource = PhotoInSrgb(decoded);
    m_loadedIsPhoto = true;
}

void PictureCache::DropLoaded()
{
    m_loaded.reset();
    m_loadedSource.reset();
    m_loadedIsPhoto = false;
}

}  // namespace tilora
