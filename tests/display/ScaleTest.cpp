// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing at a zoom or device pixel ratio other than one: the game's geometry scaled to
// whole device pixels, lines of one width, and pictures made at the device size.
#include <gtest/gtest.h>

#include "PaintImages.h"
#include "display/DeviceScale.h"
#include "display/PaintGeometry.h"
#include "display/ScaledPictures.h"

namespace tilora::test {
namespace {

constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kWhite = 0xffffffffu;
constexpr QRgb kRed = 0xffff0000u;

// The factors a screen gives: zooms times device pixel ratios.
constexpr double kFactors[] = {1.25, 1.5, 2.0, 2.5, 3.0, 3.75, 4.0};

// The colours and lengths of the runs of equal pixels from `from` on, `count` steps of `step`.
std::vector<std::pair<QRgb, int>> Runs(const QImage& image, QPoint from, QPoint step, int count)
{
    std::vector<std::pair<QRgb, int>> runs;
    for (QPoint at = from; count-- > 0; at += step) {
        if (runs.empty() || runs.back().first != image.pixel(at))
            runs.emplace_back(image.pixel(at), 0);
        ++runs.back().second;
    }
    return runs;
}

TEST(DeviceScaleTest, EveryDevicePixelMapsBackToTheGamePixelDrawnThere)
{
    for (const double factor : kFactors) {
        const DeviceScale scale(factor);
        EXPECT_EQ(scale.LineWidth(), std::max(1L, std::lround(factor))) << factor;
        for (int x = 0; x < 440; ++x) {
            // Game pixel x covers device pixels [At(x), At(x + 1)), at least one of them.
            ASSERT_GT(scale.At(x + 1), scale.At(x)) << factor << " at " << x;
            for (int d = scale.At(x); d < scale.At(x + 1); ++d) {
                ASSERT_EQ(scale.ToGame(QPointF(d, d)), QPoint(x, x)) << factor << " at device " << d;
                // Any point inside the device pixel, up to just short of its end, too.
                ASSERT_EQ(scale.ToGame(QPointF(d + 0.99, d + 0.5)), QPoint(x, x)) << factor << " at device " << d;
            }
        }
    }
}

class ScaledBoardTest : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override
    {
        QImage red(320, 320, QImage::Format_RGB32);
        red.fill(kRed);
        record = Make24BitRecord(red);
    }
    PaintState Playing() { return {true, false, false, true, 1, &board}; }

    Board board;
    PictureRecord record;
    PictureCache cache;
};

TEST_P(ScaledBoardTest, GridLinesAreOneWidthAtTheScaledPlacesWithNoGaps)
{
    const DeviceScale scale(GetParam());
    const int w = std::max(1, static_cast<int>(std::lround(GetParam())));  // round(scale)
    for (const int n : {4, 5, 8, 10}) {
        board.SetGridSize(n);
        board.FillSolved();
        const QImage image = Render(cache, record, Playing(), scale);
        const int p = geometry::Pitch(n);
        // Across the middle of the first row of blocks: block, line, block, line ...
        const auto runs = Runs(image, {0, scale.At(p / 2)}, {1, 0}, scale.At(n * p));
        ASSERT_EQ(static_cast<int>(runs.size()), 2 * n) << GetParam() << " n " << n;
        int x = 0;
        for (int c = 0; c < n; ++c) {
            const auto& block = runs[static_cast<std::size_t>(2 * c)];
            const auto& line = runs[static_cast<std::size_t>(2 * c + 1)];
            EXPECT_EQ(block.first, kRed) << "n " << n << " cell " << c;
            EXPECT_EQ(line.first, kBlack) << "n " << n << " cell " << c;
            EXPECT_EQ(line.second, w) << GetParam() << " n " << n << " line after cell " << c;
            // The right line of cell c ends where game pixel (c + 1) p begins.
            x += block.second + line.second;
            EXPECT_EQ(x, scale.At((c + 1) * p)) << GetParam() << " n " << n << " cell " << c;
        }
        // The blank in the bottom-right cell and the marker over the thumbnail: empty
        // framed squares of the same line width.
        for (const QRect& game : {geometry::CellFrame(n, n - 1, n - 1), geometry::BlankMarker(n)}) {
            const QRect square = scale.Rect(game);
            for (const auto& across : {Runs(image, {square.left(), square.center().y()}, {1, 0}, square.width()),
                                       Runs(image, {square.center().x(), square.top()}, {0, 1}, square.height())}) {
                ASSERT_EQ(across.size(), 3u) << GetParam() << " n " << n;
                EXPECT_EQ(across[0], std::make_pair(kBlack, w));
                EXPECT_EQ(across[1].first, kWhite);
                EXPECT_EQ(across[2], std::make_pair(kBlack, w));
            }
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Factors, ScaledBoardTest, ::testing::ValuesIn(kFactors));

TEST(ScaledPictureTest, LargeLoadedPictureShowsItsSourcePixelsOneToOne)
{
    // 1280 x 1280 on a 4 x 4 board at 400 %: each 320-pixel source block fills a block of
    // 80 x 4 = 320 device pixels, pixel for pixel; an enlarged 320-pixel copy would show
    // squares of 4 x 4 equal pixels.
    QImage source(1280, 1280, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4) | (y >> 8)));
    const PictureRecord record = Make24BitRecord(source);
    Board board;
    board.FillSolved();
    PictureCache cache;
    const DeviceScale scale(4.0);
    const QImage image = Render(cache, record, {true, false, false, true, 1, &board}, scale);
    for (const int tile : {1, 6, 15}) {
        const int r = (tile - 1) / 4;
        const int c = (tile - 1) % 4;
        const QPoint at = scale.Rect(geometry::CellFrame(4, r, c)).topLeft();
        for (int y = 0; y < 320; y += 7)
            for (int x = 0; x < 320; x += 5)
                ASSERT_EQ(image.pixel(at.x() + x, at.y() + y), source.pixel(c * 320 + x, r * 320 + y))
                    << "tile " << tile << " at " << x << "," << y;
    }
}

TEST(ScaledPictureTest, BuiltInPicturesAreDrawnFromTheirLargeMasters)
{
    // At 400 % a 4 x 4 block is 320 device pixels: the master's own 320-pixel square, not
    // the 80-pixel block of the 320-pixel picture enlarged.
    PictureCache cache;
    const DeviceScale scale(4.0);
    for (const int picture : {1, 2, 3, 4}) {
        static constexpr const char* kNames[] = {"bars", "flintstones", "pooh", "doughnuts"};
        const QImage master =
            QImage(QStringLiteral(":/tilora/pictures/large/%1.png").arg(QLatin1String(kNames[picture - 1])))
                .convertToFormat(QImage::Format_RGB32);
        ASSERT_GE(master.width(), 1280) << picture;
        const PreparedPicture& cut = cache.BuiltIn(picture, scale, 4);
        ASSERT_EQ(cut.block, 320);
        for (int y = 0; y < 1280; y += 37)
            for (int x = 0; x < 1280; x += 41)
                ASSERT_EQ(cut.board.pixel(x, y), master.pixel(x, y)) << picture << " at " << x << "," << y;
    }
    // The title and pause pictures fill their places at the device size, the pause
    // picture straight from its 1280-pixel master.
    const QImage pause = QImage(QStringLiteral(":/tilora/pictures/large/pause.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_GE(QImage(QStringLiteral(":/tilora/pictures/large/title.png")).width(), 1280);
    EXPECT_EQ(cache.Title(scale).board.size(), QSize(640, 640));
    EXPECT_EQ(cache.Pause(scale).board, pause);
}

TEST(ScaledPictureTest, PicturesAreMadeOncePerScaleAndGridSizeWithStandInsMeanwhile)
{
    QImage blue(640, 480, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const PictureRecord record = Make24BitRecord(blue);
    PictureCache cache;
    const DeviceScale zoomed(2.0);

    // While the size settles, nothing is made for the new scale: what is at hand stands in.
    const PreparedPicture& standIn = cache.BuiltIn(2, zoomed, 4, true);
    EXPECT_EQ(standIn.scale, 1.0);
    EXPECT_EQ(standIn.board.size(), QSize(320, 320));
    const qint64 made = cache.BuiltIn(2, zoomed, 4).board.cacheKey();
    EXPECT_EQ(cache.BuiltIn(2, zoomed, 4).scale, 2.0);
    EXPECT_EQ(cache.BuiltIn(2, zoomed, 4).board.cacheKey(), made) << "made again for the same scale";
    EXPECT_EQ(cache.BuiltIn(2, zoomed, 4, true).board.cacheKey(), made);
    EXPECT_EQ(cache.Title(zoomed, true).scale, 1.0);
    EXPECT_EQ(cache.Title(zoomed).board.size(), QSize(320, 320));
    EXPECT_EQ(cache.Pause(zoomed).board.size(), QSize(640, 640));

    const PreparedPicture* loaded = cache.Loaded(record, 5, zoomed);
    ASSERT_NE(loaded, nullptr);
    const qint64 cut = loaded->board.cacheKey();
    EXPECT_EQ(loaded->block, DeviceBlockSide(5, zoomed));
    EXPECT_EQ(loaded->thumbnail.size(), QSize(160, 160));
    EXPECT_EQ(cache.Loaded(record, 5, zoomed)->board.cacheKey(), cut) << "cut again for the same scale";
    // Another scale during a resize: the cut at hand stands in; settled: cut anew.
    EXPECT_EQ(cache.Loaded(record, 5, DeviceScale(3.0), true)->board.cacheKey(), cut);
    EXPECT_EQ(cache.Loaded(record, 5, DeviceScale(3.0))->scale, 3.0);
    // A stand-in needs the same blocks: another grid size is cut at once.
    EXPECT_EQ(cache.Loaded(record, 4, zoomed, true)->scale, 2.0);
}

// A 4:3 photo of noisy grey (around 128, then 200) with a dark disc in its middle, whose
// square is x 150 to 1049: at 100 % and 200 % each block and the thumbnail are within 2 %
// of their source's mean (averaged, not darkened), and the disc is round and centred.
TEST(ScaledPictureTest, PhotoBlocksAverageTheirSourceAndShowTheCentredSquareUnsquashed)
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
            for (int i = 0; i < 16; ++i) {
                const double source = mean(photo, {150 + i % 4 * 225, i / 4 * 225, 225, 225});
                EXPECT_NEAR(mean(cut.board, {i % 4 * cut.block, i / 4 * cut.block, cut.block, cut.block}), source,
                            source / 50) << i;
            }
            const double whole = mean(photo, {150, 0, 900, 900});
            EXPECT_NEAR(mean(t, t.rect()), whole, whole / 50);
            // The disc's chords through the thumbnail's middle: equal only for a round disc there.
            int across = 0;
            int down = 0;
            for (int i = 0; i < t.width(); ++i) {
                across += qGray(t.pixel(i, t.height() / 2)) < grey - 45;
                down += qGray(t.pixel(t.width() / 2, i)) < grey - 45;
            }
            EXPECT_NEAR(across, down, 1);
        }
    }
}

}  // namespace
}  // namespace tilora::test
