// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/AndStretch.h"

#include <gtest/gtest.h>

#include <vector>

namespace tilora::test {
namespace {

// One row of colour values, as a 1-pixel-high image.
QImage Row(const std::vector<QRgb>& values)
{
    QImage image(static_cast<int>(values.size()), 1, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, 0, values[static_cast<std::size_t>(x)]);
    return image;
}

std::vector<QRgb> RowOf(const QImage& image, int y = 0)
{
    std::vector<QRgb> values;
    for (int x = 0; x < image.width(); ++x)
        values.push_back(image.pixel(x, y));
    return values;
}

constexpr QRgb A = 0xff0f0ff0u;
constexpr QRgb B = 0xfff0ff0fu;
constexpr QRgb C = 0xff3c3c3cu;
constexpr QRgb D = 0xffc3c3ffu;
constexpr QRgb E = 0xffff00ffu;
constexpr QRgb F = 0xff5a5a5au;

// One row stretched to a width: each target pixel is the AND of the source pixels it covers.
TEST(AndStretchTest, RowsShrinkByAndingAndEnlargeByRepeating)
{
    struct Case {
        const char* rule;
        std::vector<QRgb> row;
        QRect source;
        int width;
        std::vector<QRgb> expected;
    };
    const Case cases[] = {
        {"shrinking by two ands each pair", {A, B, C, D}, {0, 0, 4, 1}, 2, {A & B, C & D}},
        {"shrinking by three ands each triple", {A, B, C, D, E, F}, {0, 0, 6, 1}, 2, {A & B & C, D & E & F}},
        // Five pixels over two: the first target takes 2, the second 3, every source used once.
        {"a non-integer shrink splits without gaps or overlaps", {A, B, C, D, E}, {0, 0, 5, 1}, 2, {A & B, C & D & E}},
        {"enlarging repeats pixels", {A, B}, {0, 0, 2, 1}, 4, {A, A, B, B}},
        {"a non-integer enlargement repeats some pixels once more", {A, B}, {0, 0, 2, 1}, 3, {A, A, B}},
        {"only the source rectangle is taken", {A, B, C, D, E, F}, {2, 0, 2, 1}, 4, {C, C, D, D}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rule);
        EXPECT_EQ(RowOf(AndStretch(Row(c.row), c.source, {c.width, 1})), c.expected);
    }
}

TEST(AndStretchTest, BothAxesCombineTheWholeBlock)
{
    QImage square(2, 2, QImage::Format_RGB32);
    square.setPixel(0, 0, A);
    square.setPixel(1, 0, B);
    square.setPixel(0, 1, C);
    square.setPixel(1, 1, D);
    const QImage one = AndStretch(square, square.rect(), {1, 1});
    EXPECT_EQ(one.pixel(0, 0), A & B & C & D);
    // Shrinking one way while enlarging the other.
    const QImage tall = AndStretch(square, square.rect(), {1, 4});
    EXPECT_EQ(tall.pixel(0, 0), A & B);
    EXPECT_EQ(tall.pixel(0, 1), A & B);
    EXPECT_EQ(tall.pixel(0, 3), C & D);
}

TEST(AndStretchTest, DarkDetailSurvivesAShrink)
{
    // One black pixel in a white 8 x 8 square still shows in the 2 x 2 copy.
    QImage white(8, 8, QImage::Format_RGB32);
    white.fill(Qt::white);
    white.setPixel(5, 6, qRgb(0, 0, 0));
    const QImage out = AndStretch(white, white.rect(), {2, 2});
    EXPECT_EQ(out.pixel(1, 1), qRgb(0, 0, 0));
    EXPECT_EQ(out.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(AndStretchTest, AnEmptySourceGivesWhite)
{
    const QImage out = AndStretch(Row({A, B}), QRect(0, 0, 0, 1), {3, 3});
    EXPECT_EQ(out.size(), QSize(3, 3));
    EXPECT_EQ(out.pixel(2, 2), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace tilora::test
