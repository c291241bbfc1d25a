// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "display/PictureCache.h"

namespace tilora::test {
namespace {

// A 4:3 photo of noisy grey (around 128, then 200) with a dark disc in its middle, whose
// square is x 150 to 1049: at 100 % and 200 % each block and the thumbnail are within 2 %
// of their source's mean (averaged, not darkened), and the disc is round and centred.
TEST(PhotoCutTest, BlocksAverageTheirSourceAndTheCentredSquareIsShownUnsquashed)
{
    const auto mean = [](const QImage& image, const QRect& rect) {
        double sum = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                sum += qGray(image.pixel(x, y));
        return sum / (rect.width() * rect.height());
    };
    for (const int grey : {128, 200}) {
        QImage photo(1200, 900, QImage::Format_RGB32);
        for (int y = 0; y < 900; ++y)
            for (int x = 0; x < 1200; ++x) {
                const int v = grey - 20 + static_cast<int>((x * 73856093u ^ y * 19349663u) % 41);
                photo.setPixel(x, y, qRgb(v, v, v) - (std::hypot(x - 600, y - 450) < 300 ? 0x5a5a5a : 0));
            }
        for (const double factor : {1.0, 2.0}) {
            SCOPED_TRACE(testing::Message() << grey << " at " << factor);
            PictureCache cache;
            cache.SetLoadedSource(photo);
            const PreparedPicture& cut = *cache.Loaded({}, 4, DeviceScale(factor));
            const QImage& t = cut.thumbnail;
            QRect disc;
            for (int i = 0; i < 16; ++i) {
                const double source = mean(photo, {150 + i % 4 * 225, i / 4 * 225, 225, 225});
                EXPECT_NEAR(mean(cut.board, {i % 4 * cut.block, i / 4 * cut.block, cut.block, cut.block}), source,
                            source / 50) << i;
            }
            const double whole = mean(photo, {150, 0, 900, 900});
            EXPECT_NEAR(mean(t, t.rect()), whole, whole / 50);
            for (int y = 0; y < t.height(); ++y)
                for (int x = 0; x < t.width(); ++x)
                    disc |= qGray(t.pixel(x, y)) < grey - 45 ? QRect(x, y, 1, 1) : QRect();
            EXPECT_NEAR(disc.width(), disc.height(), 1);
            EXPECT_NEAR(disc.left() + disc.right(), t.width() - 1, 1);
            EXPECT_NEAR(disc.top() + disc.bottom(), t.height() - 1, 1);
        }
    }
}

}  // namespace
}  // namespace tilora::test
