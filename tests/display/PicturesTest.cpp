// SPDX-License-Identifier: GPL-3.0-or-later
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

namespace tilora::test {
namespace {

QImage Picture(const char* name)
{
    return QImage(QStringLiteral(":/tilora/pictures/%1.png").arg(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
}

TEST(PicturesTest, EveryPictureAndIconHasItsSize)
{
    const std::pair<const char*, int> cases[] = {
        {":/tilora/pictures/title.png", 160},       {":/tilora/pictures/bars.png", 320},
        {":/tilora/pictures/flintstones.png", 320}, {":/tilora/pictures/pooh.png", 320},
        {":/tilora/pictures/doughnuts.png", 320},   {":/tilora/pictures/pause.png", 320},
        {":/tilora/icons/tilora-16.png", 16},       {":/tilora/icons/tilora-32.png", 32},
        {":/tilora/icons/tilora-48.png", 48},       {":/tilora/icons/tilora-64.png", 64},
        {":/tilora/icons/tilora-128.png", 128},     {":/tilora/icons/tilora-256.png", 256},
    };
    for (const auto& [resource, side] : cases)
        EXPECT_EQ(QImage(QString::fromLatin1(resource)).size(), QSize(side, side)) << resource;
}

// How different two 32 x 32 blocks look: the mean, over the block's pixels, of the
// summed absolute differences of red, green and blue at the same position (0 to 765).
// A player compares blocks position by position; two blocks that differ by little at
// every position are the ones that get mixed up, and this mean is small exactly then.
// 24 means the colours differ by 8 levels per channel on average; blocks of a plain
// two-axis gradient with no detail would already differ by more than that, and detail
// adds to it.
double BlockDifference(const QImage& image, int r1, int c1, int r2, int c2)
{
    long total = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb a = image.pixel(c1 * 32 + x, r1 * 32 + y);
            const QRgb b = image.pixel(c2 * 32 + x, r2 * 32 + y);
            total += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    return static_cast<double>(total) / (32.0 * 32.0);
}

TEST(PicturesTest, NoTwoBlocksOfABuiltInPictureLookAlikeOnTheTenByTenBoard)
{
    constexpr double kLeastDifference = 24.0;
    for (const char* name : {"bars", "flintstones", "pooh", "doughnuts"}) {
        const QImage image = Picture(name);
        double least = 1e9;
        for (int a = 0; a < 100; ++a)
            for (int b = a + 1; b < 100; ++b) {
                const double d = BlockDifference(image, a / 10, a % 10, b / 10, b % 10);
                EXPECT_GE(d, kLeastDifference) << name << ": blocks " << a + 1 << " and " << b + 1;
                least = std::min(least, d);
            }
        RecordProperty(name, std::to_string(least));
        std::printf("%s: least block difference %.1f\n", name, least);
    }
}

}  // namespace
}  // namespace tilora::test
