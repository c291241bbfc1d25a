// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <cstdint>

#include "board/Board.h"
#include "display/BoardPainter.h"
#include "display/DeviceScale.h"
#include "display/PictureCache.h"
#include "picture/PictureRecord.h"

namespace tilora::test {

// A colour the painter never uses, so that untouched client pixels can be told apart.
inline constexpr QRgb kGround = 0xff123456u;

// Paints `state` into a fresh image of the window's client area, scaled by `scale`.
inline QImage Render(PictureCache& cache, const PictureRecord& record, const PaintState& state,
                     const DeviceScale& scale = {})
{
    QImage image(scale.Rect(QRect(0, 0, 437, 330)).size(), QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    BoardPainter(cache, record, scale).Paint(painter, state, QRegion(image.rect()));
    return image;
}

// A loaded-picture record of a 24-bit bitmap holding `image`: rows bottom first, blue,
// green, red, each row padded to a multiple of four bytes.
inline PictureRecord Make24BitRecord(const QImage& image)
{
    PictureRecord record;
    BitmapInfoHeader& h = record.m_bmi.bmiHeader;
    h.biSize = 40;
    h.biWidth = image.width();
    h.biHeight = image.height();
    h.biPlanes = 1;
    h.biBitCount = 24;
    const int stride = 3 * image.width() + image.width() % 4;
    record.m_pPixels.assign(static_cast<std::size_t>(stride) * static_cast<std::size_t>(image.height()), 0);
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* row = record.m_pPixels.data() + static_cast<std::size_t>(image.height() - 1 - y) * stride;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            row[3 * x] = static_cast<std::uint8_t>(qBlue(c));
            row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(c));
            row[3 * x + 2] = static_cast<std::uint8_t>(qRed(c));
        }
    }
    return record;
}

}  // namespace tilora::test
