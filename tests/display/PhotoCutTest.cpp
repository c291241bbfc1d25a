// SPDX-License-Identifier: GPL-3.0-or-later
// A photo's blocks and thumbnail: averaged, never darkened, and cut from its centred square.
#include <QPainter>

#include <gtest/gtest.h>

#include "display/PictureCache.h"

namespace tilora::test {
namespace {

double Mean(const QImage& image, const QRect& rect)
{
    double sum = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (rect.width() * rect.height());
}

// Random greys around 128 or 200 in a 1400 x 1000 photo, whose square is x 200 to 1199:
// each block and the thumbnail is within 2 % of its source's mean at 100 % and at 200 %.
TEST(PhotoCutTest, BlocksAndThumbnailKeepTheMeanOfTheirSource)
{
    for (const int grey : {128, 200}) {
        QImage photo(1400, 1000, QImage::Format_RGB32);
        std::uint32_t noise = 1;
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x) {
                noise = noise * 1664525u + 1013904223u;
                const int v = grey - 48 + static_cast<int>(noise >> 25) % 97;
                photo.setPixel(x, y, qRgb(v, v, v));
            }
        for (const double factor : {1.0, 2.0}) {
            PictureCache cache;
            cache.SetLoadedSource(photo);
            const PreparedPicture& cut = *cache.Loaded({}, 4, DeviceScale(factor));
            const int s = cut.block;
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 4; ++c) {
                    const double source = Mean(photo, {200 + c * 250, r * 250, 250, 250});
                    EXPECT_NEAR(Mean(cut.board, {c * s, r * s, s, s}), source, source / 50) << grey << " " << factor;
                }
            const double whole = Mean(photo, {200, 0, 1000, 1000});
            EXPECT_NEAR(Mean(cut.thumbnail, cut.thumbnail.rect()), whole, whole / 50) << grey << " " << factor;
        }
    }
}

// A filled circle in the middle of a 4:3 photo is round and centred on the thumbnail.
TEST(PhotoCutTest, ANonSquarePhotoShowsItsCentredSquareUnsquashed)
{
    QImage photo(400, 300, QImage::Format_RGB32);
    photo.fill(Qt::white);
    {
        QPainter painter(&photo);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPoint(200, 150), 120, 120);
    }
    PictureCache cache;
    cache.SetLoadedSource(photo);
    const QImage thumbnail = cache.Loaded({}, 4)->thumbnail;
    QRect dark;
    for (int y = 0; y < thumbnail.height(); ++y)
        for (int x = 0; x < thumbnail.width(); ++x)
            dark |= qGray(thumbnail.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
    EXPECT_NEAR(dark.width(), dark.height(), 1);
    EXPECT_NEAR(dark.left(), thumbnail.width() - 1 - dark.right(), 1);
    EXPECT_NEAR(dark.top(), thumbnail.height() - 1 - dark.bottom(), 1);
}

}  // namespace
}  // namespace tilora::test
