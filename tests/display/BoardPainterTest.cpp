// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/BoardPainter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "PaintImages.h"
#include "display/AndStretch.h"

namespace tilora::test {
namespace {

constexpr QRgb kBlack = 0xff000000u;
constexpr QRgb kWhite = 0xffffffffu;

QImage Resource(const char* name)
{
    return QImage(QStringLiteral(":/tilora/pictures/%1.png").arg(QLatin1String(name))).convertToFormat(QImage::Format_RGB32);
}

class BoardPainterTest : public ::testing::Test {
protected:
    PaintState Playing() { return {true, false, false, false, 1, &board}; }
    QImage Draw(const PaintState& state) { return Render(cache, record, state); }
    void Solved(int n)
    {
        board.SetGridSize(n);
        board.FillSolved();
    }
    // The 80 x 80 thumbnail as the cache holds it, for the built-in picture 1.
    QRgb Thumb(int x, int y) { return cache.BuiltIn(1).thumbnail.pixel(x, y); }

    // Expects the cell frame (left, top, side) drawn as an empty framed square.
    static void ExpectEmptyFrame(const QImage& image, int left, int top, int side)
    {
        const int right = left + side - 1;
        const int bottom = top + side - 1;
        for (int k = 0; k < side; ++k) {
            EXPECT_EQ(image.pixel(left + k, top), kBlack) << "top line at " << left + k;
            EXPECT_EQ(image.pixel(left + k, bottom), kBlack) << "bottom line at " << left + k;
            EXPECT_EQ(image.pixel(left, top + k), kBlack) << "left line at " << top + k;
            EXPECT_EQ(image.pixel(right, top + k), kBlack) << "right line at " << top + k;
        }
        for (int y = top + 1; y < bottom; y += 7)
            for (int x = left + 1; x < right; x += 7)
                EXPECT_EQ(image.pixel(x, y), kWhite) << x << "," << y;
        EXPECT_EQ(image.pixel(right - 1, bottom - 1), kWhite);
    }

    Board board;
    PictureRecord record;
    PictureCache cache;
};

// Block (tile's home row hr, column hc) of picture `picture` appears unscaled in the cell
// whose frame starts at (left, top): its s x s image covers the frame's top-left pixels.
void ExpectBlockAt(const QImage& image, const QImage& picture, int left, int top, int s, int hr, int hc)
{
    for (const int y : {0, s / 2, s - 1})
        for (const int x : {0, s / 3, s - 1})
            ASSERT_EQ(image.pixel(left + x, top + y), picture.pixel(hc * s + x, hr * s + y))
                << "cell at " << left << "," << top << " offset " << x << "," << y;
}

// Cells start every `pitch` pixels, each showing its block unscaled; the frames' right and
// bottom lines stay as the grid, and the board ends after the last of them.
TEST_F(BoardPainterTest, CellsStartEveryPitchWithGridLinesBetween)
{
    struct Case {
        int n, pitch;  // the pitch: the block's side and one grid line
    };
    for (const Case& grid : {Case{4, 81}, Case{10, 33}}) {
        SCOPED_TRACE(testing::Message() << grid.n << " x " << grid.n);
        const int n = grid.n;
        const int end = n * grid.pitch;  // the first pixel past the board
        Solved(n);
        const QImage image = Draw(Playing());
        const QImage bars = Resource("bars");
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                if (r != n - 1 || c != n - 1)
                    ExpectBlockAt(image, bars, c * grid.pitch, r * grid.pitch, grid.pitch - 1, r, c);
        for (int k = 0; k < n; ++k)
            for (int along = 0; along < end; ++along) {
                ASSERT_EQ(image.pixel(grid.pitch * k + grid.pitch - 1, along), kBlack) << k << "," << along;
                ASSERT_EQ(image.pixel(along, grid.pitch * k + grid.pitch - 1), kBlack) << along << "," << k;
            }
        EXPECT_EQ(image.pixel(end, 10), kGround);
        EXPECT_EQ(image.pixel(end, 100), kGround);
        if (end < image.height()) {  // the 10 x 10 board fills the height
            EXPECT_EQ(image.pixel(100, end), kGround);
        }
        ExpectEmptyFrame(image, (n - 1) * grid.pitch, (n - 1) * grid.pitch, grid.pitch);
    }
}

TEST_F(BoardPainterTest, EachCellShowsItsTilesBlockAndTheBlankIsAnEmptyFrame)
{
    Solved(5);
    board.SetCell(0, 0, 13);  // the home of 13 is row 2, column 2
    board.SetCell(2, 2, 25);  // the blank, in the middle
    board.SetCell(4, 4, 1);
    const QImage image = Draw(Playing());
    const QImage bars = Resource("bars");
    ExpectBlockAt(image, bars, 0, 0, 64, 2, 2);
    ExpectBlockAt(image, bars, 4 * 65, 4 * 65, 64, 0, 0);
    ExpectEmptyFrame(image, 2 * 65, 2 * 65, 65);
}

TEST_F(BoardPainterTest, NumbersThatNameNoBlockDrawAsEmptyFrames)
{
    Solved(4);
    board.SetCell(0, 0, 0);
    board.SetCell(0, 1, 17);
    board.SetCell(1, 0, -5);
    board.SetCell(1, 1, 1000);
    const QImage image = Draw(Playing());
    ExpectEmptyFrame(image, 0, 0, 81);
    ExpectEmptyFrame(image, 81, 0, 81);
    ExpectEmptyFrame(image, 0, 81, 81);
    ExpectEmptyFrame(image, 81, 81, 81);
    ExpectBlockAt(image, Resource("bars"), 162, 0, 80, 0, 2);
}

TEST_F(BoardPainterTest, TheBuiltInPictureFollowsTheMenuChoice)
{
    Solved(4);
    const char* names[] = {"bars", "flintstones", "pooh", "doughnuts", "bars"};
    for (int picture = 1; picture <= 5; ++picture) {
        PaintState state = Playing();
        state.picture = picture;
        ExpectBlockAt(Draw(state), Resource(names[picture - 1]), 81, 81, 80, 1, 1);
    }
}

TEST_F(BoardPainterTest, ThumbnailFrameShowsOnlyItsTopAndLeftLines)
{
    Solved(4);
    const QImage image = Draw(Playing());
    for (int k = 0; k < 81; ++k) {
        EXPECT_EQ(image.pixel(340 + k, 181), kBlack);
        EXPECT_EQ(image.pixel(340, 181 + k), kBlack);
    }
    // The 80 x 80 image covers the frame's right and bottom lines.
    for (int k = 0; k < 60; k += 3) {
        EXPECT_EQ(image.pixel(420, 182 + k), Thumb(79, k));
        EXPECT_EQ(image.pixel(341 + k, 261), Thumb(k, 79));
        EXPECT_EQ(image.pixel(341 + k, 182 + k), Thumb(k, k));
    }
    EXPECT_EQ(image.pixel(339, 200), kGround);
    EXPECT_EQ(image.pixel(421, 200), kGround);
    EXPECT_EQ(image.pixel(380, 180), kGround);
    EXPECT_EQ(image.pixel(380, 262), kGround);
}

TEST_F(BoardPainterTest, TheMarkerCoversTheThumbnailsCornerWhereverTheBlankIs)
{
    for (const int n : {4, 10}) {
        const int side = 80 / n;
        Solved(n);
        for (const CellPos blank : {CellPos{0, 0}, CellPos{n / 2, 1}, CellPos{n - 1, n - 1}}) {
            board.FillSolved();
            board.SetCell(n - 1, n - 1, board.Cell(blank.row, blank.column));
            board.SetCell(blank.row, blank.column, n * n);
            SCOPED_TRACE(testing::Message() << "n=" << n << " blank " << blank.row << "," << blank.column);
            const QImage image = Draw(Playing());
            ExpectEmptyFrame(image, 421 - side, 262 - side, side);
            // Just outside the marker the thumbnail shows.
            EXPECT_EQ(image.pixel(420 - side, 261), Thumb(79 - side, 79));
            EXPECT_EQ(image.pixel(420, 261 - side), Thumb(79, 79 - side));
        }
    }
}

TEST_F(BoardPainterTest, AFinishedBoardIsDrawnLikeAGame)
{
    Solved(4);
    const QImage image = Draw({false, true, false, false, 1, &board});
    ExpectBlockAt(image, Resource("bars"), 0, 0, 80, 0, 0);
    ExpectEmptyFrame(image, 243, 243, 81);
    ExpectEmptyFrame(image, 401, 242, 20);
}

TEST_F(BoardPainterTest, TitleScreenHasPictureAndThumbnailButNoFrameOrMarker)
{
    const QImage image = Draw({false, false, false, false, 1, &board});
    const QImage title = Resource("title");
    for (int y = 0; y < 160; y += 13)
        for (int x = 0; x < 160; x += 11)
            ASSERT_EQ(image.pixel(80 + x, 40 + y), title.pixel(x, y));
    const QImage& thumb = cache.Title().thumbnail;
    for (int k = 0; k < 80; ++k) {
        ASSERT_EQ(image.pixel(341 + k, 182 + k), thumb.pixel(k, k));
        ASSERT_EQ(image.pixel(420, 182 + k), thumb.pixel(79, k));  // no marker in the corner
    }
    EXPECT_EQ(image.pixel(340, 200), kGround);  // no frame lines
    EXPECT_EQ(image.pixel(380, 181), kGround);
    EXPECT_EQ(image.pixel(10, 10), kGround);  // no board
    EXPECT_EQ(image.pixel(323, 100), kGround);
}

// Both text lines of the title screen stay inside the board area, left of the side
// panel and its captions; the credit line, set from x = 50, is at most 330 pixels wide.
TEST_F(BoardPainterTest, TitleScreenTextLinesFitTheBoardArea)
{
    const QImage image = Draw({false, false, false, false, 1, &board});
    const QRect thumbnail(341, 182, 80, 80);
    struct Line {
        const char* name;
        int top;
        int bottom;  // the rows of the line's glyphs, clear of the pictures above and beside
    };
    for (const Line& line : {Line{"start line", 215, 240}, Line{"credit line", 262, 285}}) {
        int left = image.width();
        int right = -1;
        for (int y = line.top; y < line.bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!thumbnail.contains(x, y) && image.pixel(x, y) != kGround) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        ASSERT_GE(right, left) << line.name << " not drawn";
        EXPECT_LT(right, 320) << line.name << " runs out of the board area";
        EXPECT_LE(right - left + 1, 330) << line.name;
    }
}

TEST_F(BoardPainterTest, PauseScreenHasPictureFrameAndThumbnailButNoBoardOrMarker)
{
    Solved(4);
    // Paused wins over a loaded picture, even one that cannot be drawn.
    record.m_bmi.bmiHeader.biBitCount = 7;
    const QImage image = Draw({true, false, true, true, 1, &board});
    const QImage pause = Resource("pause");
    for (int y = 0; y < 320; y += 9)
        for (int x = 0; x < 320; x += 9)
            ASSERT_EQ(image.pixel(x, y), pause.pixel(x, y));
    EXPECT_EQ(image.pixel(319, 319), pause.pixel(319, 319));
    for (const int k : {320, 321, 322, 323}) {
        EXPECT_EQ(image.pixel(k, 100), kGround) << "grid line of a board at " << k;
        EXPECT_EQ(image.pixel(100, k), kGround);
    }
    EXPECT_EQ(image.pixel(340, 200), kBlack);
    EXPECT_EQ(image.pixel(380, 181), kBlack);
    const QImage& thumb = cache.Pause().thumbnail;
    EXPECT_EQ(image.pixel(420, 261), thumb.pixel(79, 79));
    EXPECT_EQ(image.pixel(410, 251), thumb.pixel(69, 69));
}

TEST_F(BoardPainterTest, ALoadedPictureCutsEachBlockFromItsOwnSourceRectangle)
{
    // 103 x 61 on 4 x 4: blocks of 25 x 15 source pixels. Every pixel of the picture has
    // the top bit set in each channel, except the 3 rightmost columns and the bottom
    // row, which are black: an AND with any of them would show as a dark pixel.
    QImage source(103, 61, QImage::Format_RGB32);
    for (int y = 0; y < 61; ++y)
        for (int x = 0; x < 103; ++x)
            source.setPixel(x, y, (x >= 100 || y == 60) ? qRgb(0, 0, 0) : qRgb(128 + x, 128 + 2 * y, 128 + ((x * y) & 127)));
    record = Make24BitRecord(source);
    Solved(4);
    PaintState state = Playing();
    state.customPicture = true;
    ASSERT_TRUE(BoardPainter(cache, record).CanDraw(state));
    const QImage image = Draw(state);
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (r == 3 && c == 3)
                continue;
            const QImage block = AndStretch(source, QRect(c * 25, r * 15, 25, 15), {80, 80});
            for (int y = 0; y < 80; ++y)
                for (int x = 0; x < 80; ++x) {
                    const QRgb p = image.pixel(c * 81 + x, r * 81 + y);
                    ASSERT_EQ(p, block.pixel(x, y)) << "cell " << r << "," << c << " at " << x << "," << y;
                    ASSERT_TRUE(qRed(p) >= 128 && qGreen(p) >= 128 && qBlue(p) >= 128);
                }
        }
    }
    // The columns and the row left over appear in the thumbnail only.
    EXPECT_EQ(image.pixel(420, 190), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(360, 261), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(360, 190), cache.Loaded(record, 4)->thumbnail.pixel(19, 8));
    ExpectEmptyFrame(image, 401, 242, 20);
}

TEST_F(BoardPainterTest, AThinLineAndASinglePixelSurviveTheShrinkIntoTheThumbnail)
{
    // 320 x 320 shrinks to 80 x 80 by four on each axis: thumbnail pixel (x, y) combines
    // source pixels 4x to 4x + 3 and 4y to 4y + 3. Black in white survives only an AND
    // of them all; plain scaling samples one of the four and misses a pixel that is not
    // the sampled one, smooth scaling would give grey.
    QImage source(320, 320, QImage::Format_RGB32);
    source.fill(kWhite);
    for (int y = 0; y < 320; ++y)
        source.setPixel(101, y, kBlack);  // a line one pixel wide: thumbnail column 25
    source.setPixel(250, 37, kBlack);     // a single pixel: thumbnail pixel (62, 9)
    record = Make24BitRecord(source);
    Solved(4);
    PaintState state = Playing();
    state.customPicture = true;
    const QImage image = Draw(state);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (x >= 60 && y >= 60)
                continue;  // the blank's marker
            const bool black = x == 25 || (x == 62 && y == 9);
            ASSERT_EQ(image.pixel(341 + x, 182 + y), black ? kBlack : kWhite) << "thumbnail at " << x << "," << y;
        }
    }
}

TEST_F(BoardPainterTest, ARecordThatCannotBeDecodedIsNotDrawnAtAll)
{
    Solved(4);
    record.m_bmi.bmiHeader = {40, 16, 16, 1, 7, 99, 0, 0, 0, 0, 0};
    record.m_pPixels.assign(64, 0xab);
    PaintState state = Playing();
    state.customPicture = true;
    EXPECT_FALSE(BoardPainter(cache, record).CanDraw(state));
    QImage image(437, 330, QImage::Format_RGB32);
    image.fill(kGround);
    QPainter painter(&image);
    EXPECT_FALSE(BoardPainter(cache, record).Paint(painter, state, QRegion(image.rect())));
    painter.end();
    for (int y = 0; y < 330; y += 10)
        for (int x = 0; x < 437; x += 10)
            ASSERT_EQ(image.pixel(x, y), kGround);
}

TEST_F(BoardPainterTest, ARedrawOfTwoCellsTouchesNothingElse)
{
    Solved(10);
    QImage image(437, 330, QImage::Format_RGB32);
    image.fill(kGround);
    const QRect from(4 * 33, 5 * 33, 33, 33);
    const QRect to(5 * 33, 5 * 33, 33, 33);
    QPainter painter(&image);
    BoardPainter(cache, record).Paint(painter, Playing(), QRegion(from) + to);
    painter.end();
    const QImage full = Draw(Playing());
    for (int y = 0; y < 330; ++y)
        for (int x = 0; x < 437; ++x) {
            const bool inside = from.contains(x, y) || to.contains(x, y);
            ASSERT_EQ(image.pixel(x, y), inside ? full.pixel(x, y) : kGround) << x << "," << y;
        }
}

TEST_F(BoardPainterTest, OnAHighDensityScreenEveryPixelIsRepeatedNeverSmoothed)
{
    Solved(4);
    QImage image(874, 660, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(kGround);
    QPainter painter(&image);
    BoardPainter(cache, record).Paint(painter, Playing(), QRegion(0, 0, 437, 330));
    painter.end();
    const QImage bars = Resource("bars");
    // Cell (1, 1) shows block (1, 1): logical pixel (81 + x, 81 + y) is device pixels
    // 2(81 + x) and 2(81 + x) + 1 on each axis, all four the picture's pixel (80 + x, 80 + y).
    for (const int d : {0, 1, 17, 40, 79})
        for (const int dx : {0, 1})
            for (const int dy : {0, 1})
                ASSERT_EQ(image.pixel(2 * (81 + d) + dx, 2 * (81 + d) + dy), bars.pixel(80 + d, 80 + d)) << d;
    // The grid line at logical 80 is two device pixels wide.
    EXPECT_EQ(image.pixel(160, 30), kBlack);
    EXPECT_EQ(image.pixel(161, 30), kBlack);
}

}  // namespace
}  // namespace tilora::test
